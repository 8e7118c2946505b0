// SPDX-License-Identifier: GPL-3.0-or-later
#include "full_folder.h"
#include "help/help_window.h"
#include "huygens/huygens_pages.h"
#include "platform/recent_files.h"
#include "platform/setup_examples.h"
#include "slit/slit_panel.h"
#include "started_window.h"

#include <QAction>
#include <QCheckBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <functional>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace wave;

namespace {

// Control names and the values a student gives them by hand, in this order.
using ByHand = QList<std::pair<const char *, int>>;

// Moves, checks, chooses or turns as the user would: lists by the item's index, check items of
// the menus by clicking them.
void setByHand(TInterference &window, const char *name, int value)
{
    QObject *control = window.findChild<QObject *>(QLatin1String(name));
    QVERIFY2(control, name);
    if (auto *bar = qobject_cast<QScrollBar *>(control))
        bar->setValue(value);
    else if (auto *list = qobject_cast<QComboBox *>(control))
        choose(list, value);
    else if (auto *notebook = qobject_cast<Notebook *>(control))
        notebook->setPage(value);
    else if (auto *button = qobject_cast<QAbstractButton *>(control))
        button->setChecked(value != 0);
    else if (auto *item = qobject_cast<QAction *>(control); item->isChecked() != (value != 0))
        item->trigger();
}

SetupValues settingsOf(TInterference &window)
{
    switch (window.product()) {
    case Product::Interference:
        return window.Varying->settings();
    case Product::Huygens:
        return window.huygens->settings();
    case Product::SingleSlit:
        break;
    }
    return window.sslit->settings();
}

// Everything the window shows: the picture, the labels that are shown and the caption.
struct Shown {
    QImage picture;
    QStringList labels;
    QString caption;
    SetupValues settings;
    bool operator==(const Shown &) const = default;
};

Shown shownBy(TInterference &window)
{
    Shown shown{window.exportedPicture(), {}, window.windowTitle(), settingsOf(window)};
    for (const QLabel *label : window.findChildren<QLabel *>())
        if (label->isVisibleTo(&window))
            shown.labels << label->objectName() + QLatin1Char('=') + label->text();
    return shown;
}

QString examples()
{
    return QStringLiteral(WAVE_EXAMPLES_DIR);
}

QString example(const char *name)
{
    return QDir(examples()).filePath(QLatin1String(name));
}

bool put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray setupText(const QByteArray &product, const QByteArray &settings)
{
    return R"({"format": "wavelab-setup", "version": 1, "product": ")" + product +
           R"(", "settings": {)" + settings + "}}";
}

QStringList menuTexts(const QMenu *menu)
{
    QStringList texts;
    for (const QAction *action : menu->actions())
        if (!action->isSeparator())
            texts << action->text();
    return texts;
}

} // namespace

class SetupsTest : public QObject {
    Q_OBJECT
private slots:
    void init() { RecentFiles().clear(); }
    void roundTripGivesTheSamePicture_data();
    void roundTripGivesTheSamePicture();
    void theCommandLineFileChoosesTheProduct_data();
    void theCommandLineFileChoosesTheProduct();
    void anotherProductsFileOpensInANewProcess();
    void badFilesChangeNothing_data();
    void badFilesChangeNothing();
    void unknownNamesAreNamedAndTheRestOpens();
    void recentListSurvivesARestartAndClears();
    void savingFailsWithoutLosingTheOldFile();
    void everyExampleShowsItsTitle();
    void aDroppedFileOpens();
    void aRealStartRunsTheProductWithTheFile();
};

