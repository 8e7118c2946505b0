// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

#include <vector>

class QIODevice;
struct GifFileType;

namespace wave {

// GIF delays are hundredths of a second: an interval in milliseconds goes to the nearest
// hundredth, halves up (385 ms is shown for 390 ms), and never below 2 hundredths, which
// viewers would stretch to a tenth of a second.
int gifCentiseconds(int milliseconds);

// The levels a channel keeps in a frame's GIF palette: 256 (every colour exact) while the
// frame has at most 256 colours, else the first of 128, 64, 32, ... that brings them within
// 256, each channel rounded to the nearest level with 0 and 255 kept exact.
int gifLevels(const QImage &frame);

// An animated GIF that loops for ever, written into a device frame by frame: a frame's bytes
// are out before the next one is taken, so a recording holds this frame and the one before,
// never the whole film. Each frame has its own palette; from the second frame on, pixels that
// stay as they were are left transparent over the frame before, which keeps every frame
// exact and the file small.
class GifWriter {
public:
    GifWriter(QIODevice &device, QSize size);
    ~GifWriter();
    GifWriter(const GifWriter &) = delete;
    GifWriter &operator=(const GifWriter &) = delete;

    // Adds a frame of the writer's size, shown for `centiseconds`. False when the encoder or
    // the device failed; the writer takes nothing more then.
    bool addFrame(const QImage &frame, int centiseconds);
    // Ends the file; false when its last bytes could not be written.
    bool finish();

private:
    bool flush();

    QIODevice &device_;
    QSize size_;
    GifFileType *gif_ = nullptr;
    QByteArray pending_;
    bool failed_ = false;
    // The colours the last frame shows, pixel by pixel, after the palette's rounding.
    std::vector<QRgb> shown_;
    std::vector<QRgb> previous_;
    std::vector<unsigned char> line_;
};

} // namespace wave
