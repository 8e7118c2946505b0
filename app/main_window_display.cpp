// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"

#include "huygens/huygens_pages.h"
#include "interference/interference_panel.h"
#include "measure/practice_window.h"
#include "platform/controls.h"
#include "slit/light_window.h"
#include "slit/slit_panel.h"
#include "view/wave_view.h"

#include <QAction>
#include <QActionGroup>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QToolButton>

namespace wave {

namespace {

// The window, the frame of the picture and what lies below it at zoom 1.
constexpr QSize windowSize(800, 600);
constexpr QSize panelSize(801, 553);
constexpr QPoint controlsAt(4, 377);
constexpr QPoint exitAt(727, 487);

QAction *displayItem(QMenu *menu, const char *name, const QString &caption)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    return action;
}

QString largeDisplayCaption(int factor, bool changed)
{
    if (!changed)
        return factor > 1 ? TInterference::tr("&Large Display (%1 x)").arg(factor)
                          : TInterference::tr("&Large Display");
    return factor > 1 ? TInterference::tr("&Large Display (%1 x from the next start)").arg(factor)
                      : TInterference::tr("&Large Display (off from the next start)");
}

} // namespace

void TInterference::buildDisplayMenu()
{
    Display1 = new QMenu(tr("&Display"), this);
    Display1->setObjectName(QStringLiteral("Display1"));
    menuBar()->insertMenu(View1->menuAction(), Display1);

    ZoomIn1 = displayItem(Display1, "ZoomIn1", tr("Zoom &In"));
    ZoomIn1->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    ZoomOut1 = displayItem(Display1, "ZoomOut1", tr("Zoom &Out"));
    ZoomOut1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    ZoomReset1 = displayItem(Display1, "ZoomReset1", tr("&Actual Size"));
    ZoomReset1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    FullScreen1 = displayItem(Display1, "FullScreen1", tr("&Full Screen"));
    FullScreen1->setShortcut(QKeySequence(Qt::Key_F11));
    FullScreen1->setCheckable(true);
    Display1->addSeparator();

    Colours1 = Display1->addMenu(tr("&Colours"));
    Colours1->setObjectName(QStringLiteral("Colours1"));
    ColoursStandard1 = displayItem(Colours1, "ColoursStandard1", tr("&Standard"));
    ColoursSafe1 = displayItem(Colours1, "ColoursSafe1", tr("Colour-&blind Safe"));
    ColoursDark1 = displayItem(Colours1, "ColoursDark1", tr("&Dark Room"));
    auto *colours = new QActionGroup(this);
    const std::array<QAction *, paletteCount> kinds{ColoursStandard1, ColoursSafe1, ColoursDark1};
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        kinds[i]->setCheckable(true);
        colours->addAction(kinds[i]);
        connect(kinds[i], &QAction::triggered, this,
                [this, i] { setColours(static_cast<PaletteKind>(i)); });
    }
    LargeDisplay1 = displayItem(Display1, "LargeDisplay1", QString());
    LargeDisplay1->setCheckable(true);

    connect(ZoomIn1, &QAction::triggered, this, [this] { setZoom(zoom_ + 1); });
    connect(ZoomOut1, &QAction::triggered, this, [this] { setZoom(zoom_ - 1); });
    connect(ZoomReset1, &QAction::triggered, this, [this] { setZoom(1); });
    connect(FullScreen1, &QAction::toggled, this, &TInterference::FullScreen1Click);
    connect(LargeDisplay1, &QAction::toggled, this, &TInterference::LargeDisplay1Click);
    // Esc leaves full screen, and only there: elsewhere it belongs to the pictures (a keyboard
    // drag) and the windows.
    auto *leave = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    leave->setEnabled(false);
    connect(FullScreen1, &QAction::toggled, leave, &QShortcut::setEnabled);
    connect(leave, &QShortcut::activated, this, [this] { FullScreen1->setChecked(false); });

    display_ = loadDisplaySettings();
    kinds[static_cast<std::size_t>(display_.palette)]->setChecked(true);
    setColours(display_.palette);
    setZoom(display_.zoom);
    const QSignalBlocker blocker(LargeDisplay1);
    LargeDisplay1->setChecked(display_.largeDisplay > 1);
    LargeDisplay1->setText(largeDisplayCaption(display_.largeDisplay, false));
    buildLanguageMenu();
}

void TInterference::setZoom(int zoom)
{
    // In full screen the zoom stays within what the screen holds.
    const int most = fullScreen_ && screen() ? fittingZoom(windowSize, QSize(viewWidth, viewHeight),
                                                           screen()->geometry().size())
                                             : largestZoom;
    zoom_ = std::clamp(zoom, 1, most);
    Panel1->setZoom(zoom_);
    const QSize grown(viewWidth * (zoom_ - 1), viewHeight * (zoom_ - 1));
    interpl->resize(panelSize + grown);
    Panel2->move(controlsAt + QPoint(grown.width() / 2, grown.height()));
    BitBtn1->move(exitAt + QPoint(grown.width() / 2, grown.height()));
    Profrm->setZoom(zoom_);
    pattfrm->setZoom(zoom_);
    ZoomIn1->setEnabled(zoom_ < most);
    ZoomOut1->setEnabled(zoom_ > 1);
    if (!fullScreen_) {
        setFixedSize(windowSize + grown);
        display_.zoom = zoom_;
        saveDisplaySettings(display_);
    }
    FormResize();
}

void TInterference::FullScreen1Click(bool on)
{
    fullScreen_ = on;
    if (on) {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        showFullScreen();
        // Without a window manager to do it, the window fills the screen itself.
        if (screen())
            setGeometry(screen()->geometry());
        setZoom(largestZoom);
        return;
    }
    showNormal();
    setZoom(display_.zoom);
}

void TInterference::LargeDisplay1Click(bool on)
{
    int factor = 1;
    if (on && screen()) {
        // In device pixels: the window's frame is drawn at the screen's own scale.
        const double ratio = screen()->devicePixelRatio();
        const QSize decoration = frameGeometry().size() - size();
        factor = largeDisplayFactor(windowSize + decoration,
                                    screen()->availableGeometry().size() * ratio);
        if (factor < 2) {
            const QSignalBlocker blocker(LargeDisplay1);
            LargeDisplay1->setChecked(false);
            LargeDisplay1->setText(tr("&Large Display (no room on this screen: zoom instead)"));
            return;
        }
    }
    display_.largeDisplay = factor;
    saveDisplaySettings(display_);
    LargeDisplay1->setText(largeDisplayCaption(factor, true));
}

void TInterference::setColours(PaletteKind kind)
{
    display_.palette = kind;
    saveDisplaySettings(display_);
    state.colours = wave::palette(kind);
    Panel1->setColours(state.colours);
    Profrm->setColours(state.colours);
    pattfrm->setColours(state.colours);
    redrawProduct();
}

void TInterference::redrawProduct()
{
    if (product_ == Product::Interference)
        Varying->drawinter();
    else if (product_ == Product::SingleSlit)
        sslit->opening();
    else if (huynb->pageIndex() == 0)
        huygens->lrbt();
    else
        huygens->refractbttry();
}

} // namespace wave
