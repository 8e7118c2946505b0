// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/printer.h"

#include "platform/painter_canvas.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace wave {

namespace {

QString printerTitle(const QPrinter &printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return QStringLiteral("the file \"%1\"").arg(printer.outputFileName());
    return QStringLiteral("the printer \"%1\"").arg(printer.printerName());
}

} // namespace

QtPrinter::QtPrinter() : printer_(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
}

QtPrinter::~QtPrinter() = default;

void QtPrinter::setup(QWidget *parent)
{
    QPrintDialog dialog(printer_.get(), parent);
    dialog.exec();
}

QString QtPrinter::printPage(const DrawPage &draw)
{
    QPrinter &printer = *printer_;
    if (printer.outputFormat() == QPrinter::NativeFormat && printer.printerName().isEmpty())
        return QStringLiteral("No printer is available.\nInstall a printer, or choose one "
                              "with \"Print Setup\" in the \"Edit\" menu, and print again.");
    QPainter painter;
    if (!painter.begin(&printer))
        return QStringLiteral("The print job could not start on %1.\nCheck that the printer "
                              "is switched on and ready, or choose another with \"Print "
                              "Setup\", and print again.")
            .arg(printerTitle(printer));
    const QRect area = printer.pageLayout().paintRectPixels(printer.resolution());
    {
        PainterCanvas canvas(painter, area.width(), area.height());
        draw(canvas, PageSize{area.width(), area.height()});
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        return QStringLiteral("The page could not be printed on %1.\nCheck the printer, or "
                              "choose another with \"Print Setup\", and print again.")
            .arg(printerTitle(printer));
    return {};
}

} // namespace wave