void SetupsTest::roundTripGivesTheSamePicture_data()
{
    QTest::addColumn<QString>("launcher");
    QTest::addColumn<ByHand>("byHand");
    QTest::newRow("three unmatched sources, black-and-white band")
        << "Rundique"
        << ByHand{{"Varying", 1},     {"unlocked", 1},  {"Numpoints", 2},  {"C1space", 12},
                  {"c2space", 20},    {"c3space", 7},   {"perc", 10},      {"tampsb", 4},
                  {"Smooth", 150},    {"colourbx", 0},  {"Showscreen", 1}, {"BandW", 1},
                  {"movescreen", 90}, {"timerate", 12}, {"simulatedrb", 1}};
    QTest::newRow("node path, measuring on the band, detail map")
        << "Rundique" << ByHand{{"C1space", 9},   {"fraction", 3},     {"nodepath1", 1},
                                {"measurecb", 1}, {"bicb", 1},         {"screenrb", 1},
                                {"Hdetailcb", 1}, {"movescreen", 140}, {"Varying", 3}};
    QTest::newRow("sequential wavelets measured")
        << "Pelvane" << ByHand{{"huynb", 0},      {"movingrb", 1},     {"numsourcessb", 25},
                               {"pointsepsb", 9}, {"lrsb", 40},        {"numwvwfsb", 3},
                               {"wlwvfrsb", 70},  {"wavefrontsb", 70}, {"dcb", 1}};
    QTest::newRow("reflection with rays and the angle measured")
        << "Pelvane" << ByHand{{"reflrb", 1},  {"anglesb", 600}, {"Speedsb", 25},  {"wlsb", 70},
                               {"wavefsb", 4}, {"timersb", 200}, {"Showraycb", 1}, {"pointsep", 17},
                               {"meacb", 1},   {"waveanal", 1}};
    QTest::newRow("slit measured")
        << "Sorvelle" << ByHand{{"pwavesb", 7}, {"openingsb", 33}, {"acb", 1}};
}

void SetupsTest::roundTripGivesTheSamePicture()
{
    QFETCH(QString, launcher);
    QFETCH(ByHand, byHand);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lesson.wavelab"));
    Started started(launcher);
    TInterference &window = started.window;
    const Shown atStart = shownBy(window);
    for (const auto &[name, value] : byHand)
        setByHand(window, name, value);
    const Shown byHandShown = shownBy(window);
    QVERIFY(byHandShown.settings != atStart.settings);

    started.files.answers = {path};
    window.SaveSetup1Click();
    QCOMPARE(started.files.asked.back().filter.pattern, QStringLiteral("*.wavelab"));
    const QJsonObject saved = QJsonDocument::fromJson(contents(path)).object();
    QCOMPARE(saved.value("format").toString(), QStringLiteral("wavelab-setup"));
    QCOMPARE(saved.value("version").toInt(), 1);
    QCOMPARE(saved.value("product").toString(), productKey(window.product()));
    for (const auto &[name, value] : byHandShown.settings)
        QCOMPARE(saved.value("settings").toObject().value(name), value);
    for (const auto &[name, value] : byHand)
        QVERIFY2(saved.value("settings").toObject().contains(name), name);
    QCOMPARE(window.windowTitle(), productInfo(window.product()).caption + " - lesson.wavelab");

    window.NewSetup1Click();
    QCOMPARE(shownBy(window), atStart);
    started.files.answers = {path};
    window.OpenSetup1Click();
    QVERIFY(started.dialogs.shown.empty());
    Shown reopened = shownBy(window);
    QCOMPARE(reopened.settings, byHandShown.settings);
    QCOMPARE(reopened.labels, byHandShown.labels);
    QCOMPARE(reopened.caption, window.windowTitle());
    QVERIFY(reopened.picture == byHandShown.picture);

    // A modal window of the program resets the product, and the open lesson is its reset.
    window.runModal([] {});
    QCOMPARE(shownBy(window), reopened);
}

void SetupsTest::theCommandLineFileChoosesTheProduct_data()
{
    QTest::addColumn<QString>("launcher");
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("product");
    for (const char *launcher : {"Rundique", "Pelvane", "Sorvelle", "interfer"}) {
        for (auto [file, product] :
             {std::pair("rundique-1-in-step.wavelab", Product::Interference),
              std::pair("pelvane-3-slower-medium.wavelab", Product::Huygens),
              std::pair("sorvelle-2-narrow-slit.wavelab", Product::SingleSlit)})
            QTest::addRow("%s %s", launcher, file) << launcher << file << static_cast<int>(product);
    }
}

