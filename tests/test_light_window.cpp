// SPDX-License-Identifier: GPL-3.0-or-later
#include "full_folder.h"
#include "scripted_clipboard.h"
#include "scripted_dialogs.h"
#include "scripted_file_dialogs.h"
#include "slit/light_window.h"

#include "platform/controls.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <unistd.h>

using namespace wave;

namespace {

// The window as the main window opens it, with scripted dialogs, file dialogs and clipboard.
struct Light {
    QTemporaryDir dir; // for the files saved and loaded
    ScriptedDialogs dialogs;
    ScriptedFileDialogs files;
    ScriptedClipboard clipboard;
    Tpattfrm window{dialogs, files, clipboard};

    Light()
    {
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.FormShow();
    }

    // A choice from the experiment list's drop-down, which enters the list first.
    void choose(int item)
    {
        window.Expcb->setFocus();
        window.Expcb->setCurrentIndex(item);
        emit window.Expcb->activated(item);
    }
    // The focus goes from the list to a control that stays visible.
    void leaveList() { window.bwcb->setFocus(); }
    // Experiment 3's bars, with the slit kind and the hide option to save.
    void setBars(bool doubleSlit, int hide)
    {
        doubleSlit ? window.selectDoubleSlit() : window.selectSingleSlit();
        window.scrsb->setValue(240);
        window.widthsb->setValue(54);
        window.wavesb->setValue(905);
        window.Showcb->setCurrentIndex(hide);
    }
};

// What the student sees of the setting.
struct Setting {
    bool doubleSlit;
    int screen, slit, wave;
    bool barsShown, kindShown, scrlbShown, widthlbShown, wavelbShown;
    QImage picture;

