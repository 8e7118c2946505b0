// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"

#include "huygens/huygens_pages.h"
#include "interference/interference_panel.h"
#include "measure/practice_window.h"
#include "output/user_name_dialog.h"
#include "platform/about.h"
#include "platform/focus_links.h"
#include "slit/light_window.h"
#include "slit/slit_panel.h"
#include "view/wave_view.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>

#include <algorithm>

namespace wave {

TInterference::TInterference(const QString &programName, Services services)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                               Qt::WindowCloseButtonHint),
      programName_(programName), services_(services)
{
    setObjectName(QStringLiteral("Interference"));
    dropStaleFocusLinks();
    setWindowTitle(tr("Interference"));
    QFont systemFont = font();
    systemFont.setPixelSize(13);
    setFont(systemFont);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    state.simulated = &water_;
    buildPanels();
    buildMenus();
    buildSetupMenu();
    FormCreate();
    connectHuygens();
    Whoami = new TWhoami(this);
    Profrm = new TProfrm(services_.dialogs, services_.random, this);
    connect(MeasurementPractice1, &QAction::triggered, this,
            &TInterference::MeasurementPractice1Click);
    pattfrm = new Tpattfrm(services_.dialogs, services_.files, services_.clipboard, this);
    connect(Varying->Lightbt, &QPushButton::clicked, this, &TInterference::LightbtClick);
    connect(sslit->lihtbt, &QPushButton::clicked, this, &TInterference::lihtbtClick);
    connectOutput();
    connectExport();
    buildDisplayMenu();
    buildWaterMenu();
}

void TInterference::FormCreate()
{
    setFixedSize(800, 600);
    selectSilently(Varying->Numpoints, 1);
    selectSilently(Varying->fraction, 7);
    state.clearBand();
    Panel1->screenpos->setGeometry(viewOffset, viewOffset + 20, viewWidth, 2);
    Panel1->Center1->move(Panel1->Center1->x(), Panel1->center2->y());
    Panel1->center3->move(Panel1->center3->x(), Panel1->center2->y());
    Varying->drawinter();
}

void TInterference::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TInterference::FormResize()
{
    const QScreen *screen = this->screen();
    if (screen && !fullScreen_) {
        // A window zoomed beyond the screen keeps its menu bar on it.
        const QRect area = screen->geometry();
        move(std::max((area.width() - width()) / 2, 0),
             std::max((area.height() - height()) / 2, 0));
    }
    const QWidget *client = centralWidget();
    interpl->move((width() - interpl->width()) / 2, (client->height() - interpl->height()) / 2);
}

void TInterference::FormActivate()
{
    product_ = productFromProgramName(programName_);
    const ProductInfo info = productInfo(product_);
    huynb->setVisible(product_ == Product::Huygens);
    Varying->setVisible(product_ == Product::Interference);
    sslit->setVisible(product_ == Product::SingleSlit);
    QApplication::setApplicationName(info.applicationTitle);
    Help1->setProperty("helpContext", info.helpContext);

    state.pointerHeld = false;
    FormResize();
    Panel1->water->setCursor(Qt::ArrowCursor);
    state.clickPhase = 0;
    for (ShapeLayer *marker : Panel1->markers())
        marker->hide();
    Panel1->movescreen->hide();
    Panel1->screenpos->hide();
    Panel1->mim1->raise();
    Panel1->screenpos->raise();
    Panel1->movescreen->raise();
    View1->menuAction()->setVisible(product_ == Product::Interference);
    ExportData1->setVisible(product_ == Product::Interference);

    water_.reset();
    if (product_ == Product::Interference)
        Varying->reset();
    else if (product_ == Product::SingleSlit)
        sslit->reset();
    else if (product_ == Product::Huygens)
        huygens->reset();
    if (!startupSettings_.contains(product_))
        startupSettings_.insert(product_, productSettings());
    // An open lesson is the product's reset values while it is open.
    if (!setupPath_.isEmpty() && setup_.product == product_)
        applyToProduct(setup_.settings);
    showCaption();
}

void TInterference::FormDeactivate()
{
    if (Varying->timeron->isChecked())
        Varying->sbtClick();
    Varying->addinter->setChecked(false);
    Varying->Showscreen->setChecked(false);
    sslit->acb->setChecked(false);
    if (sslit->opentime->isChecked())
        sslit->StarbtClick();
    uncheckRadio(huygens->waveanal);
    for (ShapeLayer *marker : Panel1->markers())
        marker->hide();
    Panel1->dissh->hide();
    Panel1->water->setCursor(Qt::ArrowCursor);
    if (product_ == Product::Huygens)
        huygens->deactivate();
}

void TInterference::runModal(const std::function<void()> &show)
{
    FormDeactivate();
    show();
    FormActivate();
}

void TInterference::LightbtClick()
{
    pattfrm->selectDoubleSlit();
    runModal([this] { pattfrm->exec(); });
}

void TInterference::lihtbtClick()
{
    pattfrm->selectSingleSlit();
    runModal([this] { pattfrm->exec(); });
}

void TInterference::MeasurementPractice1Click()
{
    runModal([this] { Profrm->exec(); });
}

void TInterference::About1Click()
{
    const ProductInfo info = productInfo(product_);
    runModal([&] {
        services_.dialogs.message(this, MessageKind::Information, tr("About %1").arg(info.caption),
                                  aboutText(info.caption));
    });
}

bool TInterference::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ContextMenu && watched == Panel1->water) {
        // The mouse's menu request is answered on the button's release instead.
        const auto *request = static_cast<QContextMenuEvent *>(event);
        if (request->reason() != QContextMenuEvent::Mouse)
            printtry->popup(request->globalPos());
        return true;
    }
    if (event->type() == QEvent::MouseMove) {
        // Only moves over the panel's own background count, not those passed up by a child.
        const auto *panel = static_cast<QWidget *>(watched);
        if (panel->childAt(static_cast<QMouseEvent *>(event)->position().toPoint()))
            return QMainWindow::eventFilter(watched, event);
        if (watched == Varying->GroupBox1)
            state.pointerHeld = false;
        else if (watched == Panel1 || watched == Panel2 || watched == sslit)
            state.clickPhase = 0;
    } else if (event->type() == QEvent::MouseButtonRelease && watched == interpl) {
        state.clickPhase = 0;
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace wave
