// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace wave {

// A language the program speaks: its code ("de") and its name in itself ("Deutsch").
struct Language {
    QString code;
    QString name;
};

// English, the language the texts are written in, first; then every translation compiled
// into the program, by code.
const QList<Language> &shippedLanguages();

// The shipped language's code for a language tag such as "de", "de_AT.UTF-8" or "fr-CA";
// empty when the program lacks it. "C" and "POSIX" are English.
QString shippedCode(const QString &tag);

// The language the system asks for: the first of LANGUAGE (a list, first shipped entry
// wins), LC_ALL, LC_MESSAGES and LANG that is set decides; a language the program lacks
// gives English.
QString systemLanguage();

// The language to run in, with the arguments left once a "--language CODE" (or
// "--language=CODE") is taken out, and what to tell the user about a code it lacks.
struct LanguageChoice {
    QString code;
    QStringList arguments;
    QString warning;
};

// The command line wins over `chosen` (the user's choice from the menu, empty for the
// system's), which wins over the system's language.
LanguageChoice chooseLanguage(const QStringList &arguments, const QString &chosen);

// Loads the program's and Qt's own translations for `code` into the application and makes
// its locale the one numbers are shown in. English loads nothing and shows numbers as the
// texts are written. Call once, after the application is made and before any window.
void installLanguage(const QString &code);

// A number with `decimals` places as the language shows it ("3,5" in German), for labels and
// messages; data files keep QString::number's point whatever the language.
QString shownNumber(double value, int decimals);

// The language installed last; English before any.
QString installedLanguage();

} // namespace wave