    bool operator==(const Setting &) const = default;
};

Setting settingOf(const Tpattfrm &w)
{
    return {w.doubleslitrb->isChecked(), w.scrsb->value(),
            w.widthsb->value(),          w.wavesb->value(),
            !w.scrsb->isHidden(),        !w.singleslitrb->isHidden(),
            !w.scrlb->isHidden(),        !w.widthlb->isHidden(),
            !w.wavelb->isHidden(),       w.outim->image()};
}

QString hiddenLabel(const Tpattfrm &w)
{
    QString hidden;
    for (const QLabel *label : {w.scrlb, w.widthlb, w.wavelb})
        if (label->isHidden())
            hidden += label->objectName();
    return hidden;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QString noData = QStringLiteral("No Data loaded!  Try again!");

} // namespace

class LightWindowTest : public QObject {
    Q_OBJECT
private slots:
    void creationAndOpening();
    void experiments_data();
    void experiments();
    void leavingNoExperimentResetsTheBars();
    void savedFilesLoadThroughTheList_data();
    void savedFilesLoadThroughTheList();
    void badFiles_data();
    void badFiles();
    void savePanel();
    void savedBytes_data();
    void savedBytes();
    void failedSavesKeepThePanelOpen();
    void keyboardMovesTheBars();
    void aFullDiskKeepsTheFileAndThePanel_data();
    void aFullDiskKeepsTheFileAndThePanel();
    void measuring();
    void copyAndAbout();
};

void LightWindowTest::creationAndOpening()
{
    ScriptedDialogs dialogs;
    ScriptedFileDialogs files;
    ScriptedClipboard clipboard;
    Tpattfrm window(dialogs, files, clipboard);
    QCOMPARE(window.scrlb->text(), QStringLiteral("Screen distance: 150 cm"));
    QCOMPARE(window.widthlb->text(), QStringLiteral("Slit Width: 75 \u00b5m"));
    QCOMPARE(window.wavelb->text(), QStringLiteral("Lambda: 413 nm"));
    QVERIFY(window.singleslitrb->isChecked());
    QVERIFY(window.mealb->isHidden());
    QVERIFY(window.Savegb->isHidden());
    QCOMPARE(window.outim->image().pixel(patternCentre, 0), *wavelengthColour(450));

    window.bwcb->setChecked(true);
    window.measurecb->setChecked(true);
    window.Expcb->setCurrentIndex(2);
    window.ExpcbChange();
    // the main window's "&Light Interference": double slit, then shown modally
    window.selectDoubleSlit();
    QWidget *focused = nullptr;
    QTimer::singleShot(0, &window, [&] {
        focused = window.focusWidget();
        window.exitbt->click();
    });
    window.exec();
    QVERIFY(!window.isVisible());
    QVERIFY(window.doubleslitrb->isChecked());
    QCOMPARE(window.widthlb->text(), QStringLiteral("Slit Separation: 80 \u00b5m"));
    QCOMPARE(window.scrsb->value(), 100);
    QCOMPARE(window.wavesb->value(), 400);
    QCOMPARE(window.Expcb->currentIndex(), 0);
    QVERIFY(!window.measurecb->isChecked());
    for (QWidget *shown : std::initializer_list<QWidget *>{
             window.scrsb, window.scrlb, window.widthsb, window.widthlb, window.wavesb,
             window.wavelb, window.singleslitrb, window.doubleslitrb})
        QVERIFY(!shown->isHidden());
    QCOMPARE(focused, window.singleslitrb);
    QVERIFY(window.bwcb->isChecked()); // the colour choice is kept
    QCOMPARE(window.outim->image().pixel(patternCentre + 5, 0), rgb(0, 0, 0));
}

void LightWindowTest::experiments_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<bool>("doubleSlit");
    QTest::addColumn<QString>("hidden");
    QTest::addColumn<int>("screen");
    QTest::addColumn<int>("slit");
    QTest::addColumn<int>("wave");
    QTest::newRow("1") << 1 << false << "scrlb" << 125 << 80 << 400;
    QTest::newRow("2") << 2 << false << "wavelb" << 200 << 50 << 1300;
    QTest::newRow("3") << 3 << true << "widthlb" << 240 << 54 << 905;
    QTest::newRow("4") << 4 << true << "scrlb" << 479 << 35 << 402;
    QTest::newRow("5") << 5 << true << "wavelb" << 225 << 65 << 668;
    QTest::newRow("6") << 6 << false << "widthlb" << 275 << 54 << 820;
}

void LightWindowTest::experiments()
{
    QFETCH(int, item);
    QFETCH(bool, doubleSlit);
    QFETCH(QString, hidden);
    QFETCH(int, screen);
    QFETCH(int, slit);
    QFETCH(int, wave);
    Light light;
    Tpattfrm &w = light.window;
    light.choose(item);
    const Setting chosen = settingOf(w);
    QCOMPARE(chosen.doubleSlit, doubleSlit);
    QCOMPARE(hiddenLabel(w), hidden);
    QCOMPARE(std::tuple(chosen.screen, chosen.slit, chosen.wave), std::tuple(screen, slit, wave));
    QVERIFY(w.scrsb->isHidden() && w.widthsb->isHidden() && w.wavesb->isHidden());
    QVERIFY(w.singleslitrb->isHidden() && w.doubleslitrb->isHidden());
    QCOMPARE(w.widthlb->text(), slitText(doubleSlit ? SlitKind::Double : SlitKind::Single, slit));
    QCOMPARE(w.wavelb->text(), wavelengthText(wave));

    light.leaveList();
    QCOMPARE(settingOf(w), chosen);

    light.choose(0);
    QCOMPARE(settingOf(w), (Setting{doubleSlit, 100, 80, 400, true, true, true, true, true,
                                    settingOf(w).picture}));
}

void LightWindowTest::leavingNoExperimentResetsTheBars()
{
    Light light;
    Tpattfrm &w = light.window;
    w.scrsb->setValue(300);
    w.widthsb->setValue(20);
    w.wavesb->setValue(1000);
    w.Expcb->setFocus();
    light.leaveList();
    QCOMPARE(std::tuple(w.scrsb->value(), w.widthsb->value(), w.wavesb->value()),
             std::tuple(100, 80, 400));
}

