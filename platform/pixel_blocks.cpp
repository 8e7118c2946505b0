// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/pixel_blocks.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace wave {

namespace {

bool opaque32(QImage::Format format)
{
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
           format == QImage::Format_ARGB32_Premultiplied;
}

// The device pixel scale and offset of a painter that only translates and scales by a whole
// factor, or 0 for any other transform.
int wholeScale(const QTransform &t, QPoint &offset)
{
    const double scale = t.m11();
    if (t.type() > QTransform::TxScale || t.m22() != scale || scale < 1 ||
        scale != std::floor(scale) || t.dx() != std::floor(t.dx()) || t.dy() != std::floor(t.dy()))
        return 0;
    offset = QPoint(int(t.dx()), int(t.dy()));
    return int(scale);
}

// Whole blocks of a factor known here are unrolled into a few wide stores.
template <int Factor> QRgb *fillBlocks(const QRgb *from, int count, QRgb *to)
{
    for (int i = 0; i < count; ++i, to += Factor)
        for (int k = 0; k < Factor; ++k)
            to[k] = from[i];
    return to;
}

QRgb *fillBlocks(const QRgb *from, int count, QRgb *to, int factor)
{
    switch (factor) {
    case 2:
        return fillBlocks<2>(from, count, to);
    case 3:
        return fillBlocks<3>(from, count, to);
    case 4:
        return fillBlocks<4>(from, count, to);
    default:
        for (int i = 0; i < count; ++i)
            to = std::fill_n(to, factor, from[i]);
        return to;
    }
}

// The picture row `from` enlarged to the device pixels left to right of one block row: a part
// block at each end where the area cuts one, whole blocks between.
void expandRow(const QRgb *from, QRgb *to, int originX, int factor, int left, int right)
{
    const int first = (left - originX) / factor;
    const int last = (right - 1 - originX) / factor;
    const int headEnd = std::min(right, originX + (first + 1) * factor);
    to = std::fill_n(to, headEnd - left, from[first]);
    if (last == first)
        return;
    to = fillBlocks(from + first + 1, last - first - 1, to, factor);
    std::fill_n(to, right - (originX + last * factor), from[last]);
}

void writeBlocks(uchar *bits, qsizetype stride, const QImage &picture, QPoint origin, int factor,
                 const QRegion &area)
{
    std::vector<QRgb> row;
    for (const QRect &box : area) {
        const int width = box.width();
        row.resize(size_t(width));
        int lastRow = -1;
        for (int y = box.top(); y <= box.bottom(); ++y) {
            const int source = (y - origin.y()) / factor;
            if (source != lastRow)
                expandRow(reinterpret_cast<const QRgb *>(picture.constScanLine(source)), row.data(),
                          origin.x(), factor, box.left(), box.right() + 1);
            lastRow = source;
            std::memcpy(reinterpret_cast<QRgb *>(bits + y * stride) + box.left(), row.data(),
                        size_t(width) * sizeof(QRgb));
        }
    }
}

} // namespace

void drawPixelBlocks(QPainter &painter, const QImage &picture, int zoom, QPoint at,
                     const QRegion &hidden)
{
    QPaintEngine *engine = painter.paintEngine();
    QPaintDevice *device = engine ? engine->paintDevice() : nullptr;
    QPoint origin;
    const int scale = wholeScale(painter.deviceTransform(), origin);
    origin += at * scale;
    if (scale > 0 && zoom * scale > 1 && device && device->devType() == QInternal::Image &&
        !painter.hasClipping() && opaque32(picture.format())) {
        auto &target = *static_cast<QImage *>(device);
        // A shared image would part from the buffer the painter draws into at the first write.
        if (opaque32(target.format()) && target.isDetached()) {
            const int factor = zoom * scale;
            QRegion area(QRect(origin, picture.size() * factor));
            area &= target.rect();
            if (!engine->systemClip().isEmpty())
                area &= engine->systemClip();
            area -= painter.deviceTransform().map(hidden);
            writeBlocks(target.bits(), target.bytesPerLine(), picture, origin, factor, area);
            return;
        }
    }
    painter.save();
    if (!hidden.isEmpty())
        painter.setClipRegion(QRegion(QRect(at, picture.size() * zoom)) - hidden);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRect(at, picture.size() * zoom), picture);
    painter.restore();
}

} // namespace wave
