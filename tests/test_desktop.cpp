// SPDX-License-Identifier: GPL-3.0-or-later
// The program without a mouse: keyboard-only runs of the main cases, the measuring point
// moved and placed by keys, Escape on every secondary window, and what screen readers get.
#include "huygens/huygens_pages.h"
#include "interference/field_renderer.h"
#include "measure/practice_window.h"
#include "output/user_name_dialog.h"
#include "slit/light_window.h"
#include "slit/slit_panel.h"
#include "started_window.h"
#include "view/wave_view.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace wave;

namespace {

using Keys = QList<QPair<int, Qt::KeyboardModifiers>>;

void type(QWidget *widget, const Keys &keys)
{
    for (const auto &[key, modifiers] : keys)
        QTest::keyClick(widget, static_cast<Qt::Key>(key), modifiers);
}

// Keys to the focused widget, as the user's keyboard sends them.
void keys(const Keys &sequence)
{
    for (const auto &[key, modifiers] : sequence)
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
}

// Opens a menu of the main menu with Alt and its letter, and picks the item by its letter.
void menuItem(Qt::Key menu, Qt::Key item)
{
    keys({{menu, Qt::AltModifier}});
    if (QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }, 1000))
        QTest::keyClick(QApplication::activePopupWidget(), item);
}

// Presses Escape in the modal window that `open` shows; true when the window came up modal
// and Escape closed it.
bool escapeCloses(const std::function<void()> &open)
{
    bool wasModal = false;
    bool stillOpen = true;
    // A mnemonic clicks its button a moment later, so the window may come up after `open`.
    QTimer watch;
    watch.setInterval(10);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        watch.stop();
        wasModal = true;
        if (!QTest::qWaitForWindowActive(modal))
            return;
        // the key goes where the window system sends it: the window's focus, or the window
        QTest::keyClick(modal->focusWidget() ? modal->focusWidget() : modal, Qt::Key_Escape);
        stillOpen = modal->isVisible();
        if (stillOpen)
            modal->close();
    });
    watch.start();
    open();
    if (!QTest::qWaitFor([&] { return wasModal; }, 2000))
        return false;
    return !stillOpen;
}

// The mouse moving over the widget with no button down.
void hover(QWidget *widget, QPoint at)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(at), widget->mapToGlobal(QPointF(at)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

// Every control a user can operate under `root`, shown or not.
QList<QWidget *> operableControls(QWidget *root)
{
    QList<QWidget *> controls;
    for (QWidget *widget : root->findChildren<QWidget *>()) {
        if (widget->objectName().startsWith(QLatin1String("qt_")) ||
            widget->objectName().startsWith(QLatin1String("Scroll")))
            continue;
        if ((widget->focusPolicy() & Qt::TabFocus) || qobject_cast<QAbstractButton *>(widget))
            controls << widget;
    }
    return controls;
}

QString accessibleName(QWidget *widget)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name).trimmed() : QString();
}

QString accessibleDescription(QWidget *widget)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Description) : QString();
}

} // namespace

class DesktopTest : public QObject {
    Q_OBJECT
private slots:
    void keysMeasureLikeTheMouse_data();
    void keysMeasureLikeTheMouse();
    void keysMeasureOnTheOtherPictures();
    void tabFollowsTheLayout_data();
    void tabFollowsTheLayout();
    void keyboardOnlyInterference();
    void escapeClosesEverySecondaryWindow();
    void everyControlHasAName_data();
    void everyControlHasAName();
    void scrollBarsReportTheirValues();
    void picturesDescribeTheirSettings();
    void fieldDescriptions_data();
    void fieldDescriptions();
};

void DesktopTest::keysMeasureLikeTheMouse_data()
{
    QTest::addColumn<Keys>("keys");
    QTest::addColumn<QPoint>("point");
    // the keyboard's point starts at the middle of the view, (354, 174)
    QTest::newRow("one pixel each way")
        << Keys{{Qt::Key_Right, {}}, {Qt::Key_Right, {}}, {Qt::Key_Up, {}}} << QPoint(356, 173);
    QTest::newRow("ten with Shift") << Keys{{Qt::Key_Left, Qt::ShiftModifier},
                                            {Qt::Key_Down, Qt::ShiftModifier},
                                            {Qt::Key_Down, {}}}
                                    << QPoint(344, 185);
    Keys farLeft;
    for (int i = 0; i < 40; ++i)
        farLeft << qMakePair(int(Qt::Key_Left), Qt::KeyboardModifiers(Qt::ShiftModifier));
    QTest::newRow("stops at the left edge") << farLeft << QPoint(0, 174);
    Keys farDown;
    for (int i = 0; i < 20; ++i)
        farDown << qMakePair(int(Qt::Key_Down), Qt::KeyboardModifiers(Qt::ShiftModifier));
    QTest::newRow("stops at the bottom edge") << farDown << QPoint(354, 348);
}

