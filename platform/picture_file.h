// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/safe_file.h"

#include <QImage>
#include <QString>

#include <functional>
#include <optional>

class QIODevice;

namespace wave {

class Canvas;

enum class PictureFormat { Png, Svg, Pdf };

// The format a file name asks for by its extension, in any letter case: PNG when it has none,
// nothing for an extension the program does not write.
std::optional<PictureFormat> pictureFormat(const QString &path);

// Draws a scene onto a surface the size of its picture.
using DrawPicture = std::function<void(Canvas &)>;

// PNG is the picture itself, pixel for pixel. SVG and PDF redraw the scene through a painter
// at the picture's size, one unit per pixel, so lines and rings stay paths; only what the scene
// copies in as a bitmap is a bitmap there. False when the device refused the bytes.
bool writePicture(QIODevice &device, PictureFormat format, const QImage &picture,
                  const DrawPicture &draw, const QString &title);

// Writes the picture into the file through a temporary file that replaces it only when whole.
WriteOutcome savePicture(const QString &path, PictureFormat format, const QImage &picture,
                         const DrawPicture &draw, const QString &title);

// The message for a failed export: what could not be done, the system's reason, and that the
// file was left as it was.
QString exportFailureText(const QString &path, const WriteOutcome &outcome);

} // namespace wave
