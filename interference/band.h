// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "interference/field_renderer.h"
#include "view/shared_state.h"

#include <QRgb>

#include <array>
#include <vector>

namespace wave {

class Canvas;

// The intensity band: a strip of 20 rows right above the band line. With the band bar at yb
// the strip covers view rows yb..yb+19 and the line's top is view row yb + 20.
constexpr int bandStripRows = 20;

// The detail map images lie over the wave view; their blocks are 4 x 4 pixels.
constexpr int mapWidth = viewWidth;
constexpr int mapHeight = 200;

// Top of the band line in frame coordinates for the band bar at yb. The detail map hangs
// from it while the band is shown.
constexpr int bandLineTop(int yb)
{
    return viewOffset + yb + bandStripRows;
}

// One source as the band sees it.
struct BandSource {
    int x = 0;              // view column, one pixel right of the ring centre
    double amplitude = 1.0; // the amplitude bar's position / 10
    int P = 15;             // half-wavelength
    int T = 0;              // phase offset
};

// What the band and the detail map are drawn from.
struct BandParams {
    int n = 2;
    std::array<BandSource, 3> sources{};
    int markerTop = 355;     // the sources' vertical reference, frame coordinates
    int bandTop = 0;         // yb, the band bar's position: the strip's top row in the view
    int mapTop = viewOffset; // top of the detail map image, frame coordinates
    bool instantaneous = false;
    bool average = false;
    bool highDetail = false;
    bool blackAndWhite = false;
    Palette colours{};
    // The simulated water on the band line, a value a view column, while the water is on:
    // its displacement now over n, as u, and the running mean of its square relative to the
    // largest on the line.
    std::vector<double> waterU, waterIntensity;
    bool simulated = false; // the strips show the water's values instead of the formula's
};

// The sources of the field with the amplitude bars' positions (1 to 10), placed where the
// field renderer puts their markers.
std::array<BandSource, 3> bandSources(const FieldParams &field,
                                      const std::array<int, 3> &amplitudeBars);

// The superposed displacement u at view column x, dy pixels above the sources' reference:
// the mean over the n sources of A cos(2 pi (r - T) / 2P), so |u| <= 1.
double displacement(const BandParams &params, int x, int dy);

// Brightness of a value v in -1..1: level Trunc(|255 v|) as black to the band colour (red in
// the standard palette), or black to white.
QRgb bandColour(double v, bool blackAndWhite, QRgb band = colour::red);

// The two map images alternate with the parity of source 1's phase offset: true when this
// redraw's map goes into the first image.
constexpr bool mapIntoFirst(int T1)
{
    return T1 % 2 == 0;
}

// Draws the detail map into one map image: 4 x 4 blocks, each the colour of the displacement
// at its top-left corner, one diagonal stroke of a 4-pixel pen each. Without high detail only
// the first column of blocks is drawn, and the map is not shown.
void drawDetailMap(Canvas &map, const BandParams &params);

// Draws the band into the wave view: blanks the tank behind the screen line black, adds each
// column's |u| to bandsum and draws the instantaneous and average strips that are switched
// on. bandpeak becomes the largest bandsum of the view's columns; while it is 0 the average
// strip is black.
void drawBand(Canvas &view, const BandParams &params, std::array<double, 800> &bandsum,
              double &bandpeak);

// The tank behind the screen line, rows 0 to yb + 19, goes black, outline included.
void blankBehindBand(Canvas &view, int yb);

// One column of the band as the last redraw left it.
struct BandColumn {
    int x = 0;
    double u = 0.0;       // the displacement now
    double average = 0.0; // bandsum / bandpeak, 0 while bandpeak is 0
    int instantaneousLevel = 0;
    int averageLevel = 0;
    double simulated = 0.0; // the simulated water's mean intensity, while the water is on
};

// The view's columns 0 to 708 of the band: the displacement on the band line and the average
// accumulated so far, with the brightness levels their strips are drawn in. The average is
// relative to the largest bandsum of columns 0 to 709, as the last band redraw found it; the
// handlers that reset bandpeak afterwards leave the strip on the screen as it was.
std::vector<BandColumn> bandProfile(const BandParams &params,
                                    const std::array<double, 800> &bandsum);

// The brightness level of a value v in -1..1: Trunc(|255 v|).
int bandLevel(double v);

} // namespace wave
