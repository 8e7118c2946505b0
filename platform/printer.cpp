// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/printer.h"

#include "platform/painter_canvas.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include <cups/cups.h>

namespace wave {

namespace {

QString printerTitle(const QPrinter &printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return QCoreApplication::translate("Printer", "the file \"%1\"")
            .arg(printer.outputFileName());
    return QCoreApplication::translate("Printer", "the printer \"%1\"").arg(printer.printerName());
}

// Why the print service will not take a job for the queue, or an empty string when it will.
// A queue may be told to reject jobs while it stays in the list of printers.
QString refusal(const QString &queue)
{
    const QByteArray name = queue.section(QLatin1Char('/'), 0, 0).toLocal8Bit();
    const QByteArray instance = queue.section(QLatin1Char('/'), 1).toLocal8Bit();
    cups_dest_t *dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(),
                                         instance.isEmpty() ? nullptr : instance.constData());
    if (!dest)
        return QString::fromLocal8Bit(cupsLastErrorString());
    const char *accepting =
        cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    const char *reason = cupsGetOption("printer-state-message", dest->num_options, dest->options);
    QString refused;
    if (accepting && qstrcmp(accepting, "false") == 0)
        refused = reason && *reason
                      ? QString::fromLocal8Bit(reason)
                      : QCoreApplication::translate("Printer", "it is not accepting jobs");
    cupsFreeDests(1, dest);
    return refused;
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
    // Without a print service, or with no queue in it, Qt falls back to PDF output with no
    // file name: that is no printer either.
    const bool none = printer.outputFormat() == QPrinter::NativeFormat
                          ? printer.printerName().isEmpty()
                          : printer.outputFileName().isEmpty();
    if (none)
        return QCoreApplication::translate(
            "Printer", "No printer is available.\nInstall a printer, or choose one "
                       "with \"Print Setup\" in the \"Edit\" menu, and print again.");
    const bool queue = printer.outputFormat() == QPrinter::NativeFormat;
    if (queue) {
        const QString refused = refusal(printer.printerName());
        if (!refused.isEmpty())
            return QCoreApplication::translate(
                       "Printer", "The print service does not take jobs for %1: %2.\nLet the "
                                  "printer accept jobs again, or choose another with \"Print "
                                  "Setup\", and print again.")
                .arg(printerTitle(printer), refused);
    }
    QPainter painter;
    if (!painter.begin(&printer))
        return QCoreApplication::translate(
                   "Printer", "The print job could not start on %1.\nCheck that the printer "
                              "is switched on and ready, or choose another with \"Print "
                              "Setup\", and print again.")
            .arg(printerTitle(printer));
    const QRect area = printer.pageLayout().paintRectPixels(printer.resolution());
    {
        PainterCanvas canvas(painter, area.width(), area.height());
        draw(canvas, PageSize{area.width(), area.height()});
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        return QCoreApplication::translate(
                   "Printer", "The page could not be printed on %1.\nCheck the printer, or "
                              "choose another with \"Print Setup\", and print again.")
            .arg(printerTitle(printer));
    // Qt hands the page to the print service as it ends the painting and keeps no answer; the
    // service's answer to that last request is still this thread's last error.
    if (queue && cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE)
        return QCoreApplication::translate(
                   "Printer", "The print service refused the page for %1: %2.\nCheck the "
                              "printer, or choose another with \"Print Setup\", and print "
                              "again.")
            .arg(printerTitle(printer), QString::fromLocal8Bit(cupsLastErrorString()));
    return {};
}

} // namespace wave