void DesktopTest::keysMeasureLikeTheMouse()
{
    QFETCH(Keys, keys);
    QFETCH(QPoint, point);
    for (const char *name : {"Rundique", "Pelvane", "Sorvelle"}) {
        // the same measuring mode in both windows: one driven by keys, one by the mouse
        Started byKeys{QString::fromLatin1(name)};
        Started byMouse{QString::fromLatin1(name)};
        for (Started *started : {&byKeys, &byMouse}) {
            if (started->window.product() == Product::Interference)
                started->panel().measurecb->setChecked(true);
            else if (started->window.product() == Product::SingleSlit)
                started->window.sslit->acb->setChecked(true);
            else
                started->window.huygens->meacb->setChecked(true);
        }
        ImageView *water = byKeys.window.Panel1->water;
        byKeys.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&byKeys.window));
        water->setFocus(Qt::TabFocusReason);
        QVERIFY(water->hasFocus());
        type(water, keys);
        QCOMPARE(water->keyboardPoint(), point);
        QTest::keyClick(water, Qt::Key_Return);
        type(water, {{Qt::Key_Right, Qt::ShiftModifier}, {Qt::Key_Down, Qt::ShiftModifier}});
        QTest::keyClick(water, Qt::Key_Space);

        ImageView *other = byMouse.window.Panel1->water;
        hover(other, point);
        QTest::mouseClick(other, Qt::LeftButton, {}, point);
        const QPoint second = QPoint(qMin(point.x() + 10, 708), qMin(point.y() + 10, 348));
        hover(other, second);
        QTest::mouseClick(other, Qt::LeftButton, {}, second);

        QCOMPARE(byKeys.window.state.clickPhase, byMouse.window.state.clickPhase);
        QCOMPARE(byKeys.window.state.anchorPoint, byMouse.window.state.anchorPoint);
        QCOMPARE(byKeys.window.state.movingPoint, byMouse.window.state.movingPoint);
        QCOMPARE(byKeys.window.Panel1->dissh->pos(), byMouse.window.Panel1->dissh->pos());
        QVERIFY2(water->image() == other->image(), name);
    }
}

void DesktopTest::keysMeasureOnTheOtherPictures()
{
    // the ruler practice and the light pattern's measuring, by keys and by the mouse
    Started byKeys(QStringLiteral("Rundique"));
    Started byMouse(QStringLiteral("Rundique"));
    for (Started *started : {&byKeys, &byMouse}) {
        started->window.Profrm->practicenb->setPage(1);
        started->window.Profrm->show();
        started->window.pattfrm->show();
        started->window.pattfrm->findChild<QCheckBox *>(QStringLiteral("measurecb"))
            ->setChecked(true);
    }
    for (const char *name : {"proim", "outim"}) {
        QWidget *window = QLatin1String(name) == QLatin1String("proim")
                              ? static_cast<QWidget *>(byKeys.window.Profrm)
                              : byKeys.window.pattfrm;
        auto *keyed = window->findChild<ImageView *>(QLatin1String(name));
        QApplication::setActiveWindow(window);
        keyed->setFocus(Qt::TabFocusReason);
        QVERIFY(keyed->hasFocus());
        const QPoint start = keyed->keyboardPoint();
        type(keyed, {{Qt::Key_Left, Qt::ShiftModifier},
                     {Qt::Key_Space, {}},
                     {Qt::Key_Right, Qt::ShiftModifier},
                     {Qt::Key_Right, Qt::ShiftModifier},
                     {Qt::Key_Right, Qt::ShiftModifier},
                     {Qt::Key_Down, {}},
                     {Qt::Key_Return, {}}});
        QCOMPARE(keyed->keyboardPoint(), start + QPoint(20, 1));

        QWidget *otherWindow = QLatin1String(name) == QLatin1String("proim")
                                   ? static_cast<QWidget *>(byMouse.window.Profrm)
                                   : byMouse.window.pattfrm;
        auto *clicked = otherWindow->findChild<ImageView *>(QLatin1String(name));
        for (const QPoint at : {start - QPoint(10, 0), start + QPoint(20, 1)}) {
            hover(clicked, at);
            QTest::mouseClick(clicked, Qt::LeftButton, {}, at);
        }
        QVERIFY2(keyed->image() == clicked->image(), name);
    }
    QCOMPARE(byKeys.window.Profrm->anallb->text(), byMouse.window.Profrm->anallb->text());
    const auto *keyedLength = byKeys.window.pattfrm->findChild<QLabel *>(QStringLiteral("mealb"));
    QCOMPARE(keyedLength->text(),
             byMouse.window.pattfrm->findChild<QLabel *>(QStringLiteral("mealb"))->text());
    QVERIFY(keyedLength->text() != QStringLiteral("Length: 0.00 mm"));
}

