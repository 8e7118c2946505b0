// SPDX-License-Identifier: GPL-3.0-or-later
// The program in each of its languages: which language it starts in, every caption and help
// page in that language, captions that fit their places, numbers with the language's decimals,
// and files that stay the same whatever the language.
#include "help/help_window.h"
#include "huygens/huygens_pages.h"
#include "measure/practice_window.h"
#include "platform/display_settings.h"
#include "slit/light_window.h"
#include "started_window.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <QXmlStreamReader>

#include <set>

using namespace wave;

namespace {

const QStringList translations{QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es")};
const QStringList products{QStringLiteral("Rundique"), QStringLiteral("Pelvane"),
                           QStringLiteral("Sorvelle")};

// The environment the suite runs in, set again after each case.
void speak(const QString &language)
{
    qputenv("LANGUAGE", language.toUtf8());
}

// Texts the translation keeps as they are in English ("Amplitude: %1" in German), as patterns
// that also match them with their numbers filled in.
QList<QRegularExpression> keptAsTheyAre(const QString &language)
{
    QFile file(QStringLiteral(WAVE_TRANSLATIONS_DIR "/wavelab_") + language +
               QStringLiteral(".ts"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("no translation %s", qPrintable(language));
    QXmlStreamReader xml(&file);
    QList<QRegularExpression> kept;
    QString source;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation") && xml.readElementText() == source) {
            QString pattern = QRegularExpression::escape(source);
            pattern.replace(QRegularExpression(QStringLiteral("\\\\?%\\d")), QStringLiteral(".*"));
            kept << QRegularExpression(QRegularExpression::anchoredPattern(pattern));
        }
    }
    return kept;
}

// Where a widget lies among the windows, by the names of it and its parents; a part without
// a name by its kind and place among its parent's parts.
QString placeOf(QObject *object)
{
    QStringList path;
    for (; object; object = object->parent()) {
        QString name = object->objectName();
        if (name.isEmpty() && object->parent())
            name = QLatin1String(object->metaObject()->className()) + QLatin1Char('#') +
                   QString::number(object->parent()->children().indexOf(object));
        path.prepend(name);
    }
    return path.join(QLatin1Char('/'));
}

// Every text a student reads in the windows of a started product, by where it is shown:
// captions, titles, list items, menus, tips and the names readers hear. The lessons' own
// titles and the recent files are the user's data, not the program's texts.
QMap<QString, QString> shownTexts(Started &started, HelpWindow &help)
{
    QMap<QString, QString> texts;
    const auto walk = [&texts](QWidget *window) {
        QList<QWidget *> widgets{window};
        widgets += window->findChildren<QWidget *>();
        for (QWidget *widget : widgets) {
            const QString at = placeOf(widget);
            const auto add = [&](const QString &what, const QString &text) {
                texts.insert(at + QLatin1Char(':') + what, text);
            };
            add(QStringLiteral("tip"), widget->toolTip());
            add(QStringLiteral("name"), widget->accessibleName());
            if (widget->isWindow())
                add(QStringLiteral("title"), widget->windowTitle());
            if (auto *button = qobject_cast<QAbstractButton *>(widget))
                add(QStringLiteral("text"), button->text());
            else if (auto *label = qobject_cast<QLabel *>(widget))
                add(QStringLiteral("text"), label->text());
            else if (auto *group = qobject_cast<QGroupBox *>(widget))
                add(QStringLiteral("text"), group->title());
            else if (auto *list = qobject_cast<QComboBox *>(widget))
                for (int i = 0; i < list->count(); ++i)
                    add(QString::number(i), list->itemText(i));
            else if (auto *tabs = qobject_cast<QTabBar *>(widget))
                for (int i = 0; i < tabs->count(); ++i)
                    add(QString::number(i), tabs->tabText(i));
            else if (auto *menu = qobject_cast<QMenu *>(widget))
                add(QStringLiteral("text"), menu->title());
            const QList<QAction *> actions = widget->actions();
            for (qsizetype i = 0; i < actions.size(); ++i)
                if (!actions[i]->objectName().startsWith(QLatin1String("Example")) &&
                    !actions[i]->objectName().startsWith(QLatin1String("RecentFile")))
                    add(QStringLiteral("action ") + QString::number(i), actions[i]->text());
        }
    };
    walk(&started.window);
    walk(started.window.Profrm);
    walk(started.window.pattfrm);
    walk(&help);
    return texts;
}

QString helpText(const QString &language, const QString &page)
{
    QFile file(QStringLiteral(":/help/") + language + QLatin1Char('/') + page);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QByteArray bytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class LanguageTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void startsInTheLanguageAsked_data();
    void startsInTheLanguageAsked();
    void everyTextIsInTheLanguage_data();
    void everyTextIsInTheLanguage();
    void helpPagesAreInTheLanguage_data();
    void helpPagesAreInTheLanguage();
    void captionsFitTheirPlaces_data();
    void captionsFitTheirPlaces();
    void numbersShowTheLanguagesDecimals();
    void filesAreTheSameInEveryLanguage();
    void menuChoosesTheLanguageOfTheNextStart();
};

void LanguageTest::cleanup()
{
    speak(QStringLiteral("en"));
    qputenv("LC_ALL", "C.UTF-8");
    qunsetenv("LC_MESSAGES");
    qunsetenv("LANG");
    installLanguage(QStringLiteral("en"));
}

void LanguageTest::startsInTheLanguageAsked_data()
{
    QTest::addColumn<QStringList>("environment"); // LANGUAGE, LC_ALL, LC_MESSAGES, LANG
    QTest::addColumn<QString>("chosen");          // from the menu, empty for the system's
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<bool>("warned");
    const QStringList program{QStringLiteral("Rundique")};
    const auto env = [](const char *a, const char *b, const char *c, const char *d) {
        return QStringList{QLatin1String(a), QLatin1String(b), QLatin1String(c), QLatin1String(d)};
    };
    QTest::newRow("nothing set") << env("", "", "", "") << "" << program << "en" << program
                                 << false;
    QTest::newRow("LANG") << env("", "", "", "de_DE.UTF-8") << "" << program << "de" << program
                          << false;
    QTest::newRow("LC_MESSAGES before LANG")
        << env("", "", "fr_FR.UTF-8", "de_DE.UTF-8") << "" << program << "fr" << program << false;
    QTest::newRow("LC_ALL before LC_MESSAGES")
        << env("", "es_ES.UTF-8", "fr_FR.UTF-8", "") << "" << program << "es" << program << false;
    QTest::newRow("LANGUAGE first, its first shipped entry")
        << env("it:fr:de", "de_DE.UTF-8", "", "") << "" << program << "fr" << program << false;
    QTest::newRow("LANGUAGE of languages not shipped")
        << env("it:pt", "", "", "de_DE.UTF-8") << "" << program << "en" << program << false;
    QTest::newRow("C locale") << env("", "", "", "C") << "" << program << "en" << program << false;
    QTest::newRow("a language the program lacks")
        << env("", "", "", "ja_JP.UTF-8") << "" << program << "en" << program << false;
    QTest::newRow("menu choice before the system")
        << env("", "", "", "de_DE.UTF-8") << "es" << program << "es" << program << false;
    const QStringList withFile{QStringLiteral("Rundique"), QStringLiteral("lesson.wavelab")};
    QTest::newRow("command line before all")
        << env("de", "", "", "") << "es"
        << QStringList{"Rundique", "--language", "fr", "lesson.wavelab"} << "fr" << withFile
        << false;
    QTest::newRow("command line, joined")
        << env("", "", "", "") << "" << QStringList{"Rundique", "--language=de_AT"} << "de"
        << program << false;
    QTest::newRow("command line, unknown code")
        << env("de", "", "", "") << "" << QStringList{"Rundique", "--language", "xx"} << "en"
        << program << true;
    QTest::newRow("command line, no code")
        << env("", "", "", "") << "" << QStringList{"Rundique", "--language"} << "en" << program
        << true;
}

void LanguageTest::startsInTheLanguageAsked()
{
    QFETCH(QStringList, environment);
    QFETCH(QString, chosen);
    QFETCH(QStringList, arguments);
    QFETCH(QString, code);
    QFETCH(QStringList, left);
    QFETCH(bool, warned);
    const char *names[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
    for (int i = 0; i < 4; ++i)
        environment[i].isEmpty() ? qunsetenv(names[i]) : qputenv(names[i], environment[i].toUtf8());
    const LanguageChoice choice = chooseLanguage(arguments, chosen);
    QCOMPARE(choice.code, code);
    QCOMPARE(choice.arguments, left);
    QCOMPARE(!choice.warning.isEmpty(), warned);
}

void LanguageTest::everyTextIsInTheLanguage_data()
{
    QTest::addColumn<QString>("product");
    QTest::addColumn<QString>("language");
    for (const QString &product : products) {
        for (const QString &language : translations)
            QTest::newRow(qPrintable(product + QLatin1Char(' ') + language)) << product << language;
        QTest::newRow(qPrintable(product + QStringLiteral(" it, which it lacks")))
            << product << QStringLiteral("it");
    }
}

// Each text of the English windows reads otherwise in the translation, unless the translation
// keeps it (names, numbers, words the languages share); a language the program lacks shows
// the English texts exactly.
void LanguageTest::everyTextIsInTheLanguage()
{
    QFETCH(QString, product);
    QFETCH(QString, language);
    QMap<QString, QString> english;
    {
        Started started(product);
        HelpWindow help;
        english = shownTexts(started, help);
    }
    speak(language);
    Started started(product);
    HelpWindow help;
    const QMap<QString, QString> shown = shownTexts(started, help);
    if (!translations.contains(language)) {
        QCOMPARE(shown, english);
        return;
    }
    // Qt's own buttons and dialogs come in the language too
    QVERIFY(QCoreApplication::translate("QPlatformTheme", "Cancel") != QLatin1String("Cancel"));
    const QList<QRegularExpression> kept = keptAsTheyAre(language);
    std::set<QString> names{started.window.windowTitle()};
    for (const Language &shipped : shippedLanguages())
        names.insert(shipped.name);
    QStringList untranslated;
    for (auto at = english.cbegin(); at != english.cend(); ++at) {
        const QString &text = at.value();
        if (shown.value(at.key()) != text || text.size() < 2 ||
            names.count(QString(text).remove(QLatin1Char('&'))) ||
            !text.contains(QRegularExpression("[A-Za-z]")) || names.count(text) ||
            std::any_of(kept.begin(), kept.end(),
                        [&text](const QRegularExpression &p) { return p.match(text).hasMatch(); }))
            continue;
        untranslated << at.key() + QStringLiteral(" \"") + text + QLatin1Char('"');
    }
    QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QStringLiteral(" | "))));
}