void LightWindowTest::savedFilesLoadThroughTheList_data()
{
    QTest::addColumn<int>("hide");
    QTest::addColumn<bool>("doubleSlit");
    QTest::addColumn<QString>("hidden");
    QTest::newRow("show all") << 0 << true << "";
    QTest::newRow("hide screen distance") << 1 << false << "scrlb";
    QTest::newRow("hide slit") << 2 << true << "widthlb";
    QTest::newRow("hide wavelength") << 3 << false << "wavelb";
}

void LightWindowTest::savedFilesLoadThroughTheList()
{
    QFETCH(int, hide);
    QFETCH(bool, doubleSlit);
    QFETCH(QString, hidden);
    Light light;
    Tpattfrm &w = light.window;
    const QString path = light.dir.filePath(QStringLiteral("saved.int"));
    light.setBars(doubleSlit, hide);
    w.Experiment1->trigger();
    light.files.answers = {path};
    w.Savebt->click();
    QVERIFY(w.Savegb->isHidden());

    w.FormShow();
    doubleSlit ? w.selectSingleSlit() : w.selectDoubleSlit();
    light.files.answers = {path};
    light.choose(7);
    QVERIFY(light.dialogs.shown.empty());
    QCOMPARE(w.doubleslitrb->isChecked(), doubleSlit);
    QCOMPARE(std::tuple(w.scrsb->value(), w.widthsb->value(), w.wavesb->value()),
             std::tuple(240, 54, 905));
    QCOMPARE(hiddenLabel(w), hidden);
    QVERIFY(w.scrsb->isHidden() && w.singleslitrb->isHidden());

    // Leaving the list right after the load keeps it; entering and leaving asks again.
    const std::size_t asked = light.files.asked.size();
    const Setting loaded = settingOf(w);
    light.leaveList();
    QCOMPARE(light.files.asked.size(), asked);
    QCOMPARE(settingOf(w), loaded);
    w.Expcb->setFocus();
    light.leaveList();
    QCOMPARE(light.files.asked.size(), asked + 1);
    QCOMPARE(light.files.asked.back().filter.pattern, QStringLiteral("*.int"));
    // cancelled: the values stay, and every label shows as before a file is read
    const Setting cancelled = settingOf(w);
    QCOMPARE(std::tuple(cancelled.screen, cancelled.slit, cancelled.wave),
             std::tuple(loaded.screen, loaded.slit, loaded.wave));
    QCOMPARE(hiddenLabel(w), QString());
}

void LightWindowTest::badFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    const QString numeric = QStringLiteral("Invalid numeric input");
    QTest::newRow("empty") << QByteArray() << noData;
    QTest::newRow("binary") << QByteArray::fromHex("7f454c460201010000ff0d0a1a00") << noData;
    QTest::newRow("directory") << QByteArray("directory") << "File access denied";
    QTest::newRow("no read permission") << QByteArray("unreadable") << "File access denied";
    QTest::newRow("missing") << QByteArray("missing") << "File not found";
    QTest::newRow("marker only") << QByteArray("Start Data\r\n") << noData;
    QTest::newRow("marker with trailing blank") << QByteArray("Start Data \r\n1 1 1 1 1") << noData;
    QTest::newRow("four values") << QByteArray("Start Data\r\n3 2 240 54") << noData;
    QTest::newRow("beyond int") << QByteArray("Start Data\r\n3 2 4294967296 54 905") << numeric;
    QTest::newRow("not a number") << QByteArray("Start Data\r\n3 2 240 0x36 905") << numeric;
    QTest::newRow("comment line Start Data")
        << QByteArray("Start Data\r\nmy notes\r\nStart Data\r\n3 2 240 54 905") << numeric;
    QTest::newRow("sixth value") << QByteArray("Start Data\r\n3 2 240 54 905 12") << QString();
    QTest::newRow("several lines")
        << QByteArray("x\r\nStart Data\r\n3\r\n2\r\n240 54\r\n905") << QString();
}

