// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/picture_file.h"

#include "platform/painter_canvas.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace wave {

namespace {

// Draws the scene with its strokes on the pixels' middles; false when the painter failed.
bool paintScene(QPaintDevice &device, QSize size, const DrawPicture &draw)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    PainterCanvas canvas(painter, size.width(), size.height());
    canvas.centreStrokesOnPixels();
    painter.setClipRect(QRectF(-0.5, -0.5, size.width(), size.height()));
    draw(canvas);
    return painter.end();
}

} // namespace

std::optional<PictureFormat> pictureFormat(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix.isEmpty() || suffix == QLatin1String("png"))
        return PictureFormat::Png;
    if (suffix == QLatin1String("svg"))
        return PictureFormat::Svg;
    if (suffix == QLatin1String("pdf"))
        return PictureFormat::Pdf;
    return std::nullopt;
}

bool writePicture(QIODevice &device, PictureFormat format, const QImage &picture,
                  const DrawPicture &draw, const QString &title)
{
    switch (format) {
    case PictureFormat::Png:
        return picture.save(&device, "PNG");
    case PictureFormat::Svg: {
        QSvgGenerator svg;
        svg.setOutputDevice(&device);
        svg.setSize(picture.size());
        svg.setViewBox(QRect(QPoint(0, 0), picture.size()));
        svg.setResolution(96); // a unit is one CSS pixel in a browser
        svg.setTitle(title);
        return paintScene(svg, picture.size(), draw);
    }
    case PictureFormat::Pdf: {
        QPdfWriter pdf(&device);
        pdf.setTitle(title);
        pdf.setCreator(title);
        pdf.setResolution(72); // a unit is one point
        pdf.setPageSize(
            QPageSize(QSizeF(picture.size()), QPageSize::Point, QString(), QPageSize::ExactMatch));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        return paintScene(pdf, picture.size(), draw);
    }
    }
    return false;
}

WriteOutcome savePicture(const QString &path, PictureFormat format, const QImage &picture,
                         const DrawPicture &draw, const QString &title)
{
    return writeWholeFile(path, [&](QIODevice &device) {
        return writePicture(device, format, picture, draw, title);
    });
}

QString exportFailureText(const QString &path, const WriteOutcome &outcome)
{
    const QString file = QDir::toNativeSeparators(path);
    const QString what =
        outcome.stage == WriteStage::Open
            ? QCoreApplication::translate("PictureFile", "The file %1 could not be created")
                  .arg(file)
            : QCoreApplication::translate("PictureFile", "The file %1 could not be written")
                  .arg(file);
    return what + QStringLiteral(":\n") + outcome.systemError +
           QCoreApplication::translate(
               "PictureFile", "\nNothing was saved; a file of that name is left as it was.");
}

} // namespace wave