void DesktopTest::tabFollowsTheLayout_data()
{
    QTest::addColumn<QString>("product");
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("order");
    // from the wave view through the notebook's tabs (no name) and the page, column by column;
    // of a group of radio buttons Tab reaches the checked one, the arrow keys the others
    QTest::newRow("band properties, then the buttons on their right")
        << QStringLiteral("Rundique") << 2
        << QStringList{"water",   "",         "Showscreen", "addinter", "Hdetailcb",
                       "BandW",   "timerate", "formularb",  "sbt",      "colourbx",
                       "Lightbt", "BitBtn1",  "water"};
    QTest::newRow("every bar of the wavelet page")
        << QStringLiteral("Pelvane") << 0
        << QStringList{"water",    "",          "numsourcessb", "pointsepsb", "timerwavesb",
                       "wlwvfrsb", "numwvwfsb", "wavefrontsb",  "simrb",      "stabt",
                       "rbt",      "dcb",       "BitBtn1",      "water"};
    QTest::newRow("single slit") << QStringLiteral("Sorvelle") << -1
                                 << QStringList{"water", "pwavesb", "openingsb", "Starbt",
                                                "acb",   "lihtbt",  "BitBtn1",   "water"};
}

void DesktopTest::tabFollowsTheLayout()
{
    QFETCH(QString, product);
    QFETCH(int, page);
    QFETCH(QStringList, order);
    Started started(product);
    QApplication::setActiveWindow(&started.window);
    if (page >= 0)
        (product == QLatin1String("Pelvane") ? static_cast<Notebook *>(started.window.huynb)
                                             : &started.panel())
            ->setPage(page);
    started.window.Panel1->water->setFocus(Qt::TabFocusReason);
    QStringList reached{QApplication::focusWidget()->objectName()};
    for (int i = 1; i < order.size(); ++i) {
        keys({{Qt::Key_Tab, {}}});
        reached << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(reached, order);
}

void DesktopTest::keyboardOnlyInterference()
{
    Started started(QStringLiteral("Rundique"));
    InterferencePanel &panel = started.panel();
    started.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&started.window));
    ImageView *water = started.window.Panel1->water;
    water->setFocus(Qt::TabFocusReason);

    // Tab from the wave view goes to the notebook's tabs, then to the first wavelength bar
    keys({{Qt::Key_Tab, {}}, {Qt::Key_Tab, {}}});
    QCOMPARE(QApplication::focusWidget(), panel.C1space);
    keys({{Qt::Key_Right, {}}, {Qt::Key_Right, {}}});
    QCOMPARE(panel.C1space->value(), 17);
    QCOMPARE(panel.fpoint->text(), QStringLiteral("1st Point: 34"));

    // the animation page by its mnemonic, then Tab on to the button
    keys({{Qt::Key_A, Qt::AltModifier}});
    QCOMPARE(panel.pageIndex(), 2);
    for (int i = 0; i < 30 && QApplication::focusWidget() != panel.sbt; ++i)
        keys({{Qt::Key_Tab, {}}});
    QCOMPARE(QApplication::focusWidget(), panel.sbt);
    QCOMPARE(panel.pageIndex(), 2);
    keys({{Qt::Key_Space, {}}});
    QVERIFY(panel.timeron->isChecked());
    QCOMPARE(panel.sbt->text(), QStringLiteral("S&top Waves"));
    keys({{Qt::Key_Space, {}}});
    QVERIFY(!panel.timeron->isChecked());

    // the measurements page, its first box checked with Space, the point placed by keys
    keys({{Qt::Key_M, Qt::AltModifier}});
    QCOMPARE(panel.pageIndex(), 3);
    QWidget *box = nullptr;
    for (int i = 0; i < 30 && box != panel.measurecb; ++i) {
        keys({{Qt::Key_Tab, {}}});
        box = QApplication::focusWidget();
    }
    QCOMPARE(box, panel.measurecb);
    keys({{Qt::Key_Space, {}}});
    QVERIFY(panel.measurecb->isChecked());
    while (QApplication::focusWidget() != water)
        keys({{Qt::Key_Backtab, {}}});
    keys({{Qt::Key_Left, Qt::ShiftModifier}, {Qt::Key_Return, {}}});
    QCOMPARE(started.window.Panel1->dissh->pos(), QPoint(344 + 12, 174 + 12));
    QVERIFY(panel.d1lb->text().startsWith(QStringLiteral("From Left Point: ")));
}