void SetupsTest::theCommandLineFileChoosesTheProduct()
{
    QFETCH(QString, launcher);
    QFETCH(QString, file);
    QFETCH(int, product);
    Started started(QStringLiteral("/usr/bin/") + launcher, example(file.toLatin1()));
    TInterference &window = started.window;
    QCOMPARE(static_cast<int>(window.product()), product);
    QVERIFY(started.dialogs.shown.empty());
    QVERIFY(started.starter.started.empty());
    QCOMPARE(window.windowTitle(),
             productInfo(window.product()).caption + QStringLiteral(" - ") + file);
    QCOMPARE(window.Varying->isVisible(), product == static_cast<int>(Product::Interference));
    QCOMPARE(window.huynb->isVisible(), product == static_cast<int>(Product::Huygens));
    QCOMPARE(window.sslit->isVisible(), product == static_cast<int>(Product::SingleSlit));
    // The window stays on the file's product at its next activation.
    window.runModal([] {});
    QCOMPARE(static_cast<int>(window.product()), product);

    // A file that cannot be opened leaves the product the name chooses.
    QTemporaryDir dir;
    const QString bad = dir.filePath("bad.wavelab");
    QVERIFY(put(bad, setupText(productKey(static_cast<Product>(product)).toLatin1(),
                               R"("nosuch": 1, "C1space": 99, "openingsb": 99, "wlsb": 9)")));
    Started refused(launcher, bad);
    QCOMPARE(refused.window.product(), productFromProgramName(launcher));
    QCOMPARE(refused.dialogs.shown.size(), std::size_t(1));
    QCOMPARE(refused.window.windowTitle(), productInfo(refused.window.product()).caption);
}

void SetupsTest::anotherProductsFileOpensInANewProcess()
{
    Started started(QStringLiteral("Rundique"));
    TInterference &window = started.window;
    setByHand(window, "C1space", 20);
    const Shown before = shownBy(window);
    const QString path = example("pelvane-2-tilted-front.wavelab");
    window.openSetup(path);
    QCOMPARE(started.starter.started.size(), std::size_t(1));
    QCOMPARE(started.starter.started.front().launcher, QStringLiteral("Pelvane"));
    QCOMPARE(started.starter.started.front().arguments, QStringList{path});
    QCOMPARE(started.dialogs.shown.size(), std::size_t(1));
    QCOMPARE(started.dialogs.shown.front().kind, MessageKind::Information);
    QVERIFY(started.dialogs.shown.front().text.contains("new Pelvane' Principle window"));
    QCOMPARE(shownBy(window), before);

    started.starter.failure = QStringLiteral("The program /x/Sorvelle was not found.");
    window.openSetup(example("sorvelle-1-wide-slit.wavelab"));
    QCOMPARE(started.dialogs.shown.back().kind, MessageKind::Error);
    QVERIFY(started.dialogs.shown.back().text.contains(started.starter.failure));
    QCOMPARE(shownBy(window), before);
}

void SetupsTest::badFilesChangeNothing_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    const auto row = [](const char *name, const QByteArray &bytes, const char *message) {
        QTest::newRow(name) << bytes << QString::fromUtf8(message);
    };
    row("not JSON", "{\"format\": \"wavelab-setup\",", "no valid JSON");
    row("JSON but no object", "[1, 2]", "holds no JSON object");
    row("another format", R"({"format": "lesson", "version": 1})",
        R"(its "format" is "lesson", not "wavelab-setup")");
    row("no format", R"({"version": 1})", R"(its "format" is missing)");
    row("newer version", R"({"format": "wavelab-setup", "version": 2})",
        "newer version of the program (set-up version 2)");
    row("broken version", R"({"format": "wavelab-setup", "version": "1"})",
        R"("version" is "1", not a whole number)");
    row("unknown product", setupText("optics", ""), R"(product "optics", which this program)");
    row("title no text", R"({"format":"wavelab-setup","version":1,"product":"interference",
        "title":3})",
        R"("title" is not a text)");
    row("settings no object",
        R"({"format":"wavelab-setup","version":1,"product":"interference","settings":[]})",
        R"("settings" are not a JSON object)");
    row("out of range", setupText("interference", R"("C1space": 60)"),
        R"("C1space" is 60, outside its range 2 to 50)");
    row("below range", setupText("interference", R"("Smooth": 0)"),
        R"("Smooth" is 0, outside its range 1 to 500)");
    row("no whole number", setupText("interference", R"("perc": 2.5)"),
        R"("perc" is 2.5; it must be a whole number from 0 to 45)");
    row("text for a bar", setupText("interference", R"("movescreen": "top")"),
        R"("movescreen" is "top"; it must be a whole number from 0 to 200)");
    row("no truth", setupText("interference", R"("colourbx": "yes")"),
        R"("colourbx" is "yes"; it must be true or false)");
    row("no such item", setupText("interference", R"("fraction": 0.3)"),
        R"("fraction" is 0.3; it must be one of 0.125, 0.25,)");
    row("no such page", setupText("interference", R"("Varying": 4)"),
        R"("Varying" is 4, outside its range 0 to 3)");
    row("both radios", setupText("interference", R"("locked": true, "unlocked": true)"),
        R"("locked" and "unlocked" are both true)");
    row("empty", "", "The file is empty.");
    row("blank", " \n\t ", "The file is empty.");
    row("over 1 MiB", setupText("interference", "") + QByteArray(1024 * 1024, ' '),
        "larger than 1 MiB");
    row("folder", "folder", "It is a folder");
    row("deleted after the dialog", "missing", "does not exist");
    row("a pipe", "pipe", "not a plain file");
    row("unreadable", "unreadable", "cannot be read");
}

