// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace wave {

namespace {

QString installed = QStringLiteral("en");
QTranslator *ours = nullptr;
QTranslator *qts = nullptr;

// Takes a translator out of the application again, so that a language can follow another.
void drop(QTranslator *&translator)
{
    if (!translator)
        return;
    QCoreApplication::removeTranslator(translator);
    delete translator;
    translator = nullptr;
}

const QLatin1String option("--language");

//: The name of the language of the translation, in that language: "Deutsch" in German.
const char *const languageName = QT_TRANSLATE_NOOP("Language", "English");

} // namespace

const QList<Language> &shippedLanguages()
{
    static const QList<Language> languages = [] {
        QList<Language> found{{QStringLiteral("en"), QStringLiteral("English")}};
        const QStringList files =
            QDir(QStringLiteral(":/i18n"))
                .entryList({QStringLiteral("wavelab_*.qm")}, QDir::Files, QDir::Name);
        for (const QString &file : files) {
            // Each translation names its language itself, as the translation of "English".
            QTranslator translation;
            QString name;
            if (translation.load(QStringLiteral(":/i18n/") + file))
                name = translation.translate("Language", languageName);
            const QString code = file.mid(8, file.size() - 11);
            found.append({code, name.isEmpty() ? code : name});
        }
        return found;
    }();
    return languages;
}

QString shippedCode(const QString &tag)
{
    const QString trimmed = tag.trimmed();
    if (trimmed == QLatin1String("C") || trimmed.startsWith(QLatin1String("C.")) ||
        trimmed == QLatin1String("POSIX"))
        return QStringLiteral("en");
    // The language is what stands before the territory, the encoding and the modifier.
    qsizetype end = 0;
    while (end < trimmed.size() && trimmed.at(end).isLetter())
        ++end;
    const QString code = trimmed.left(end).toLower();
    for (const Language &language : shippedLanguages())
        if (language.code == code)
            return code;
    return {};
}

QString systemLanguage()
{
    const QString list = qEnvironmentVariable("LANGUAGE");
    if (!list.isEmpty()) {
        for (const QString &entry : list.split(QLatin1Char(':'), Qt::SkipEmptyParts))
            if (const QString code = shippedCode(entry); !code.isEmpty())
                return code;
        return QStringLiteral("en");
    }
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(name);
        if (!value.isEmpty()) {
            const QString code = shippedCode(value);
            return code.isEmpty() ? QStringLiteral("en") : code;
        }
    }
    return QStringLiteral("en");
}

LanguageChoice chooseLanguage(const QStringList &arguments, const QString &chosen)
{
    LanguageChoice choice;
    QString asked;
    bool given = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (i > 0 && argument == option) {
            given = true;
            asked = arguments.value(++i);
        } else if (i > 0 && argument.startsWith(option + QLatin1Char('='))) {
            given = true;
            asked = argument.mid(option.size() + 1);
        } else {
            choice.arguments << argument;
        }
    }
    if (given) {
        choice.code = shippedCode(asked);
        if (!choice.code.isEmpty())
            return choice;
        QStringList codes;
        for (const Language &language : shippedLanguages())
            codes << language.code;
        choice.warning = QStringLiteral("The language \"%1\" is not one of this program's (%2): "
                                        "it starts in English.")
                             .arg(asked, codes.join(QStringLiteral(", ")));
        choice.code = QStringLiteral("en");
        return choice;
    }
    choice.code = shippedCode(chosen);
    if (choice.code.isEmpty())
        choice.code = systemLanguage();
    return choice;
}

void installLanguage(const QString &code)
{
    drop(ours);
    drop(qts);
    installed = code.isEmpty() ? QStringLiteral("en") : code;
    if (installed == QLatin1String("en")) {
        QLocale english(QLocale::English, QLocale::UnitedStates);
        english.setNumberOptions(QLocale::OmitGroupSeparator);
        QLocale::setDefault(english);
        return;
    }
    QLocale locale(installed);
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(locale);
    ours = new QTranslator;
    if (ours->load(QStringLiteral(":/i18n/wavelab_") + installed))
        QCoreApplication::installTranslator(ours);
    // Qt's own dialogs and buttons, from the translations the system's Qt ships.
    qts = new QTranslator;
    if (qts->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qts);
}

QString shownNumber(double value, int decimals)
{
    return QLocale().toString(value, 'f', decimals);
}

QString installedLanguage()
{
    return installed;
}

} // namespace wave