void DesktopTest::escapeClosesEverySecondaryWindow()
{
    Started started(QStringLiteral("Rundique"));
    InterferencePanel &panel = started.panel();
    started.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&started.window));
    panel.setPage(2);
    panel.Lightbt->setFocus();
    QVERIFY(escapeCloses([] { keys({{Qt::Key_L, Qt::AltModifier}}); }));
    QVERIFY(!started.window.pattfrm->isVisible());
    // the window system gives the activation back to the main window; offscreen, the test does
    QApplication::setActiveWindow(&started.window);
    // the menus by their mnemonics: "&Help", "&Measurement Practice"; "&Edit", "&User Name"
    QVERIFY(escapeCloses([] { menuItem(Qt::Key_H, Qt::Key_M); }));
    QVERIFY(!started.window.Profrm->isVisible());
    QApplication::setActiveWindow(&started.window);
    QVERIFY(escapeCloses([] { menuItem(Qt::Key_E, Qt::Key_U); }));
    QVERIFY(!started.window.Whoami->isVisible());

    Started slit(QStringLiteral("Sorvelle"));
    slit.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&slit.window));
    slit.window.sslit->lihtbt->setFocus();
    QVERIFY(escapeCloses([] { keys({{Qt::Key_Space, {}}}); }));
    QVERIFY(!slit.window.pattfrm->isVisible());
}

void DesktopTest::everyControlHasAName_data()
{
    QTest::addColumn<QString>("product");
    QTest::newRow("interference") << QStringLiteral("Rundique");
    QTest::newRow("Huygens") << QStringLiteral("Pelvane");
    QTest::newRow("single slit") << QStringLiteral("Sorvelle");
}

void DesktopTest::everyControlHasAName()
{
    QFETCH(QString, product);
    Started started(product);
    QList<QWidget *> windows{&started.window, started.window.pattfrm, started.window.Profrm,
                             started.window.Whoami};
    for (QWidget *window : windows) {
        const QList<QWidget *> controls = operableControls(window);
        QVERIFY(controls.size() > 1);
        for (QWidget *control : controls) {
            if (control->isWindow() && control != window)
                continue;
            QVERIFY2(!accessibleName(control).isEmpty(),
                     qPrintable(control->objectName() + QLatin1String(" has no name")));
        }
    }
}

void DesktopTest::scrollBarsReportTheirValues()
{
    Started started(QStringLiteral("Rundique"));
    InterferencePanel &panel = started.panel();
    panel.C1space->setValue(21);
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(panel.C1space);
    QCOMPARE(face->text(QAccessible::Name), QStringLiteral("Wavelength of source 1"));
    QVERIFY(face->valueInterface());
    QCOMPARE(face->valueInterface()->currentValue().toInt(), 42);
    QCOMPARE(face->valueInterface()->maximumValue().toInt(), 2 * panel.C1space->maximum());
}

