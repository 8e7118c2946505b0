// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader hears through Qt's accessibility interfaces, what the keyboard alone
// reaches and drags, and which letter each Alt+letter names in every window.
#include "help/help_window.h"
#include "huygens/huygens_pages.h"
#include "measure/practice_window.h"
#include "slit/light_window.h"
#include "slit/slit_panel.h"
#include "started_window.h"
#include "view/wave_view.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

using namespace wave;

namespace {

QAccessibleInterface *face(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

QWidget *windowOf(Started &started, const QString &which)
{
    if (which == QLatin1String("light"))
        return started.window.pattfrm;
    if (which == QLatin1String("practice"))
        return started.window.Profrm;
    return &started.window;
}

template <class Widget> Widget *named(QWidget *window, const QString &name)
{
    auto *found = window->findChild<Widget *>(name);
    if (!found)
        qFatal("no %s", qPrintable(name));
    return found;
}

// The mnemonics of every control shown in the window now, and of the menu bar's menus.
QMultiMap<QKeySequence, QString> altLetters(QWidget *window)
{
    QMultiMap<QKeySequence, QString> letters;
    const auto add = [&letters](const QString &text) {
        const QKeySequence key = QKeySequence::mnemonic(text);
        if (!key.isEmpty())
            letters.insert(key, text);
    };
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(window) || widget->window() != window)
            continue;
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            add(button->text());
        else if (auto *group = qobject_cast<QGroupBox *>(widget))
            add(group->title());
        else if (auto *label = qobject_cast<QLabel *>(widget); label && label->buddy())
            add(label->text());
        else if (auto *tabs = qobject_cast<QTabBar *>(widget))
            for (int i = 0; i < tabs->count(); ++i)
                add(tabs->tabText(i));
        else if (auto *bar = qobject_cast<QMenuBar *>(widget))
            for (QAction *menu : bar->actions())
                if (menu->isVisible())
                    add(menu->text());
    }
    return letters;
}

// Letters named twice in one window, or twice in one of its menus.
QStringList clashes(QWidget *window)
{
    QStringList found;
    const auto check = [&found](const QMultiMap<QKeySequence, QString> &letters) {
        for (const QKeySequence &key : letters.uniqueKeys())
            if (letters.count(key) > 1)
                found << key.toString() + QLatin1String(": ") +
                             QStringList(letters.values(key)).join(QLatin1String(", "));
    };
    check(altLetters(window));
    for (QMenu *menu : window->findChildren<QMenu *>()) {
        if (!menu->parentWidget() || menu->parentWidget()->window() != window)
            continue;
        QMultiMap<QKeySequence, QString> items;
        for (QAction *action : menu->actions())
            if (!action->isSeparator())
                items.insert(QKeySequence::mnemonic(action->text()), action->text());
        items.remove(QKeySequence());
        check(items);
    }
    return found;
}

void mouseAt(QWidget *widget, QEvent::Type type, QPoint at, Qt::MouseButtons buttons)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(at), widget->mapToGlobal(QPointF(at)), button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// The keyboard point of the picture moved by arrow keys from where it is to `to`.
void pointTo(ImageView *picture, QPoint to)
{
    for (int i = 0; i < 1000 && picture->keyboardPoint() != to; ++i) {
        const QPoint d = to - picture->keyboardPoint();
        const Qt::Key key = d.x() > 0   ? Qt::Key_Right
                            : d.x() < 0 ? Qt::Key_Left
                            : d.y() > 0 ? Qt::Key_Down
                                        : Qt::Key_Up;
        const int left = d.x() != 0 ? std::abs(d.x()) : std::abs(d.y());
        QTest::keyClick(picture, key, left >= 10 ? Qt::ShiftModifier : Qt::NoModifier);
    }
}

} // namespace

class AccessTest : public QObject {
    Q_OBJECT
private slots:
    void barsReadAsTheirLabels_data();
    void barsReadAsTheirLabels();
    void readersHearNamesAndDegrees();
    void picturesAreImages();
    void flagsAndHelpStayQuiet();
    void focusedBarsAreFramed();
    void everyAltLetterDoesOneThing_data();
    void everyAltLetterDoesOneThing();
    void tabReachesTheCheckedRadio();
    void keysDragTheRayHandles();
    void keysDragTheCopyRectangle();
};

