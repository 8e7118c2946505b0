// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/program.h"
#include "platform/display_settings.h"
#include "platform/language.h"
#include "platform/readers.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    // The product is chosen by the name the program was started under, link or not.
    const QString programName = QString::fromLocal8Bit(argc > 0 ? argv[0] : "");
    QApplication::setApplicationName(QStringLiteral("Interference"));
    // The large display is Qt's own scaling by a whole factor, fixed before the application
    // starts; a scale the user set himself wins.
    const wave::DisplaySettings display = wave::loadDisplaySettings();
    const int scale = display.largeDisplay;
    if (scale > 1 && !qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        qputenv("QT_SCALE_FACTOR", QByteArray::number(scale));
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    wave::installReaderInterfaces();
    const wave::LanguageChoice language =
        wave::chooseLanguage(QApplication::arguments(), display.language);
    if (!language.warning.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(language.warning));
    wave::installLanguage(language.code);

    wave::Program program(programName);
    // A set-up to open, as a desktop's "Open with" or a double click hands it over.
    program.start(language.arguments.value(1));
    return app.exec();
}
