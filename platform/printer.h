// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>
#include <memory>

class QPrinter;
class QWidget;

namespace wave {

class Canvas;

// The printable area of a page in device units.
struct PageSize {
    int width = 0;
    int height = 0;
};

// The current printer, behind an interface so that tests can see the pages without paper.
class Printer {
public:
    using DrawPage = std::function<void(Canvas &canvas, PageSize page)>;

    virtual ~Printer() = default;
    // The standard print dialog; what is chosen there is used from then on.
    virtual void setup(QWidget *parent) = 0;
    // Prints one page drawn by `draw` at once. Returns an empty string when the job went
    // out, else a message for the user that names the printer and what to do.
    virtual QString printPage(const DrawPage &draw) = 0;
};

// The machine's print service through Qt, at the printer's own resolution.
class QtPrinter : public Printer {
public:
    QtPrinter();
    ~QtPrinter() override;

    void setup(QWidget *parent) override;
    QString printPage(const DrawPage &draw) override;
    QPrinter &device() { return *printer_; }

private:
    std::unique_ptr<QPrinter> printer_;
};

} // namespace wave