void AccessTest::barsReadAsTheirLabels_data()
{
    QTest::addColumn<QString>("product");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("bar");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("label"); // empty: the bar's label shows no number
    QTest::addColumn<QString>("unit");
    QTest::newRow("wavelength 2") << "Rundique"
                                  << "main"
                                  << "c2space" << 21 << "spoint"
                                  << "pixels";
    QTest::newRow("amplitude") << "Rundique"
                               << "main"
                               << "sampsb" << 4 << "samp"
                               << "";
    QTest::newRow("phase shift") << "Rundique"
                                 << "main"
                                 << "perc" << 7 << "per"
                                 << "degrees";
    QTest::newRow("separation") << "Rundique"
                                << "main"
                                << "Smooth" << 222 << "Label1"
                                << "pixels";
    QTest::newRow("time factor") << "Rundique"
                                 << "main"
                                 << "timerate" << 10 << ""
                                 << "";
    QTest::newRow("period") << "Pelvane"
                            << "main"
                            << "wlwvfrsb" << 73 << "periodlb"
                            << "seconds";
    QTest::newRow("angle") << "Pelvane"
                           << "main"
                           << "anglesb" << 317 << "anglelb"
                           << "degrees";
    QTest::newRow("fronts") << "Pelvane"
                            << "main"
                            << "wavefsb" << 6 << "wavefrontlb"
                            << "fronts";
    QTest::newRow("wavelet sources") << "Pelvane"
                                     << "main"
                                     << "numsourcessb" << 33 << "numsourceslb"
                                     << "sources";
    QTest::newRow("time set") << "Pelvane"
                              << "main"
                              << "timersb" << 123 << ""
                              << "";
    QTest::newRow("boundary points") << "Pelvane"
                                     << "main"
                                     << "pointsep" << 17 << ""
                                     << "";
    QTest::newRow("slit") << "Sorvelle"
                          << "main"
                          << "openingsb" << 37 << "openlb"
                          << "pixels";
    QTest::newRow("slit time factor") << "Sorvelle"
                                      << "main"
                                      << "timeropen" << 8 << ""
                                      << "";
    QTest::newRow("light wavelength") << "Sorvelle"
                                      << "light"
                                      << "wavesb" << 1000 << "wavelb"
                                      << "nanometres";
    QTest::newRow("screen") << "Rundique"
                            << "light"
                            << "scrsb" << 333 << "scrlb"
                            << "centimetres";
    QTest::newRow("slit width") << "Rundique"
                                << "light"
                                << "widthsb" << 123 << "widthlb"
                                << "micrometres";
}

void AccessTest::barsReadAsTheirLabels()
{
    QFETCH(QString, product);
    QFETCH(QString, window);
    QFETCH(QString, bar);
    QFETCH(int, position);
    QFETCH(QString, label);
    QFETCH(QString, unit);
    Started started(product);
    if (product == QLatin1String("Pelvane"))
        started.window.huynb->setPage(
            bar == QLatin1String("anglesb") || bar == QLatin1String("wavefsb") ||
                    bar == QLatin1String("timersb") || bar == QLatin1String("pointsep")
                ? 1
                : 0);
    QWidget *shown = windowOf(started, window);
    auto *scroll = named<QScrollBar>(shown, bar);
    scroll->setValue(position);
    QAccessibleValueInterface *value = face(scroll)->valueInterface();
    QVERIFY(value);
    const QString spoken = face(scroll)->text(QAccessible::Value);
    if (label.isEmpty()) {
        // in words, never the bare position
        QVERIFY2(spoken.contains(QLatin1Char(' ')) && spoken != QString::number(position),
                 qPrintable(spoken));
        QCOMPARE(value->currentValue().toInt(), position);
        return;
    }
    const QString text = named<QLabel>(shown, label)->text();
    // the label's number: "2nd Point: 42", "Lambda: 398 nm", "Period: 7.3 s"
    QString number;
    for (const QString &word : text.split(QLatin1Char(' ')))
        if (bool ok = false; word.toDouble(&ok), ok)
            number = word;
    QCOMPARE(value->currentValue().toDouble(), number.toDouble());
    QCOMPARE(spoken, unit.isEmpty() ? number : number + QLatin1Char(' ') + unit);
    QVERIFY(value->minimumValue().toDouble() <= value->currentValue().toDouble());
    QVERIFY(value->maximumValue().toDouble() >= value->currentValue().toDouble());

    // a reader setting the quantity moves the bar to the position that shows it
    scroll->setValue(scroll->minimum());
    value->setCurrentValue(number.toDouble());
    QCOMPARE(scroll->value(), position);
}

