// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/setup_controls.h"

#include "platform/controls.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRadioButton>
#include <QScrollBar>
#include <QSet>

#include <cmath>

namespace wave {

namespace {

template <class... Ts> struct Overloaded : Ts... {
    using Ts::operator()...;
};

QString shown(const QJsonValue &value)
{
    const QByteArray array = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}

QString objectName(const QObject *control)
{
    return control->objectName();
}

// A list's items written as numbers when every one of them is a number.
bool numericItems(const QComboBox *list)
{
    for (int k = 0; k < list->count(); ++k) {
        bool number = false;
        list->itemText(k).toDouble(&number);
        if (!number)
            return false;
    }
    return list->count() > 0;
}

QJsonValue itemValue(const QComboBox *list, int index)
{
    if (index < 0)
        return QJsonValue(QJsonValue::Null);
    const QString text = list->itemText(index);
    return numericItems(list) ? QJsonValue(text.toDouble()) : QJsonValue(text);
}

// A whole number in [lo, hi], or the fault, naming the setting and its range.
std::variant<int, QString> wholeNumber(const QString &name, const QJsonValue &value, int lo, int hi,
                                       const QString &what)
{
    const double number = value.toDouble();
    if (!value.isDouble() || std::floor(number) != number)
        return QCoreApplication::translate("SetupControls",
                                           "The setting \"%1\" is %2; it must be %3 from %4 to %5.")
            .arg(name, shown(value), what)
            .arg(lo)
            .arg(hi);
    if (number < lo || number > hi)
        return QCoreApplication::translate("SetupControls",
                                           "The setting \"%1\" is %2, outside its range %3 to %4.")
            .arg(name, shown(value))
            .arg(lo)
            .arg(hi);
    return static_cast<int>(number);
}

std::variant<int, QString> truth(const QString &name, const QJsonValue &value)
{
    if (!value.isBool())
        return QCoreApplication::translate("SetupControls",
                                           "The setting \"%1\" is %2; it must be true or false.")
            .arg(name, shown(value));
    return value.toBool() ? 1 : 0;
}

std::variant<int, QString> item(const QString &name, const QJsonValue &value, const QComboBox *list)
{
    QStringList items;
    for (int k = 0; k < list->count(); ++k) {
        items << list->itemText(k);
        const bool same = value.isString() ? value.toString() == items.constLast()
                                           : value.isDouble() && numericItems(list) &&
                                                 items.constLast().toDouble() == value.toDouble();
        if (same)
            return k;
    }
    return QCoreApplication::translate("SetupControls",
                                       "The setting \"%1\" is %2; it must be one of %3.")
        .arg(name, shown(value), items.join(QStringLiteral(", ")));
}

} // namespace

int SetupCheck::value(const QObject *control) const
{
    return values.value(control->objectName());
}

void SetupControls::add(QScrollBar *bar)
{
    controls_.append(bar);
}

void SetupControls::add(QAbstractButton *check)
{
    controls_.append(check);
}

void SetupControls::add(QAction *check)
{
    controls_.append(check);
}

void SetupControls::addPair(QRadioButton *first, QRadioButton *second)
{
    controls_.append(first);
    controls_.append(second);
    pairs_.append(Pair{first, second});
}

void SetupControls::add(QComboBox *list)
{
    controls_.append(list);
}

void SetupControls::add(Notebook *notebook)
{
    controls_.append(notebook);
}

SetupValues SetupControls::values() const
{
    SetupValues values;
    for (const Control &control : controls_) {
        std::visit(Overloaded{
                       [&](QScrollBar *bar) {
                           values.append({objectName(bar), bar->value()});
                       },
                       [&](QAbstractButton *check) {
                           values.append({objectName(check), check->isChecked()});
                       },
                       [&](QAction *check) {
                           values.append({objectName(check), check->isChecked()});
                       },
                       [&](QRadioButton *radio) {
                           values.append({objectName(radio), radio->isChecked()});
                       },
                       [&](QComboBox *list) {
                           values.append({objectName(list), itemValue(list, list->currentIndex())});
                       },
                       [&](Notebook *notebook) {
                           values.append({objectName(notebook), notebook->pageIndex()});
                       },
                   },
                   control);
    }
    return values;
}

SetupCheck SetupControls::check(const SetupValues &values, const SetupValues &base) const
{
    SetupCheck checked;
    QHash<QString, QJsonValue> given;
    QHash<QString, QJsonValue> fallback;
    QSet<QString> named;
    for (const auto &[name, value] : values)
        given.insert(name, value);
    for (const auto &[name, value] : base)
        fallback.insert(name, value);

    for (const Control &control : controls_) {
        const QObject *object = std::visit([](auto *c) -> const QObject * { return c; }, control);
        const QString name = objectName(object);
        const bool inFile = given.contains(name);
        const QJsonValue value =
            inFile ? given.take(name) : fallback.value(name, QJsonValue(QJsonValue::Undefined));
        if (inFile)
            named.insert(name);
        std::variant<int, QString> read;
        if (value.isUndefined()) {
            read = std::visit(Overloaded{
                                  [](QScrollBar *bar) { return bar->value(); },
                                  [](QAbstractButton *check) { return int(check->isChecked()); },
                                  [](QAction *check) { return int(check->isChecked()); },
                                  [](QRadioButton *radio) { return int(radio->isChecked()); },
                                  [](QComboBox *list) { return list->currentIndex(); },
                                  [](Notebook *notebook) { return notebook->pageIndex(); },
                              },
                              control);
        } else {
            read =
                std::visit(Overloaded{
                               [&](QScrollBar *bar) {
                                   return wholeNumber(name, value, bar->minimum(), bar->maximum(),
                                                      QCoreApplication::translate(
                                                          "SetupControls", "a whole number"));
                               },
                               [&](QAbstractButton *) { return truth(name, value); },
                               [&](QAction *) { return truth(name, value); },
                               [&](QRadioButton *) { return truth(name, value); },
                               [&](QComboBox *list) { return item(name, value, list); },
                               [&](Notebook *notebook) {
                                   return wholeNumber(name, value, 0, notebook->pageCount() - 1,
                                                      QCoreApplication::translate("SetupControls",
                                                                                  "a page number"));
                               },
                           },
                           control);
        }
        if (const QString *fault = std::get_if<QString>(&read)) {
            checked.error = *fault;
            return checked;
        }
        checked.values.insert(name, std::get<int>(read));
    }
    for (const Pair &pair : pairs_) {
        // One of a pair named alone decides the other as well.
        const QString first = objectName(pair.first);
        const QString second = objectName(pair.second);
        if (named.contains(first) != named.contains(second)) {
            const QString &alone = named.contains(first) ? first : second;
            checked.values[alone == first ? second : first] = checked.values.value(alone) ? 0 : 1;
        }
        if (checked.on(pair.first) && checked.on(pair.second)) {
            checked.error =
                QCoreApplication::translate("SetupControls",
                                            "The settings \"%1\" and \"%2\" are both true; only "
                                            "one of the two can be.")
                    .arg(objectName(pair.first), objectName(pair.second));
            return checked;
        }
    }
    checked.ignored = given.keys();
    checked.ignored.sort();
    return checked;
}

void applyPair(const SetupCheck &setup, QRadioButton *first, QRadioButton *second)
{
    if (setup.on(first) || setup.on(second)) {
        (setup.on(first) ? first : second)->setChecked(true);
        return;
    }
    uncheckRadio(first);
    uncheckRadio(second);
}

} // namespace wave
