// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/controls.h"

#include <QString>

#include <initializer_list>
#include <utility>

class QCheckBox;
class QColor;
class QFrame;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QWidget;

namespace wave {

// Builders for controls placed at fixed positions, each named for its objectName.
struct Place {
    int left, top, width, height;
};

void place(QWidget *widget, const char *name, Place where);
// A panel filled with its own colour.
// Fills the widget's background with the colour.
void paintBackground(QWidget *widget, const QColor &colour);
QFrame *panel(QWidget *parent, const char *name, const QColor &colour, Place where);
template <class Label = QLabel>
Label *label(QWidget *parent, const char *name, const QString &text, Place where)
{
    auto *created = new Label(text, parent);
    place(created, name, where);
    return created;
}
QGroupBox *group(QWidget *parent, const char *name, const QString &title, Place where);
QCheckBox *checkBox(QWidget *parent, const char *name, const QString &text, Place where);
QRadioButton *radio(QWidget *parent, const char *name, const QString &text, Place where);
QPushButton *button(QWidget *parent, const char *name, const QString &text, Place where);

// Names controls for screen readers by what they set, where no caption names them.
void nameForReaders(std::initializer_list<std::pair<QWidget *, const char *>> names);
// Tells screen readers what a picture shows now; an unchanged text is not announced again.
void describeForReaders(QWidget *picture, const QString &description);

// A horizontal bar with its range, position and large step set before any handler is
// connected, so that building it runs nothing.
template <class Bar = ScrollBar>
Bar *bar(QWidget *parent, const char *name, int minimum, int maximum, int value, int largeStep,
         Place where)
{
    auto *created = new Bar(Qt::Horizontal, parent);
    created->setRange(minimum, maximum);
    created->setValue(value);
    created->setPageStep(largeStep);
    // Tab reaches every bar, and the keys move it as the mouse does.
    created->setFocusPolicy(Qt::StrongFocus);
    // Qt's scroll bars take the right arrow key as a step down; here it steps up.
    created->setInvertedControls(false);
    place(created, name, where);
    return created;
}

} // namespace wave
