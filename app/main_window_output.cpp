// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"

#include "interference/field_renderer.h"
#include "interference/interference_panel.h"
#include "interference/node_path.h"
#include "output/page.h"
#include "output/user_name_dialog.h"
#include "view/wave_view.h"

#include <QAction>
#include <QPushButton>

namespace wave {

void TInterference::connectOutput()
{
    for (QAction *print : {print2, Print3})
        connect(print, &QAction::triggered, this, &TInterference::Print3Click);
    for (QAction *copy : {Copy2, Copy3})
        connect(copy, &QAction::triggered, this, &TInterference::Copy1Click);
    connect(PrintSerup1, &QAction::triggered, this, &TInterference::PrintSerup1Click);
    connect(UserName1, &QAction::triggered, this, &TInterference::UserName1Click);
    Varying->prntbt->setEnabled(true);
    connect(Varying->prntbt, &QPushButton::clicked, this, &TInterference::prntbtClick);
}

void TInterference::printPage(const Printer::DrawPage &draw)
{
    const QString failure = services_.printer.printPage(draw);
    if (!failure.isEmpty())
        services_.dialogs.message(this, MessageKind::Error, tr("Print"), failure);
}

void TInterference::Print3Click()
{
    const QImage picture = Panel1->water->image();
    const QString name = Whoami->userName();
    printPage([&](Canvas &canvas, PageSize page) { drawImagePage(canvas, page, picture, name); });
}

void TInterference::prntbtClick()
{
    const FieldParams field = Varying->fieldParams();
    FullPageParams params{field.n, field.S, field.P, field.T, {}, state.colours};
    if (nodepath1->isEnabled() && nodepath1->isChecked())
        params.nodePath = [path = Varying->nodePathParams()](
                              Canvas &canvas, std::array<QPoint, 2> sources, double scale) {
            drawNodePathOnPage(canvas, path, sources, scale);
        };
    printPage([&](Canvas &canvas, PageSize page) { drawFullPage(canvas, page, params); });
}

void TInterference::PrintSerup1Click()
{
    services_.printer.setup(this);
}

void TInterference::Copy1Click()
{
    services_.clipboard.setImage(Panel1->water->image());
}

void TInterference::UserName1Click()
{
    runModal([this] { Whoami->exec(); });
}

} // namespace wave
