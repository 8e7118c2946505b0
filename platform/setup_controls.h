// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/setup_file.h"

#include <QHash>
#include <QStringList>

#include <variant>

class QAbstractButton;
class QAction;
class QComboBox;
class QObject;
class QRadioButton;
class QScrollBar;

namespace wave {

class Notebook;

// A set-up's values checked against the controls: every control's value as a number (a bar's
// position, 0 or 1 for a check, a list's or a notebook's index), or the first fault found.
struct SetupCheck {
    QString error;       // empty when every value fits its control
    QStringList ignored; // names that no control of the product has
    QHash<QString, int> values;

    bool ok() const { return error.isEmpty(); }
    int value(const QObject *control) const;
    bool on(const QObject *control) const { return value(control) != 0; }
};

// The controls a product's set-up holds, each named by its objectName: scroll bars by
// position, check boxes, checkable menu items and radio buttons by true or false, lists by
// the item's text (numbers when the items are numbers) and notebooks by the page's number
// from 0. The controls' own ranges and items are the rules a file is checked by.
class SetupControls {
public:
    void add(QScrollBar *bar);
    void add(QAbstractButton *check);
    void add(QAction *check);
    // Two radio buttons of one group: one of them is checked, or (after a deactivation) none.
    void addPair(QRadioButton *first, QRadioButton *second);
    void add(QComboBox *list);
    void add(Notebook *notebook);

    SetupValues values() const;
    // Checks every value; a control the values leave out takes its value in `base`, else keeps
    // its current one. Of a pair of radio buttons, one named alone decides the other too.
    SetupCheck check(const SetupValues &values, const SetupValues &base = {}) const;

private:
    struct Pair {
        QRadioButton *first, *second;
    };
    using Control = std::variant<QScrollBar *, QAbstractButton *, QAction *, QRadioButton *,
                                 QComboBox *, Notebook *>;
    QList<Control> controls_;
    QList<Pair> pairs_;
};

// Checks the one of a pair of radio buttons that the set-up checks (its click handler runs), or
// unchecks both when it checks neither.
void applyPair(const SetupCheck &setup, QRadioButton *first, QRadioButton *second);

} // namespace wave