void LanguageTest::helpPagesAreInTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : translations)
        QTest::newRow(qPrintable(language)) << language;
}

// Each English page has its translation, linked and anchored as the English one, offering as
// many things to try, and naming in bold the captions the student sees in that language.
void LanguageTest::helpPagesAreInTheLanguage()
{
    QFETCH(QString, language);
    speak(language);
    Started started(QStringLiteral("Rundique"));
    QStringList captions;
    for (QWidget *widget : QApplication::allWidgets()) {
        QStringList texts;
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            texts << button->text();
        else if (auto *label = qobject_cast<QLabel *>(widget))
            texts << label->text();
        else if (auto *group = qobject_cast<QGroupBox *>(widget))
            texts << group->title();
        else if (auto *list = qobject_cast<QComboBox *>(widget))
            for (int i = 0; i < list->count(); ++i)
                texts << list->itemText(i);
        else if (auto *tabs = qobject_cast<QTabBar *>(widget))
            for (int i = 0; i < tabs->count(); ++i)
                texts << tabs->tabText(i);
        for (QAction *action : widget->findChildren<QAction *>())
            texts << action->text();
        for (QString &text : texts)
            captions << text.remove(QLatin1Char('&')).trimmed();
    }
    static const QRegularExpression bold(QStringLiteral("<b>([^<]*)</b>"));
    static const QRegularExpression link(QStringLiteral("href=\"([^\"]*)\""));
    static const QRegularExpression title(QStringLiteral("<title>([^<]*)</title>"));
    QStringList wrong;
    for (const QString &page : helpPages()) {
        QFile file(QStringLiteral(":/help/") + page);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString englishText = QString::fromUtf8(file.readAll());
        const QString text = helpText(language, page);
        QVERIFY2(!text.isEmpty(), qPrintable(page));
        const auto all = [](const QRegularExpression &re, const QString &in) {
            QStringList found;
            for (const QRegularExpressionMatch &m : re.globalMatch(in))
                found << m.captured(1);
            return found;
        };
        QCOMPARE(all(link, text), all(link, englishText));
        QCOMPARE(text.count(QStringLiteral("name=\"")),
                 englishText.count(QStringLiteral("name=\"")));
        QCOMPARE(text.count(QStringLiteral("<li>")), englishText.count(QStringLiteral("<li>")));
        QVERIFY2(all(title, text) != all(title, englishText), qPrintable(page));
        for (const QString &named : all(bold, text)) {
            const QString name = named.simplified();
            if (!name.at(0).isUpper() || name == QLatin1String("F1"))
                continue;
            // a label's reading: the name, a colon (after a space in French) and the value
            const bool shown = std::any_of(captions.begin(), captions.end(), [&](const QString &c) {
                return c.compare(name, Qt::CaseInsensitive) == 0 ||
                       c.startsWith(name + QLatin1Char(':'), Qt::CaseInsensitive) ||
                       c.startsWith(name + QStringLiteral(" :"), Qt::CaseInsensitive);
            });
            if (!shown)
                wrong << page + QStringLiteral(": ") + name;
        }
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral("; "))));

    // the program opens its own language's page
    HelpWindow help;
    help.showPage(QStringLiteral("light.html"), nullptr);
    QCOMPARE(help.currentPage(), QStringLiteral("light.html"));
    QVERIFY2(help.browser->source().path().contains(QLatin1Char('/') + language + QLatin1Char('/')),
             qPrintable(help.browser->source().toString()));
    help.contentsbt->click();
    QCOMPARE(help.currentPage(), QStringLiteral("index.html"));
    QVERIFY(help.browser->source().path().contains(QLatin1Char('/') + language + QLatin1Char('/')));
}

