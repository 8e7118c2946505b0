// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace wave {

// Comma-separated values as RFC 4180 has them: a field with a comma, a quote or a line break
// is put in quotes with its quotes doubled, and every line ends in CR LF. Text is UTF-8.
class CsvText {
public:
    // A first line that names what the file holds; it starts with "# " and is written as it is.
    void comment(const QString &text);
    void row(const QStringList &fields);
    QByteArray bytes() const { return bytes_; }

private:
    QByteArray bytes_;
};

QString csvField(const QString &text);

// A number with a decimal point whatever the locale, in the fewest digits that read back as
// the same double.
QString csvNumber(double value);

} // namespace wave
