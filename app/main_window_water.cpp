// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"

#include <QAction>
#include <QMenu>

namespace wave {

void TInterference::buildWaterMenu()
{
    Display1->addSeparator();
    SimulateWater1 = Display1->addAction(tr("&Simulated Water"));
    SimulateWater1->setObjectName(QStringLiteral("SimulateWater1"));
    SimulateWater1->setCheckable(true);
    ShowConstruction1 = Display1->addAction(tr("Show Co&nstruction"));
    ShowConstruction1->setObjectName(QStringLiteral("ShowConstruction1"));
    ShowConstruction1->setCheckable(true);
    ShowConstruction1->setChecked(true);
    connect(SimulateWater1, &QAction::toggled, this, [this](bool on) {
        water_.setOn(on);
        redrawProduct();
    });
    connect(ShowConstruction1, &QAction::toggled, this, [this](bool shown) {
        water_.setConstructionShown(shown);
        redrawProduct();
    });
}

} // namespace wave