void AccessTest::readersHearNamesAndDegrees()
{
    Started started(QStringLiteral("Rundique"));
    InterferencePanel &panel = started.panel();
    panel.setPage(1);
    // two lists holding "2" are told apart by their names, and name their labels
    for (auto [list, name, label] : {std::tuple<QWidget *, const char *, QWidget *>{
                                         panel.Numpoints, "Number of sources", panel.Label6},
                                     {panel.fraction, "Factor of wavelength", panel.Label3}}) {
        QCOMPARE(face(list)->text(QAccessible::Name), QString::fromLatin1(name));
        QCOMPARE(face(list)->text(QAccessible::Value), QStringLiteral("2"));
        const auto relations = face(list)->relations(QAccessible::Label);
        QVERIFY(!relations.isEmpty());
        QCOMPARE(relations.first().first->object(), label);
    }

    // the light window's slit bar is named as its label reads
    auto *width = named<QScrollBar>(started.window.pattfrm, QStringLiteral("widthsb"));
    QCOMPARE(face(width)->text(QAccessible::Name), QStringLiteral("Slit width"));
    named<QRadioButton>(started.window.pattfrm, QStringLiteral("doubleslitrb"))->setChecked(true);
    QCOMPARE(face(width)->text(QAccessible::Name), QStringLiteral("Slit separation"));

    // angle readings say "degrees", their marks "o" say nothing
    Started huygens(QStringLiteral("Pelvane"));
    huygens.window.huygens->anglesb->setValue(451);
    Started slit(QStringLiteral("Sorvelle"));
    slit.window.sslit->acb->setChecked(true);
    const QList<std::pair<QLabel *, QLabel *>> readings{
        {panel.bianglelb, panel.bideglb},
        {huygens.window.huygens->anglelb, huygens.window.huygens->degglb},
        {huygens.window.huygens->Analis, huygens.window.huygens->deglb},
        {slit.window.sslit->anlb, slit.window.sslit->ddlb}};
    huygens.window.huygens->waveanal->setChecked(true);
    for (auto [reading, mark] : readings) {
        QVERIFY2(face(reading)->text(QAccessible::Name).endsWith(QLatin1String(" degrees")),
                 qPrintable(face(reading)->text(QAccessible::Name)));
        QVERIFY(face(mark)->text(QAccessible::Name).isEmpty());
        QVERIFY(face(mark)->state().invisible);
    }
    QCOMPARE(face(huygens.window.huygens->anglelb)->text(QAccessible::Name),
             QStringLiteral("Angle: 45.1 degrees"));
}

void AccessTest::picturesAreImages()
{
    Started started(QStringLiteral("Rundique"));
    ImageView *water = started.window.Panel1->water;
    for (ImageView *picture : {water, started.window.pattfrm->findChild<ImageView *>("outim"),
                               started.window.Profrm->findChild<ImageView *>("proim")})
        QCOMPARE(face(picture)->role(), QAccessible::Graphic);

    // the sources' phase shift and amplitudes, said only when not the defaults
    const QString plain = face(water)->text(QAccessible::Description);
    QVERIFY(!plain.contains(QLatin1String("phase")) && !plain.contains(QLatin1String("amplitude")));
    started.panel().perc->setValue(5);
    started.panel().sampsb->setValue(3);
    const QString changed = face(water)->text(QAccessible::Description);
    QVERIFY2(changed.contains(QLatin1String(", phase shift 20 degrees, amplitudes 10 and 3")),
             qPrintable(changed));

    // and where the keyboard's measuring point is
    QApplication::setActiveWindow(&started.window);
    water->setFocus(Qt::TabFocusReason);
    QTest::keyClick(water, Qt::Key_Right, Qt::ShiftModifier);
    QVERIFY2(face(water)->text(QAccessible::Description).endsWith(QLatin1String("x 364, y 174")),
             qPrintable(face(water)->text(QAccessible::Description)));
}

