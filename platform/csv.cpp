// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/csv.h"

#include <QLocale>

namespace wave {

void CsvText::comment(const QString &text)
{
    bytes_ += QStringLiteral("# ").toUtf8() + text.toUtf8() + "\r\n";
}

void CsvText::row(const QStringList &fields)
{
    QStringList quoted;
    for (const QString &field : fields)
        quoted << csvField(field);
    bytes_ += quoted.join(QLatin1Char(',')).toUtf8() + "\r\n";
}

QString csvField(const QString &text)
{
    const bool plain = !text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
                       !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r'));
    if (plain)
        return text;
    QString doubled = text;
    doubled.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + doubled + QLatin1Char('"');
}

QString csvNumber(double value)
{
    // QString::number always writes the C locale's point.
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

} // namespace wave
