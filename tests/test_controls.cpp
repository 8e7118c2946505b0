// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/controls.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>

using namespace wave;

class ControlsTest : public QObject {
    Q_OBJECT
private slots:
    void notebookHandlerRunsBeforeThePageShows();
    void programUnchecksARadioButton();
    void programSelectionRunsNoHandler();
    void focusEnterAndLeave();
};

void ControlsTest::notebookHandlerRunsBeforeThePageShows()
{
    Notebook notebook;
    notebook.addPage(QStringLiteral("&One"));
    notebook.addPage(QStringLiteral("&Two"));
    notebook.addPage(QStringLiteral("T&hree"));
    notebook.resize(300, 200);
    notebook.show();
    QVERIFY(QTest::qWaitForWindowExposed(&notebook));

    std::vector<std::pair<int, int>> seen; // (new page, page shown while the handler runs)
    connect(&notebook, &Notebook::pageChanging, &notebook,
            [&](int index) { seen.emplace_back(index, notebook.pageIndex()); });

    notebook.setPage(2);
    QCOMPARE(notebook.pageIndex(), 2);
    notebook.setPage(2); // no change, no handler
    const QRect tab = notebook.tabBar()->tabRect(1);
    QTest::mouseClick(notebook.tabBar(), Qt::LeftButton, {}, tab.center());
    QCOMPARE(notebook.pageIndex(), 1);
    QTest::mouseClick(notebook.tabBar(), Qt::LeftButton, {}, tab.center()); // current tab

    QCOMPARE(seen, (std::vector<std::pair<int, int>>{{2, 0}, {1, 2}}));
    QVERIFY(notebook.page(1)->isVisible());
    QVERIFY(!notebook.page(2)->isVisible());
}

void ControlsTest::programUnchecksARadioButton()
{
    QWidget parent;
    auto *alone = new QRadioButton(&parent);
    auto *other = new QRadioButton(&parent);
    alone->setChecked(true);
    uncheckRadio(alone);
    QVERIFY(!alone->isChecked());
    QVERIFY(!other->isChecked());
    other->setChecked(true);
    alone->setChecked(true);
    QVERIFY(!other->isChecked()); // still exclusive afterwards

    QButtonGroup group;
    auto *first = new QRadioButton(&parent);
    auto *second = new QRadioButton(&parent);
    group.addButton(first);
    group.addButton(second);
    second->setChecked(true);
    QSignalSpy toggled(second, &QRadioButton::toggled);
    uncheckRadio(second);
    QVERIFY(!second->isChecked());
    QCOMPARE(toggled.count(), 1);
    first->setChecked(true);
    second->setChecked(true);
    QVERIFY(!first->isChecked());
}

void ControlsTest::programSelectionRunsNoHandler()
{
    QComboBox list;
    list.addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
    QSignalSpy changed(&list, &QComboBox::currentIndexChanged);
    QSignalSpy activated(&list, &QComboBox::activated);
    selectSilently(&list, 2);
    QCOMPARE(list.currentIndex(), 2);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(activated.count(), 0);
}

void ControlsTest::focusEnterAndLeave()
{
    QWidget window;
    auto *list = new QComboBox(&window);
    list->setEditable(true);
    list->addItems({QStringLiteral("0.5"), QStringLiteral("1")});
    auto *other = new QLineEdit(&window);
    other->move(0, 40);
    int entered = 0, left = 0;
    onFocusChange(
        list, [&] { ++entered; }, [&] { ++left; });
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    other->setFocus();
    entered = left = 0;
    list->setFocus();
    QCOMPARE(entered, 1);
    QCOMPARE(left, 0);
    other->setFocus();
    QCOMPARE(left, 1);

    // Another window taking over, as a dialog does, and handing back is no leaving or entering.
    list->setFocus();
    entered = left = 0;
    QWidget dialog;
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    dialog.close();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QVERIFY(list->hasFocus());
    QCOMPARE(entered, 0);
    QCOMPARE(left, 0);
}

QTEST_MAIN(ControlsTest)
#include "test_controls.moc"
