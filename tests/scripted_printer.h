// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/printer.h"
#include "recording_canvas.h"

#include <vector>

namespace wave {

// Records the pages the program prints on a page of the chosen size, or fails with the
// chosen message.
class ScriptedPrinter : public Printer {
public:
    PageSize page{4800, 6600};
    QString failure;
    std::vector<RecordingCanvas> pages;
    int setups = 0;

    void setup(QWidget *) override { ++setups; }
    QString printPage(const DrawPage &draw) override
    {
        if (!failure.isEmpty())
            return failure;
        pages.emplace_back();
        draw(pages.back(), page);
        return {};
    }
};

} // namespace wave
