// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/controls.h"
#include "platform/file_dialogs.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace wave;

class ControlsTest : public QObject {
    Q_OBJECT
private slots:
    void notebookHandlerRunsBeforeThePageShows();
    void programUnchecksARadioButton();
    void programSelectionRunsNoHandler();
    void focusEnterAndLeave();
    void typedNamesWithQuotesStayInTheFolderShown_data();
    void typedNamesWithQuotesStayInTheFolderShown();
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

void ControlsTest::typedNamesWithQuotesStayInTheFolderShown_data()
{
    QTest::addColumn<bool>("save");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("saved");
    QTest::newRow("quote inside") << true << "a\"b.svg"
                                  << "a\"b.svg";
    QTest::newRow("quoted word") << true << "my \"pic\" it.svg"
                                 << "my \"pic\" it.svg";
    QTest::newRow("quotes, no extension") << true << "\"notes\""
                                          << "\"notes\".png";
    QTest::newRow("plain name") << true << "plain"
                                << "plain.png";
    QTest::newRow("opening one") << false << "run \"3\".int"
                                 << "run \"3\".int";
}

// Typed into the real dialog key by key, in the folder it shows; the program's working
// folder lies elsewhere.
void ControlsTest::typedNamesWithQuotesStayInTheFolderShown()
{
    QFETCH(bool, save);
    QFETCH(QString, typed);
    QFETCH(QString, saved);
    QTemporaryDir shown;
    QTemporaryDir working;
    const QString before = QDir::currentPath();
    QDir::setCurrent(working.path());
    if (!save) {
        QFile existing(shown.filePath(saved));
        QVERIFY(existing.open(QIODevice::WriteOnly));
    }
    QTimer typist;
    typist.setInterval(10);
    connect(&typist, &QTimer::timeout, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        typist.stop();
        dialog->setDirectory(shown.path());
        auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        QTest::keyClicks(edit, typed);
        QTest::keyClick(edit, Qt::Key_Return);
        if (dialog->isVisible())
            dialog->reject();
    });
    typist.start();
    QtFileDialogs dialogs;
    const QString chosen =
        save ? dialogs.saveFileAs(nullptr, QStringLiteral("Export"),
                                  {{QStringLiteral("PNG"), QStringLiteral("*.png"), "png"},
                                   {QStringLiteral("SVG"), QStringLiteral("*.svg"), "svg"}})
             : dialogs.openFile(nullptr, QStringLiteral("Open"),
                                {QStringLiteral("Experiment"), QStringLiteral("*.int"), "int"});
    QDir::setCurrent(before);
    QCOMPARE(chosen, shown.filePath(saved));
}

QTEST_MAIN(ControlsTest)
#include "test_controls.moc"