void LanguageTest::captionsFitTheirPlaces_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("en") << QStringLiteral("en");
    for (const QString &language : translations)
        QTest::newRow(qPrintable(language)) << language;
}

// In every product, page and window, each caption of a label, button, box or radio button and
// each item of a list is no wider than its place, with the bars at their ends and the measuring
// modes on, where the captions are at their longest.
void LanguageTest::captionsFitTheirPlaces()
{
    QFETCH(QString, language);
    speak(language);
    QStringList cut;
    const auto check = [&cut](QWidget *root, const QString &where) {
        for (QWidget *child : root->findChildren<QWidget *>()) {
            if (!child->isVisibleTo(root) || child->objectName().isEmpty())
                continue;
            auto *label = qobject_cast<QLabel *>(child);
            if ((!label || label->wordWrap()) && !qobject_cast<QAbstractButton *>(child) &&
                !qobject_cast<QComboBox *>(child))
                continue;
            if (child->sizeHint().width() > child->width())
                cut << where + QLatin1Char(' ') + child->objectName() +
                           QStringLiteral(" (%1 > %2)")
                               .arg(child->sizeHint().width())
                               .arg(child->width());
        }
    };
    for (const QString &product : products) {
        Started started(product);
        for (QScrollBar *bar : started.window.findChildren<QScrollBar *>())
            bar->setValue(bar->maximum());
        for (const char *mode : {"measurecb", "bicb", "dcb", "meacb", "Measure"})
            if (auto *box = started.window.findChild<QCheckBox *>(QLatin1String(mode)))
                box->setChecked(true);
        started.window.pattfrm->measurecb->setChecked(true);
        walkEveryWindow(started, [&check, &product](QWidget *window, const QString &where) {
            check(window, product + QLatin1Char(' ') + where);
        });
    }
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral(", "))));
}