void LightWindowTest::badFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    if (bytes == "unreadable" && geteuid() == 0)
        QSKIP("root reads every file");
    Light light;
    Tpattfrm &w = light.window;
    QString path = light.dir.filePath(QStringLiteral("bad.int"));
    if (bytes == "directory") {
        path = light.dir.path();
    } else if (bytes != "missing") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        if (bytes == "unreadable")
            file.setPermissions(QFile::WriteOwner);
    }
    w.selectDoubleSlit();
    light.choose(7); // cancelled: the setting as it stands before a file is read
    const Setting before = settingOf(w);
    light.files.answers = {path};
    light.choose(7);
    if (message.isEmpty()) {
        QVERIFY(light.dialogs.shown.empty());
        QCOMPARE(std::tuple(w.scrsb->value(), w.widthsb->value(), w.wavesb->value()),
                 std::tuple(240, 54, 905));
        QCOMPARE(hiddenLabel(w), QStringLiteral("wavelb"));
        return;
    }
    QCOMPARE(light.dialogs.shown.size(), std::size_t(1));
    QCOMPARE(light.dialogs.shown[0].text, message);
    QCOMPARE(light.dialogs.shown[0].kind,
             message == noData ? MessageKind::Information : MessageKind::Error);
    QCOMPARE(settingOf(w), before);
}

void LightWindowTest::savePanel()
{
    Light light;
    Tpattfrm &w = light.window;
    w.Showcb->setCurrentIndex(2);
    w.Experiment1->trigger();
    QVERIFY(!w.Savegb->isHidden());
    QCOMPARE(w.Memo1->toPlainText(), QStringLiteral("*Insert Comment Here*"));
    const std::initializer_list<QWidget *> locked{w.scrsb, w.widthsb,      w.exitbt,       w.wavesb,
                                                  w.Expcb, w.singleslitrb, w.doubleslitrb, w.bwcb};
    for (QWidget *control : locked)
        QVERIFY2(!control->isEnabled(), qPrintable(control->objectName()));
    QVERIFY(w.measurecb->isEnabled() && w.Copy1->isEnabled() && w.Exit1->isEnabled());
    QCOMPARE(w.Showcb->currentIndex(), 2);

    w.Savebt->click(); // the file dialog cancelled
    QVERIFY(!w.Savegb->isHidden());
    w.Memo1->setFocus();
    w.Memo1->insertPlainText(QStringLiteral("typed"));
    w.Experiment1->trigger(); // the placeholder again, and entering clears it again
    w.Showcb->setFocus();
    w.Memo1->setFocus();
    QCOMPARE(w.Memo1->toPlainText(), QString());
    QTest::keyClick(w.Memo1, Qt::Key_Escape); // backs out of the panel, not the window
    QVERIFY(w.Savegb->isHidden());
    QVERIFY(w.isVisible());
    for (QWidget *control : locked)
        QVERIFY(control->isEnabled());

    w.Experiment1->trigger();
    w.close(); // closing the window closes the panel too
    QVERIFY(w.Savegb->isHidden());
    QVERIFY(w.scrsb->isEnabled());
}

void LightWindowTest::savedBytes_data()
{
    QTest::addColumn<QStringList>("typed"); // one piece typed at each entering of the box
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray data("Start Data\r\n2 2 240 54 905");
    QTest::newRow("comment box never entered") << QStringList() << data;
    QTest::newRow("entered, nothing typed") << QStringList{""} << data;
    QTest::newRow("two lines") << QStringList{"Two slits\nclass 5\n"}
                               << "Two slits\r\nclass 5\r\n" + data;
    QTest::newRow("coming back keeps the text")
        << QStringList{"Lambda ", "hidden"} << "Lambda hidden\r\n" + data;
    QTest::newRow("Windows-1252") << QStringList{QStringLiteral("54 \u00b5m")}
                                  << "54 \xb5m\r\n" + data;
    QTest::newRow("UTF-8") << QStringList{QStringLiteral("\u03bb?")}
                           << "\xEF\xBB\xBF\xCE\xBB?\r\n" + data;
}

