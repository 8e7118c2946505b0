#include "platform/form.h"

#include <QCheckBox>
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

QLabel *label(QWidget *parent, const char *name, const QString &text, Place where)
{
    auto *created = new QLabel(text, parent);
    place(created, name, where);
    return created;
}

QGroupBox *group(QWidget *parent, const char *name, const QString &title, Place where)
{
    auto *created = new QGroupBox(title, parent);
    place(created, name, where);
    return created;
}

QCheckBox *checkBox(QWidget *parent, const char *name, const QString &text, Place where)
{
    auto *created = new QCheckBox(text, parent);
    place(created, name, where);
    return created;
}

QRadioButton *radio(QWidget *parent, const char *name, const QString &text, Place where)
{
    auto *created = new QRadioButton(text, parent);
    place(created, name, where);
    return created;
}

QPushButton *button(QWidget *parent, const char *name, const QString &text, Place where)
{
    auto *created = new QPushButton(text, parent);
    place(created, name, where);
    return created;
}

} // namespace wave