// Labels write decimals as the language does and readers still hear the number; English keeps
// the point.
void LanguageTest::numbersShowTheLanguagesDecimals()
{
    for (const auto &[language, period] :
         {std::pair{"en", "Period: 5.0 s"}, std::pair{"de", "Periode: 5,0 s"},
          std::pair{"fr", "Période : 5,0 s"}, std::pair{"es", "Período: 5,0 s"}}) {
        speak(QLatin1String(language));
        Started started(QStringLiteral("Pelvane"));
        QCOMPARE(started.window.huygens->periodlb->text(), QString::fromUtf8(period));
        QAccessibleInterface *bar =
            QAccessible::queryAccessibleInterface(started.window.huygens->wlwvfrsb);
        QCOMPARE(bar->valueInterface()->currentValue().toDouble(), 5.0);
    }
}

// A set-up, a band table, a pattern table and an experiment written in any language hold the
// same bytes as in English.
void LanguageTest::filesAreTheSameInEveryLanguage()
{
    QTemporaryDir dir;
    const auto write = [&dir](const QString &language) {
        speak(language);
        QStringList paths;
        for (const char *name : {"setup.wavelab", "band.csv", "pattern.csv", "experiment.int"})
            paths << dir.filePath(language + QLatin1Char('-') + QLatin1String(name));
        Started started(QStringLiteral("Rundique"));
        started.panel().Showscreen->setChecked(true);
        started.files.answers = {paths[0], paths[1], paths[2], paths[3]};
        started.window.SaveSetupAs1Click();
        started.window.ExportData1->trigger();
        Tpattfrm &light = *started.window.pattfrm;
        light.FormShow();
        light.selectDoubleSlit();
        light.ExportData1->trigger();
        light.Experiment1->trigger();
        light.Savebt->click();
        // a message would say that one of them was not written
        return started.dialogs.shown.empty() ? paths : QStringList();
    };
    const QStringList english = write(QStringLiteral("en"));
    for (const QString &path : english)
        QVERIFY2(!bytes(path).isEmpty(), qPrintable(path));
    for (const QString &language : translations) {
        const QStringList written = write(language);
        for (int i = 0; i < english.size(); ++i)
            QVERIFY2(bytes(written[i]) == bytes(english[i]), qPrintable(written[i]));
    }
}