void SetupsTest::badFilesChangeNothing()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("bad.wavelab"));
    if (bytes == "folder") {
        QVERIFY(QDir(dir.path()).mkdir("folder.wavelab"));
        path = dir.filePath("folder.wavelab");
    } else if (bytes == "pipe") {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (bytes == "unreadable") {
        // Root reads every file that exists, but no one reads this one's first page.
        if (geteuid() == 0)
            path = QStringLiteral("/proc/self/mem");
        else
            QVERIFY(put(path, setupText("interference", "")) &&
                    QFile::setPermissions(path, QFile::WriteOwner));
    } else if (bytes != "missing") {
        QVERIFY(put(path, bytes));
    }
    Started started(QStringLiteral("Rundique"));
    TInterference &window = started.window;
    setByHand(window, "Smooth", 130);
    const Shown before = shownBy(window);
    started.files.answers = {path};
    window.OpenSetup1Click();
    QCOMPARE(started.dialogs.shown.size(), std::size_t(1));
    const QString text = started.dialogs.shown.front().text;
    QVERIFY2(text.contains(message, Qt::CaseInsensitive), qPrintable(text));
    QVERIFY(text.contains(QDir::toNativeSeparators(path)));
    QVERIFY(text.contains("Nothing was changed."));
    QCOMPARE(shownBy(window), before);
    QCOMPARE(window.setupPath(), QString());
}

void SetupsTest::unknownNamesAreNamedAndTheRestOpens()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("partly.wavelab");
    QVERIFY(put(path, setupText("single-slit", R"("pwavesb": 15, "zoom": 2, "colour": "red")")));
    Started started(QStringLiteral("Sorvelle"));
    started.window.openSetup(path);
    QCOMPARE(started.window.sslit->wlb->text(), QStringLiteral("Wavelength: 15"));
    // What the file leaves out is as at start.
    QCOMPARE(started.window.sslit->openlb->text(), QStringLiteral("Slit Width: 20"));
    // The panel's own rules stand for a file too: three sources take no measuring options.
    const QString three = dir.filePath("three.wavelab");
    QVERIFY(put(three, setupText("interference", R"("Numpoints": 3, "measurecb": true)")));
    Started rundique(QStringLiteral("Rundique"), three);
    QVERIFY(rundique.dialogs.shown.empty());
    QCOMPARE(rundique.panel().sourceCount(), 3);
    QVERIFY(!rundique.panel().measurecb->isChecked());
    QCOMPARE(started.dialogs.shown.size(), std::size_t(1));
    QCOMPARE(started.dialogs.shown.front().kind, MessageKind::Warning);
    QVERIFY(started.dialogs.shown.front().text.endsWith("ignored:\ncolour, zoom"));
    // Saved again, the unknown names are gone and the rest is written whole.
    started.window.SaveSetup1Click();
    const QJsonObject settings =
        QJsonDocument::fromJson(contents(path)).object().value("settings").toObject();
    QVERIFY(!settings.contains("zoom"));
    QCOMPARE(settings.value("openingsb").toInt(), 20);
}