void LightWindowTest::savedBytes()
{
    QFETCH(QStringList, typed);
    QFETCH(QByteArray, bytes);
    Light light;
    Tpattfrm &w = light.window;
    const QString path = light.dir.filePath(QStringLiteral("saved.int"));
    light.setBars(true, 2);
    w.Experiment1->trigger();
    for (const QString &piece : typed) {
        w.Memo1->setFocus();
        w.Memo1->moveCursor(QTextCursor::End);
        w.Memo1->insertPlainText(piece);
        w.Showcb->setFocus();
    }
    light.files.answers = {path};
    w.Savebt->click();
    QCOMPARE(contents(path), bytes);
    QVERIFY(w.Savegb->isHidden());
    QCOMPARE(light.files.asked.back().filter.name, QStringLiteral("interference"));
    QCOMPARE(light.files.asked.back().filter.defaultSuffix, QStringLiteral("int"));
}

void LightWindowTest::failedSavesKeepThePanelOpen()
{
    Light light;
    Tpattfrm &w = light.window;
    w.Experiment1->trigger();
    light.files.answers = {light.dir.filePath(QStringLiteral("gone/saved.int"))};
    w.Savebt->click();
    QCOMPARE(light.dialogs.shown.back().text, QStringLiteral("Path not found"));
    QVERIFY(!w.Savegb->isHidden());
    QVERIFY(!w.scrsb->isEnabled());

    // A comment line that would read as the marker is refused before a file is chosen.
    w.Memo1->setFocus();
    w.Memo1->setPlainText(QStringLiteral("notes\nStart Data\n1 2 3 4 5"));
    const std::size_t asked = light.files.asked.size();
    w.Savebt->click();
    QCOMPARE(light.files.asked.size(), asked);
    QCOMPARE(light.dialogs.shown.back().kind, MessageKind::Warning);
    QVERIFY(!w.Savegb->isHidden());
    QVERIFY(QDir(light.dir.path()).isEmpty());
}