void AccessTest::flagsAndHelpStayQuiet()
{
    Started interference(QStringLiteral("Rundique"));
    Started huygens(QStringLiteral("Pelvane"));
    Started slit(QStringLiteral("Sorvelle"));
    // the animation flags under the Start buttons are no children a reader could find
    for (QWidget *flag : std::initializer_list<QWidget *>{
             interference.panel().timeron, huygens.window.huygens->timerwave,
             huygens.window.huygens->movecb, slit.window.sslit->opentime}) {
        QAccessibleInterface *page = face(flag->parentWidget());
        for (int i = 0; i < page->childCount(); ++i)
            QVERIFY2(page->child(i)->object() != flag, qPrintable(flag->objectName()));
    }
    // the Start button still drives the flag
    interference.panel().sbt->click();
    QVERIFY(interference.panel().timeron->isChecked());
    interference.panel().sbt->click();

    // the interference product's title ends in a blank; its name for readers does not
    interference.window.FormActivate();
    QCOMPARE(QApplication::applicationName(), QStringLiteral("Rundique "));
    QCOMPARE(face(qApp)->text(QAccessible::Name), QStringLiteral("Rundique"));

    HelpWindow help;
    for (QToolButton *button : help.findChildren<QToolButton *>())
        QVERIFY2(!face(button)->text(QAccessible::Description).contains(QLatin1Char('&')),
                 qPrintable(face(button)->text(QAccessible::Description)));
}

void AccessTest::focusedBarsAreFramed()
{
    for (const char *product : {"Rundique", "Pelvane", "Sorvelle"}) {
        Started started(QString::fromLatin1(product));
        QApplication::setActiveWindow(&started.window);
        QList<QScrollBar *> bars;
        for (QScrollBar *bar : started.window.findChildren<QScrollBar *>())
            if (bar->isVisible() && bar->focusPolicy() & Qt::TabFocus)
                bars << bar;
        QVERIFY(bars.size() >= 2);
        const QImage before = bars[1]->grab().toImage();
        bars[0]->setFocus(Qt::TabFocusReason);
        const QImage unfocused = bars[0]->grab().toImage();
        QTest::keyClick(bars[0], Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), bars[1]);
        QVERIFY2(bars[1]->grab().toImage() != before, product);
        QVERIFY2(bars[0]->grab().toImage() != unfocused, product);
    }
}

void AccessTest::everyAltLetterDoesOneThing_data()
{
    QTest::addColumn<QString>("product");
    QTest::newRow("interference") << QStringLiteral("Rundique");
    QTest::newRow("Huygens") << QStringLiteral("Pelvane");
    QTest::newRow("single slit") << QStringLiteral("Sorvelle");
}

void AccessTest::everyAltLetterDoesOneThing()
{
    QFETCH(QString, product);
    Started started(product);
    QStringList found;
    const auto walk = [&found](QWidget *window, const QString &where) {
        for (const QString &clash : clashes(window))
            found << where + QLatin1String(": ") + clash;
    };
    walkEveryWindow(started, walk);
    HelpWindow help;
    help.show();
    walk(&help, QStringLiteral("help"));
    QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1String("; "))));
}

void AccessTest::tabReachesTheCheckedRadio()
{
    Started started(QStringLiteral("Rundique"));
    TProfrm *practice = started.window.Profrm;
    practice->show();
    QApplication::setActiveWindow(practice);
    practice->ang2rb->setChecked(true);
    practice->findChild<ImageView *>(QStringLiteral("proim"))->setFocus(Qt::TabFocusReason);
    QStringList reached;
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached << QApplication::focusWidget()->objectName();
    }
    // past the tabs to the checked angle choice, then the answer, then the buttons
    QCOMPARE(reached, (QStringList{"", "linerb", "ang2rb", "Checkbt", "nextbt", "Returnbt"}));

    Tpattfrm *light = started.window.pattfrm;
    light->show();
    QApplication::setActiveWindow(light);
    light->doubleslitrb->setChecked(true);
    named<QScrollBar>(light, QStringLiteral("wavesb"))->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), light->doubleslitrb);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("wavesb"));
}

