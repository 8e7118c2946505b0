// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/form.h"

#include <QCoreApplication>

#include "platform/controls.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace wave {

void place(QWidget *widget, const char *name, Place where)
{
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(where.left, where.top, where.width, where.height);
}

namespace {

// A control whose constructor takes its text first, placed and named.
template <class Control>
Control *titled(QWidget *parent, const char *name, const QString &text, Place where)
{
    auto *created = new Control(text, parent);
    place(created, name, where);
    return created;
}

} // namespace

void nameForReaders(std::initializer_list<std::pair<QWidget *, const char *>> names)
{
    for (const auto &[widget, name] : names)
        widget->setAccessibleName(QCoreApplication::translate("Readers", name));
}

void describeForReaders(QWidget *picture, const QString &description)
{
    if (picture->accessibleDescription() != description)
        picture->setAccessibleDescription(description);
}

void paintBackground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QFrame *panel(QWidget *parent, const char *name, const QColor &colour, Place where)
{
    auto *created = new QFrame(parent);
    place(created, name, where);
    paintBackground(created, colour);
    return created;
}

QGroupBox *group(QWidget *parent, const char *name, const QString &title, Place where)
{
    return titled<QGroupBox>(parent, name, title, where);
}
QCheckBox *checkBox(QWidget *parent, const char *name, const QString &text, Place where)
{
    return titled<QCheckBox>(parent, name, text, where);
}
QRadioButton *radio(QWidget *parent, const char *name, const QString &text, Place where)
{
    return titled<RadioButton>(parent, name, text, where);
}
QPushButton *button(QWidget *parent, const char *name, const QString &text, Place where)
{
    return titled<QPushButton>(parent, name, text, where);
}

} // namespace wave