void SetupsTest::recentListSurvivesARestartAndClears()
{
    QTemporaryDir dir;
    QStringList paths;
    for (int k = 0; k < 10; ++k) {
        paths.prepend(dir.filePath(QStringLiteral("lesson%1.wavelab").arg(k)));
        QVERIFY(put(paths.front(), setupText("interference", QByteArray("\"C1space\": ") +
                                                                 QByteArray::number(5 + k))));
    }
    QSettings(QSettings::UserScope, "QtProject").setValue("FileDialog/lastVisited", dir.path());
    {
        Started first(QStringLiteral("Rundique"));
        for (auto it = paths.crbegin(); it != paths.crend(); ++it)
            first.window.openSetup(*it);
        QVERIFY(first.dialogs.shown.empty());
    }
    Started again(QStringLiteral("Rundique"));
    QMenu *recent = again.window.Recent1;
    QStringList expected;
    for (int k = 0; k < RecentFiles::limit; ++k)
        expected << QStringLiteral("&%1 lesson%2.wavelab").arg(k + 1).arg(9 - k);
    expected << QStringLiteral("&Clear List");
    QCOMPARE(menuTexts(recent), expected);
    QCOMPARE(recent->actions().constFirst()->toolTip(), QDir::toNativeSeparators(paths.front()));

    // A listed file that went away says so and leaves the list.
    QVERIFY(QFile::remove(paths.at(1)));
    again.window.findChild<QAction *>("RecentFile2")->trigger();
    QVERIFY(again.dialogs.shown.back().text.contains("does not exist"));
    QCOMPARE(menuTexts(recent).size(), RecentFiles::limit);
    again.window.findChild<QAction *>("RecentFile1")->trigger();
    QCOMPARE(again.window.Varying->fpoint->text(), QStringLiteral("1st Point: 28"));

    again.window.ClearRecent1->trigger();
    QCOMPARE(menuTexts(recent), QStringList{"&Clear List"});
    QVERIFY(!again.window.ClearRecent1->isEnabled());
    QVERIFY(!QSettings(QSettings::UserScope, "QtProject").contains("FileDialog/lastVisited"));
    QVERIFY(RecentFiles().files().isEmpty());
}

void SetupsTest::savingFailsWithoutLosingTheOldFile()
{
    const QByteArray old = setupText("interference", R"("C1space": 5)");
    // A full disk.
    FullFolder full;
    const QString path = full.filePath("lesson.wavelab");
    QVERIFY(full.put("lesson.wavelab", old));
    Started started(QStringLiteral("Rundique"));
    started.window.openSetup(path);
    setByHand(started.window, "C1space", 30);
    QVERIFY(full.fill());
    started.window.SaveSetup1Click();
    full.release();
    QCOMPARE(started.dialogs.shown.size(), std::size_t(1));
    QVERIFY(started.dialogs.shown.front().text.contains(full.systemError()));
    QVERIFY(started.dialogs.shown.front().text.contains(path));
    QCOMPARE(contents(path), old);
    QCOMPARE(full.files(), QStringList{"lesson.wavelab"});

    // A folder no one may write in: root is kept out by a read-only file system.
    QTemporaryDir dir;
    const QString kept = dir.filePath("kept.wavelab");
    QVERIFY(put(kept, old));
    const QByteArray folder = QFile::encodeName(dir.path());
    const bool mounted = geteuid() == 0 && ::mount(folder.constData(), folder.constData(), nullptr,
                                                   MS_BIND, nullptr) == 0;
    if (mounted)
        QCOMPARE(::mount(nullptr, folder.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY,
                         nullptr),
                 0);
    else
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    started.files.answers = {kept};
    started.window.SaveSetupAs1Click();
    if (mounted)
        ::umount2(folder.constData(), MNT_DETACH);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(started.dialogs.shown.size(), std::size_t(2));
    QVERIFY(started.dialogs.shown.back().text.contains("could not be created"));
    QCOMPARE(contents(kept), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"kept.wavelab"});
    QCOMPARE(started.window.setupPath(), path);
}