void DesktopTest::picturesDescribeTheirSettings()
{
    Started interference(QStringLiteral("Rundique"));
    ImageView *water = interference.window.Panel1->water;
    QCOMPARE(accessibleName(water), QStringLiteral("Wave view"));
    QCOMPARE(accessibleDescription(water),
             QStringLiteral("Two sources 60 pixels apart, wavelength 30, crests solid, troughs "
                            "dotted in red"));
    interference.panel().C1space->setValue(20);
    QVERIFY(accessibleDescription(water).contains(QStringLiteral("wavelength 40")));
    interference.panel().colourbx->setChecked(false);
    QVERIFY(accessibleDescription(water).endsWith(QStringLiteral("troughs dotted")));

    Started slit(QStringLiteral("Sorvelle"));
    slit.window.sslit->openingsb->setValue(31);
    QCOMPARE(accessibleDescription(slit.window.Panel1->water),
             QStringLiteral("Plane waves of wavelength 10 passing a slit 31 pixels wide and "
                            "spreading beyond it"));

    Started huygens(QStringLiteral("Pelvane"));
    QVERIFY(accessibleDescription(huygens.window.Panel1->water)
                .startsWith(QStringLiteral("1 plane wavefront of wavelength 50 meeting a boundary "
                                           "at 45.0 degrees, refracted")));
    huygens.window.huynb->setPage(0);
    huygens.window.huygens->numsourcessb->setValue(7);
    const QString row = huygens.window.Panel1->water->accessibleDescription();
    QVERIFY(row.startsWith(QStringLiteral("A row of 7 wavelet sources 15 pixels apart")));
    // the animation's ticks draw anew but leave the description alone
    huygens.window.huygens->stabt->click();
    QTest::qWait(350);
    huygens.window.huygens->stabt->click();
    QCOMPARE(huygens.window.Panel1->water->accessibleDescription(), row);

    Tpattfrm *pattern = interference.window.pattfrm;
    ImageView *outim = pattern->findChild<ImageView *>(QStringLiteral("outim"));
    QVERIFY(outim);
    QCOMPARE(accessibleName(outim), QStringLiteral("Light pattern"));
    pattern->findChild<QScrollBar *>(QStringLiteral("widthsb"))->setValue(90);
    QVERIFY(accessibleDescription(outim).contains(QStringLiteral("90 µm")));
    pattern->findChild<QCheckBox *>(QStringLiteral("bwcb"))->setChecked(true);
    QVERIFY(accessibleDescription(outim).endsWith(QStringLiteral("in black and white")));

    TProfrm *practice = interference.window.Profrm;
    ImageView *proim = practice->findChild<ImageView *>(QStringLiteral("proim"));
    QVERIFY(accessibleDescription(proim).startsWith(QStringLiteral("Protractor practice")));
    practice->practicenb->setPage(1);
    QVERIFY(accessibleDescription(proim).startsWith(QStringLiteral("Ruler practice")));
    practice->practicenb->setPage(2);
    QVERIFY(accessibleDescription(proim).startsWith(QStringLiteral("Ray movement")));
}

void DesktopTest::fieldDescriptions_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QList<int>>("P");
    QTest::addColumn<bool>("bisector");
    QTest::addColumn<QString>("text");
    QTest::newRow("one source") << 1 << QList<int>{15, 20, 25} << false
                                << QStringLiteral("One source, wavelength 30, crests solid, "
                                                  "troughs dotted");
    QTest::newRow("two, matched") << 2 << QList<int>{12, 12, 40} << false
                                  << QStringLiteral("Two sources 80 pixels apart, wavelength 24, "
                                                    "crests solid, troughs dotted");
    QTest::newRow("three, two alike")
        << 3 << QList<int>{10, 20, 10} << true
        << QStringLiteral("Three sources 80 pixels apart, wavelengths 20 and 40, crests solid, "
                          "troughs dotted, with the perpendicular bisector");
    QTest::newRow("three, all different")
        << 3 << QList<int>{10, 20, 30} << false
        << QStringLiteral("Three sources 80 pixels apart, wavelengths 20, 40 and 60, crests "
                          "solid, troughs dotted");
}

void DesktopTest::fieldDescriptions()
{
    QFETCH(int, n);
    QFETCH(QList<int>, P);
    QFETCH(bool, bisector);
    QFETCH(QString, text);
    FieldParams params;
    params.n = n;
    params.S = 80;
    params.P = {P[0], P[1], P[2]};
    params.colourWaves = false;
    params.bisector = bisector;
    QCOMPARE(describeField(params), text);
}

QTEST_MAIN(DesktopTest)
#include "test_desktop.moc"