void LightWindowTest::keyboardMovesTheBars()
{
    Light light;
    Tpattfrm &w = light.window;
    const std::array<int, 3> before{w.scrsb->value(), w.widthsb->value(), w.wavesb->value()};
    w.scrsb->setFocus();
    QStringList reached;
    for (int i = 0; i < 3; ++i) {
        QWidget *focused = QApplication::focusWidget();
        reached << focused->objectName();
        QTest::keyClick(focused, Qt::Key_Right);
        QTest::keyClick(focused, Qt::Key_PageUp);
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    QCOMPARE(reached, (QStringList{"scrsb", "widthsb", "wavesb"}));
    QCOMPARE(w.scrsb->value(), before[0] + 1 + 10);
    QCOMPARE(w.widthsb->value(), before[1] + 1 + 10);
    QCOMPARE(w.wavesb->value(), before[2] + 1 + 10);
}

void LightWindowTest::aFullDiskKeepsTheFileAndThePanel_data()
{
    QTest::addColumn<bool>("existing");
    QTest::addColumn<QString>("comment");
    QTest::newRow("onto a file") << true << QString();
    QTest::newRow("onto a file, with a comment") << true << QStringLiteral("Fringes of class 5");
    QTest::newRow("a new name") << false << QString();
    QTest::newRow("a new name, with a comment") << false << QStringLiteral("Fringes of class 5");
}

void LightWindowTest::aFullDiskKeepsTheFileAndThePanel()
{
    QFETCH(bool, existing);
    QFETCH(QString, comment);
    Light light;
    Tpattfrm &w = light.window;
    FullFolder folder;
    const QByteArray old("Start Data\r\n0 1 100 80 400");
    if (existing)
        QVERIFY(folder.put(QStringLiteral("saved.int"), old));
    const QStringList before = folder.files();
    w.Experiment1->trigger();
    if (!comment.isEmpty()) {
        w.Memo1->setFocus();
        w.Memo1->insertPlainText(comment);
    }
    const QString path = folder.filePath(QStringLiteral("saved.int"));
    light.files.answers = {path};
    QVERIFY(folder.fill());
    w.Savebt->click();
    folder.release();

    QCOMPARE(light.dialogs.shown.size(), std::size_t(1));
    QCOMPARE(light.dialogs.shown.back().kind, MessageKind::Error);
    const QString message = light.dialogs.shown.back().text;
    QVERIFY2(message.contains(folder.systemError()) && message.contains(path), qPrintable(message));
    QCOMPARE(folder.files(), before);
    if (existing)
        QCOMPARE(contents(path), old);
    QVERIFY(!w.Savegb->isHidden());
    QVERIFY(!w.scrsb->isEnabled());
    QCOMPARE(w.Memo1->toPlainText(),
             comment.isEmpty() ? QStringLiteral("*Insert Comment Here*") : comment);

    // With room again the same panel saves the comment.
    light.files.answers = {light.dir.filePath(QStringLiteral("saved.int"))};
    w.Savebt->click();
    QVERIFY(w.Savegb->isHidden());
    QVERIFY(contents(light.dir.filePath(QStringLiteral("saved.int"))).startsWith(comment.toUtf8()));
}

void LightWindowTest::measuring()
{
    Light light;
    Tpattfrm &w = light.window;
    w.outimMouseUp({5, 5}); // releases count with measuring off
    QCOMPARE(w.measure.step, 1);
    w.measurecb->setChecked(true);
    QCOMPARE(w.measure.step, 0);
    QVERIFY(!w.mealb->isHidden());
    QCOMPARE(w.outim->cursor().shape(), Qt::CrossCursor);

    QTest::mouseMove(w.outim, {400, 40});
    QTest::mouseRelease(w.outim, Qt::LeftButton, {}, {400, 40});
    QTest::mouseMove(w.outim, {388, 60});
    QCOMPARE(w.mealb->text(), QStringLiteral("Length:   6.0 mm"));
    QCOMPARE(w.outim->image().pixel(390, 40), colour::white); // the ruler over the pattern
    QCOMPARE(w.outim->image().pixel(380, 44), colour::white); // its first tick
    w.bwcb->setChecked(true);
    QTest::mouseMove(w.outim, {390, 60});
    QCOMPARE(w.outim->image().pixel(395, 40), colour::red);

    QTest::mouseMove(w.window()->findChild<QWidget *>(QStringLiteral("client")), {700, 215});
    QCOMPARE(w.measure.step, 0); // over the window's own background

    w.measurecb->setChecked(false);
    QVERIFY(w.mealb->isHidden());
    QCOMPARE(w.outim->cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(w.outim->image().pixel(395, 40), w.patternim.pixel(395, 40)); // overlay gone
}

void LightWindowTest::copyAndAbout()
{
    Light light;
    Tpattfrm &w = light.window;
    w.selectDoubleSlit();
    QTest::keyClick(&w, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(light.clipboard.copies, 1);
    QCOMPARE(light.clipboard.image, w.outim->image());
    QVERIFY(w.outim->actions().contains(w.Copy1)); // the picture's pop-up menu
    QCOMPARE(w.outim->contextMenuPolicy(), Qt::ActionsContextMenu);

    w.About1->trigger();
    QCOMPARE(light.dialogs.shown.size(), std::size_t(1));
    QCOMPARE(light.dialogs.shown[0].kind, MessageKind::Information);
    w.Back1->trigger();
    QVERIFY(!w.isVisible());
}

QTEST_MAIN(LightWindowTest)
#include "test_light_window.moc"