void SetupsTest::everyExampleShowsItsTitle()
{
    // One quantity of each lesson that its title promises.
    const QMap<QString, QString> promised{
        {"rundique-1-in-step", "Label1=Actual Separation: 80"},
        {"rundique-2-opposite-phase", "per=Phase Shift: 180 Degrees"},
        {"rundique-3-node-lines", "nodepath1"},
        {"rundique-4-unmatched", "spoint=2nd Point: 24"},
        {"pelvane-1-straight-front", "numsourceslb=Number of Sources: 30"},
        {"pelvane-2-tilted-front", "lrlb=Sequential Speed: 20"},
        {"pelvane-3-slower-medium", "anglelb=Angle: 35.0"},
        {"pelvane-4-total-reflection", "relindexlb=Refracted Wave Speed: 20"},
        {"sorvelle-1-wide-slit", "openlb=Slit Width: 50"},
        {"sorvelle-2-narrow-slit", "wlb=Wavelength: 20"},
        {"sorvelle-3-first-minimum", "anlb=Angle is 0.0°"}};
    const QList<SetupExample> shipped = setupExamples(examples());
    QCOMPARE(shipped.size(), promised.size());
    Started rundique(QStringLiteral("Rundique"));
    rundique.window.setExamplesFolder(examples());
    const QList<QAction *> items = rundique.window.Examples1->actions();
    int number = 0;
    for (const SetupExample &lesson : shipped) {
        const QString name = QFileInfo(lesson.path).completeBaseName();
        QVERIFY2(promised.contains(name), qPrintable(name));
        QAction *item =
            rundique.window.findChild<QAction *>(QStringLiteral("Example%1").arg(++number));
        QVERIFY(items.contains(item));
        QVERIFY(item->text().endsWith(lesson.setup.title));
        QCOMPARE(item->toolTip(), lesson.setup.description);
        QCOMPARE(lesson.setup.description.count(QLatin1String(". ")), 1);

        Started started(launcherName(lesson.setup.product), lesson.path);
        started.window.setExamplesFolder(examples());
        QVERIFY2(started.dialogs.shown.empty(), qPrintable(name));
        const QString quantity = promised.value(name);
        if (quantity == "nodepath1")
            QVERIFY(started.window.nodepath1->isEnabled() && started.window.nodepath1->isChecked());
        else
            QCOMPARE(started.window.findChild<QLabel *>(quantity.section('=', 0, 0))->text(),
                     quantity.section('=', 1));
        started.window.Contents1->trigger();
        QCOMPARE(started.window.helpWindow->currentPage(), lesson.setup.help);
        QVERIFY(started.window.helpWindow->lessonNote->text().contains(
            lesson.setup.description.toHtmlEscaped()));
        // Saving a shipped lesson asks for a file of one's own.
        started.window.SaveSetup1Click();
        QCOMPARE(started.files.asked.size(), std::size_t(1));
    }
    for (Product product : {Product::Interference, Product::Huygens, Product::SingleSlit})
        QVERIFY(std::count_if(shipped.begin(), shipped.end(), [product](const SetupExample &e) {
                    return e.setup.product == product;
                }) >= 3);
}

void SetupsTest::aDroppedFileOpens()
{
    Started started(QStringLiteral("Sorvelle"));
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile("/tmp/notes.txt"),
                  QUrl::fromLocalFile(example("sorvelle-1-wide-slit.wavelab"))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&started.window, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&started.window, &drop);
    QCOMPARE(started.window.sslit->openlb->text(), QStringLiteral("Slit Width: 50"));
    QMimeData text;
    text.setText("lesson.wavelab");
    QDragEnterEvent other(QPoint(10, 10), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&started.window, &other);
    QVERIFY(!other.isAccepted());
}

void SetupsTest::aRealStartRunsTheProductWithTheFile()
{
    QTemporaryDir dir;
    const QString lesson = dir.filePath(QStringLiteral("started.wavelab"));
    QVERIFY(QFile::copy(example("pelvane-1-straight-front.wavelab"), lesson));
    const QString folder = QStringLiteral(WAVE_PROGRAM_DIR);
    QtProgramStarter starter(folder);
    QCOMPARE(starter.start(QStringLiteral("Pelvane"), {lesson}), QString());
    // The new process, found by its arguments: the launcher's name and the file.
    const QStringList expected{QDir(folder).filePath(QStringLiteral("Pelvane")), lesson};
    pid_t started = 0;
    for (int tries = 0; tries < 100 && started == 0; ++tries) {
        for (const QString &pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
            const QByteArray line = contents(QStringLiteral("/proc/%1/cmdline").arg(pid));
            QStringList arguments = QString::fromLocal8Bit(line).split(QChar(0));
            arguments.removeAll(QString());
            if (arguments == expected)
                started = pid.toInt();
        }
        QTest::qWait(100);
    }
    QVERIFY(started > 0);
    ::kill(started, SIGTERM);
    QCOMPARE(starter.start(QStringLiteral("Nowhere"), {}),
             QStringLiteral("The program %1 was not found.").arg(QDir(folder).filePath("Nowhere")));
}

QTEST_MAIN(SetupsTest)
#include "test_setups.moc"
