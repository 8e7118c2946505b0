// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QScreen>
#include <QString>
#include <QTest>
#include <QWidget>

namespace wave {

inline int countPixels(const QImage &image, QRgb colour)
{
    int found = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            found += image.pixel(x, y) == colour;
    return found;
}

// The first pixel of `shown` that is not the pixel of `picture` it enlarges by `factor`, or none.
inline QString firstBlockMismatch(const QImage &shown, const QImage &picture, int factor)
{
    if (shown.size() != picture.size() * factor)
        return QStringLiteral("shown %1 x %2").arg(shown.width()).arg(shown.height());
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (shown.pixel(x, y) != picture.pixel(x / factor, y / factor))
                return QStringLiteral("screen pixel %1, %2").arg(x).arg(y);
    return {};
}

// The widget as painted afresh into its window's backing store, the way the screen gets it;
// grab() paints into a separate image instead.
// With `paintFirst` false, the window keeps what its own updates painted.
inline QImage onScreen(QWidget *widget, bool paintFirst = true)
{
    widget->window()->show();
    if (!QTest::qWaitForWindowExposed(widget->window()))
        return {};
    if (paintFirst)
        widget->repaint();
    const QImage window = widget->screen()->grabWindow(widget->window()->winId()).toImage();
    const qreal scale = window.devicePixelRatio();
    const QPoint at = widget->mapTo(widget->window(), QPoint(0, 0)) * scale;
    return window.copy(QRect(at, widget->size() * scale)).convertToFormat(QImage::Format_RGB32);
}

} // namespace wave