void AccessTest::keysDragTheRayHandles()
{
    Started byKeys(QStringLiteral("Rundique"));
    Started byMouse(QStringLiteral("Rundique"));
    for (Started *started : {&byKeys, &byMouse}) {
        started->window.Profrm->show();
        started->window.Profrm->practicenb->setPage(2);
    }
    TProfrm *keyed = byKeys.window.Profrm;
    TProfrm *moused = byMouse.window.Profrm;
    QCOMPARE(keyed->handles().lsh, moused->handles().lsh);
    auto *picture = keyed->findChild<ImageView *>(QStringLiteral("proim"));
    QApplication::setActiveWindow(keyed);
    picture->setFocus(Qt::TabFocusReason);

    const QPoint from = keyed->handles().lsh;
    // toward the middle of the picture, so that the point stays on it
    const QPoint middle(picture->width() / 2, picture->height() / 2);
    const QPoint to =
        from + QPoint(from.x() < middle.x() ? 23 : -23, from.y() < middle.y() ? 12 : -12);
    pointTo(picture, from);
    QTest::keyClick(picture, Qt::Key_Return);
    pointTo(picture, to);
    QTest::keyClick(picture, Qt::Key_Return);

    QWidget *shape = moused->findChild<QWidget *>(QStringLiteral("lsh"));
    const QPoint grip = shape->mapFromParent(from);
    mouseAt(shape, QEvent::MouseButtonPress, grip, Qt::LeftButton);
    for (QPoint at : {from + QPoint(10, -5), to})
        mouseAt(shape, QEvent::MouseMove, shape->mapFromParent(at), Qt::LeftButton);
    mouseAt(shape, QEvent::MouseButtonRelease, shape->mapFromParent(to), Qt::NoButton);

    QVERIFY(keyed->handles().lsh != from);
    QCOMPARE(keyed->handles().lsh, moused->handles().lsh);
    QCOMPARE(keyed->handles().csh, moused->handles().csh);
    QVERIFY(picture->image() == moused->findChild<ImageView *>(QStringLiteral("proim"))->image());

    // Esc puts the handle back where it was picked up, and leaves the window open
    const QPoint placed = keyed->handles().lsh;
    pointTo(picture, placed);
    QTest::keyClick(picture, Qt::Key_Return);
    pointTo(picture, placed + QPoint(0, placed.y() < middle.y() ? 30 : -30));
    QVERIFY(keyed->handles().lsh != placed);
    QTest::keyClick(picture, Qt::Key_Escape);
    QCOMPARE(keyed->handles().lsh, placed);
    QVERIFY(keyed->isVisible());
}

void AccessTest::keysDragTheCopyRectangle()
{
    Started started(QStringLiteral("Rundique"));
    started.window.EnableCopySelect1->setChecked(true);
    ImageView *water = started.window.Panel1->water;
    QApplication::setActiveWindow(&started.window);
    water->setFocus(Qt::TabFocusReason);
    const QPoint from(100, 60), to(160, 95);
    pointTo(water, from);
    QTest::keyClick(water, Qt::Key_Return);
    pointTo(water, to);
    QVERIFY(started.window.Panel1->copyshape->isVisible());
    QTest::keyClick(water, Qt::Key_Return);
    const QImage keyed = started.clipboard.image;
    QCOMPARE(keyed.size(), QSize(60, 35));

    Started mouse(QStringLiteral("Rundique"));
    mouse.window.EnableCopySelect1->setChecked(true);
    ImageView *other = mouse.window.Panel1->water;
    mouseAt(other, QEvent::MouseButtonPress, from, Qt::LeftButton);
    mouseAt(other, QEvent::MouseMove, to, Qt::LeftButton);
    mouseAt(other, QEvent::MouseButtonRelease, to, Qt::NoButton);
    QVERIFY(mouse.clipboard.image == keyed);

    // Esc drops the rectangle and copies nothing
    started.clipboard.image = QImage();
    QTest::keyClick(water, Qt::Key_Return);
    pointTo(water, from);
    QTest::keyClick(water, Qt::Key_Escape);
    QVERIFY(!started.window.Panel1->copyshape->isVisible());
    QVERIFY(started.clipboard.image.isNull());
}

QTEST_MAIN(AccessTest)
#include "test_access.moc"
