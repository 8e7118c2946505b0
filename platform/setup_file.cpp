// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/setup_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <array>
#include <cmath>

namespace wave {

namespace {

const QString formatTag = QStringLiteral("wavelab-setup");

SetupRead refused(const QString &error)
{
    return {std::nullopt, error};
}

// One JSON value as it stands in a file, strings quoted and escaped.
QByteArray jsonText(const QJsonValue &value)
{
    const QByteArray array = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

// A text member that may be absent; nullopt when it is there but no text.
std::optional<QString> optionalText(const QJsonObject &object, const QString &name)
{
    const QJsonValue value = object.value(name);
    if (value.isUndefined())
        return QString();
    if (!value.isString())
        return std::nullopt;
    return value.toString();
}

} // namespace

SetupRead parseSetup(const QByteArray &bytes)
{
    if (bytes.trimmed().isEmpty())
        return refused(QCoreApplication::translate("SetupFile", "The file is empty."));
    QJsonParseError parse;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parse);
    if (parse.error != QJsonParseError::NoError)
        return refused(QCoreApplication::translate(
                           "SetupFile", "It is not a set-up file: its text is no valid JSON "
                                        "(%1 at character %2).")
                           .arg(parse.errorString())
                           .arg(parse.offset + 1));
    if (!document.isObject())
        return refused(QCoreApplication::translate(
            "SetupFile", "It is not a set-up file: it holds no JSON object."));
    const QJsonObject object = document.object();

    const QJsonValue format = object.value(QLatin1String("format"));
    if (format.toString() != formatTag)
        return refused(
            QCoreApplication::translate("SetupFile",
                                        "It is not a set-up file: its \"format\" is %1, not "
                                        "\"%2\".")
                .arg(format.isUndefined() ? QCoreApplication::translate("SetupFile", "missing")
                                          : QString::fromUtf8(jsonText(format)),
                     formatTag));

    const QJsonValue version = object.value(QLatin1String("version"));
    const double number = version.toDouble(-1);
    if (!version.isDouble() || number < 1 || std::floor(number) != number)
        return refused(
            QCoreApplication::translate("SetupFile",
                                        "Its \"version\" is %1, not a whole number from 1 up.")
                .arg(version.isUndefined() ? QCoreApplication::translate("SetupFile", "missing")
                                           : QString::fromUtf8(jsonText(version))));
    if (number > setupVersion)
        return refused(QCoreApplication::translate(
                           "SetupFile", "It was written by a newer version of the program (set-up "
                                        "version %1); this one reads version %2.")
                           .arg(QString::fromUtf8(jsonText(version)))
                           .arg(setupVersion));

    SetupFile setup;
    const QJsonValue product = object.value(QLatin1String("product"));
    const std::optional<Product> known = productForKey(product.toString());
    if (!product.isString() || !known)
        return refused(QCoreApplication::translate(
                           "SetupFile", "It is for the product %1, which this program does not "
                                        "have; it has \"%2\", \"%3\" and \"%4\".")
                           .arg(product.isUndefined()
                                    ? QCoreApplication::translate("SetupFile", "(none named)")
                                    : QString::fromUtf8(jsonText(product)),
                                productKey(Product::Interference), productKey(Product::Huygens),
                                productKey(Product::SingleSlit)));
    setup.product = *known;

    const std::array<std::pair<const char *, QString *>, 3> texts{
        {{"title", &setup.title}, {"description", &setup.description}, {"help", &setup.help}}};
    for (const auto &[name, text] : texts) {
        const std::optional<QString> read = optionalText(object, QLatin1String(name));
        if (!read)
            return refused(QCoreApplication::translate("SetupFile", "Its \"%1\" is not a text.")
                               .arg(QLatin1String(name)));
        *text = *read;
    }

    const QJsonValue settings = object.value(QLatin1String("settings"));
    if (!settings.isUndefined() && !settings.isObject())
        return refused(QCoreApplication::translate(
            "SetupFile", "Its \"settings\" are not a JSON object of names and "
                         "values."));
    const QJsonObject values = settings.toObject();
    for (auto it = values.begin(); it != values.end(); ++it)
        setup.settings.append({it.key(), it.value()});
    return {setup, {}};
}

SetupRead readSetupFile(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return refused(QCoreApplication::translate("SetupFile", "It is a folder, not a file."));
    if (!info.exists())
        return refused(QCoreApplication::translate(
            "SetupFile", "The file does not exist (it may have been moved, renamed "
                         "or deleted)."));
    if (!info.isFile())
        return refused(QCoreApplication::translate("SetupFile", "It is not a plain file."));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refused(QCoreApplication::translate("SetupFile", "The file cannot be read: %1.")
                           .arg(file.errorString()));
    // One byte past the limit tells a file at the limit from a larger one.
    const QByteArray bytes = file.read(setupSizeLimit + 1);
    if (file.error() != QFileDevice::NoError)
        return refused(QCoreApplication::translate("SetupFile", "The file cannot be read: %1.")
                           .arg(file.errorString()));
    if (bytes.size() > setupSizeLimit)
        return refused(QCoreApplication::translate(
            "SetupFile", "The file is larger than 1 MiB; a set-up takes a few "
                         "hundred bytes."));
    return parseSetup(bytes);
}

QByteArray setupBytes(const SetupFile &setup)
{
    QByteArray text = "{\n    \"format\": " + jsonText(formatTag) +
                      ",\n    \"version\": " + QByteArray::number(setupVersion) +
                      ",\n    \"product\": " + jsonText(productKey(setup.product));
    const std::array<std::pair<const char *, QString>, 3> texts{
        {{"title", setup.title}, {"description", setup.description}, {"help", setup.help}}};
    for (const auto &[name, value] : texts)
        if (!value.isEmpty())
            text += ",\n    \"" + QByteArray(name) + "\": " + jsonText(value);
    text += ",\n    \"settings\": {";
    for (qsizetype k = 0; k < setup.settings.size(); ++k) {
        const auto &[name, value] = setup.settings.at(k);
        text += (k == 0 ? "\n        " : ",\n        ") + jsonText(name) + ": " + jsonText(value);
    }
    text += setup.settings.isEmpty() ? "}\n}\n" : "\n    }\n}\n";
    return text;
}

} // namespace wave
