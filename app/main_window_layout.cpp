// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"

#include "huygens/huygens_pages.h"
#include "interference/interference_panel.h"
#include "measure/instruments.h"
#include "platform/controls.h"
#include "platform/form.h"
#include "slit/slit_panel.h"
#include "view/wave_view.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QMenuBar>
#include <QStyle>
#include <QToolButton>

namespace wave {

namespace {

QAction *item(QMenu *menu, const char *name, const QString &caption,
              const QKeySequence &shortcut = {})
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    return action;
}

} // namespace

void TInterference::buildPanels()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);

    interpl = panel(client, "interpl", QColor(254, 253, 199), {0, 0, 801, 553});
    QFont panelFont(QStringLiteral("Arial"));
    panelFont.setPixelSize(13);
    panelFont.setBold(true);
    interpl->setFont(panelFont);

    Panel1 = new WaveView(interpl);
    Panel1->move(32, 0);
    Panel2 = panel(interpl, "Panel2", QColor(169, 150, 109), {4, 377, 792, 172});

    huynb = new Notebook(Panel2);
    huynb->setObjectName(QStringLiteral("huynb"));
    huynb->setGeometry(8, 2, 777, 169);
    huynb->addPage(tr("Huygens' Principle"));
    huynb->addPage(tr("&Wavefront Interactions"));
    huynb->hide();
    huygens = new HuygensPages(*huynb, *Panel1, state);

    sslit = new SlitPanel(*Panel1, state, Panel2);
    sslit->probt = [this](Canvas &canvas) {
        probtClick(canvas, {state.anchorPoint, state.movingPoint, true, state.colours});
    };
    sslit->hide();

    Varying = new InterferencePanel(*Panel1, state, Panel2);
    Varying->setGeometry(88, 2, 585, 169);

    BitBtn1 = new QToolButton(interpl);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(727, 487, 57, 57);
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    BitBtn1->setIconSize(QSize(40, 40));
    BitBtn1->setToolTip(tr("Exit"));
    BitBtn1->setAccessibleName(tr("Exit"));
    connect(BitBtn1, &QToolButton::clicked, this, &QWidget::close);

    // Pointer moves over the panels' own background reset the measuring clicks.
    for (QWidget *watched :
         std::initializer_list<QWidget *>{Panel1, Panel2, sslit, Varying->GroupBox1}) {
        watched->setMouseTracking(true);
        watched->installEventFilter(this);
    }
    interpl->installEventFilter(this);
    connectPointer();
}

void TInterference::buildMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    File1 = bar->addMenu(tr("&Edit"));
    File1->setObjectName(QStringLiteral("File1"));
    Copy2 = item(File1, "Copy2", tr("&Copy"), QKeySequence(Qt::CTRL | Qt::Key_C));
    print2 = item(File1, "print2", tr("&Print"), QKeySequence(Qt::CTRL | Qt::Key_P));
    PrintSerup1 = item(File1, "PrintSerup1", tr("Print Setup"));
    EnableCopySelect1 = item(File1, "EnableCopySelect1", tr("Enable Copy Select"));
    EnableCopySelect1->setCheckable(true);
    File1->addSeparator()->setObjectName(QStringLiteral("N1"));
    UserName1 = item(File1, "UserName1", tr("&User Name"));

    View1 = bar->addMenu(tr("&View"));
    View1->setObjectName(QStringLiteral("View1"));
    Experiments1 = View1->addMenu(tr("&Experiments"));
    Experiments1->setObjectName(QStringLiteral("Experiments1"));
    TwopointInterference1 =
        item(Experiments1, "TwopointInterference1", tr("&Two Point Interference"));
    connect(TwopointInterference1, &QAction::triggered, Varying,
            &InterferencePanel::TwopointInterference1Click);
    nodepath1 = Varying->nodepath1;
    View1->addAction(nodepath1);
    connect(nodepath1, &QAction::triggered, Varying, &InterferencePanel::nodepath1Click);

    Help1 = bar->addMenu(tr("&Help"));
    Help1->setObjectName(QStringLiteral("Help1"));
    MeasurementPractice1 = item(Help1, "MeasurementPractice1", tr("&Measurement Practice"));
    About1 = item(Help1, "About1", tr("&About"));
    connect(About1, &QAction::triggered, this, &TInterference::About1Click);

    Return1 = bar->addAction(tr("E&xit"));
    Return1->setObjectName(QStringLiteral("Return1"));
    connect(Return1, &QAction::triggered, this, &QWidget::close);

    // The wave view's own menu shows the keys of the main menu's items, which do the same.
    // It lies on no widget, so its keys never compete with theirs: two live actions with one
    // key would make Qt run neither.
    printtry = new QMenu(this);
    printtry->setObjectName(QStringLiteral("printtry"));
    Print3 = item(printtry, "Print3", tr("&Print"), QKeySequence(Qt::CTRL | Qt::Key_P));
    Copy3 = item(printtry, "Copy3", tr("&Copy"), QKeySequence(Qt::CTRL | Qt::Key_C));
}

} // namespace wave