// The menu lists the system's language and the shipped ones, keeps the choice for the next
// start and says so, and changes nothing shown now.
void LanguageTest::menuChoosesTheLanguageOfTheNextStart()
{
    Started started(QStringLiteral("Rundique"));
    TInterference &w = started.window;
    QVERIFY(w.Display1->actions().contains(w.Language1->menuAction()));
    QStringList codes;
    for (QAction *item : w.Language1->actions())
        if (!item->isSeparator())
            codes << item->data().toString();
    QCOMPARE(codes, (QStringList{QString(), "en", "de", "es", "fr"}));
    QStringList captions;
    for (QAction *item : w.Language1->actions())
        captions << item->text();
    QCOMPARE(captions,
             (QStringList{"&System", "", "&English", "&Deutsch", "Es&pañol", "&Français"}));
    QVERIFY(w.LanguageSystem1->isChecked());

    QAction *german = nullptr;
    for (QAction *item : w.Language1->actions())
        if (item->objectName() == QLatin1String("Language_de"))
            german = item;
    QVERIFY(german);
    german->trigger();
    QCOMPARE(loadDisplaySettings().language, QStringLiteral("de"));
    QCOMPARE(w.Language1->title(), QStringLiteral("Lan&guage (changed from the next start)"));
    QCOMPARE(w.Display1->title(), QStringLiteral("&Display"));
    QCOMPARE(chooseLanguage({QStringLiteral("Rundique")}, loadDisplaySettings().language).code,
             QStringLiteral("de"));
    {
        Started next(QStringLiteral("Rundique"));
        QVERIFY(!next.window.LanguageSystem1->isChecked());
    }
    w.LanguageSystem1->trigger();
    QCOMPARE(loadDisplaySettings().language, QString());
}

QTEST_MAIN(LanguageTest)
#include "test_language.moc"
