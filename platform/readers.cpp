// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/readers.h"

#include "platform/controls.h"

#include <QAbstractItemView>
#include <QAccessibleApplication>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCoreApplication>
#include <QHash>
#include <QLabel>
#include <QRegularExpression>
#include <QScrollBar>

#include <cmath>

namespace wave {

namespace {

struct Reading {
    double value;
    QString text;
};
using Reader = std::function<Reading(int position)>;

// What each object asked for, dropped with the object.
template <class Value> QHash<const QObject *, Value> &registry()
{
    static QHash<const QObject *, Value> entries;
    return entries;
}

// Every interface made here, told apart from Qt's own.
struct Ours {
    virtual ~Ours() = default;
};

template <class Value> void remember(QObject *object, Value value)
{
    installReaderInterfaces();
    auto &entries = registry<Value>();
    if (!entries.contains(object))
        QObject::connect(object, &QObject::destroyed,
                         [object] { registry<Value>().remove(object); });
    entries.insert(object, std::move(value));
    // Qt keeps the first interface made for an object; one made before this (announcing a
    // name given earlier) would hide ours.
    QAccessibleInterface *made = QAccessible::queryAccessibleInterface(object);
    if (made && !dynamic_cast<Ours *>(made)) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
        QAccessible::queryAccessibleInterface(object);
    }
}

class BarInterface : public QAccessibleWidget, public QAccessibleValueInterface, public Ours {
public:
    BarInterface(QScrollBar *bar, const Reader &reader)
        : QAccessibleWidget(bar, QAccessible::ScrollBar), reader_(reader)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return reader_(bar()->value()).text;
        return QAccessibleWidget::text(kind);
    }

    QVariant currentValue() const override { return reader_(bar()->value()).value; }

    // A reader sets a quantity: the bar goes to the position whose quantity lies nearest.
    void setCurrentValue(const QVariant &value) override
    {
        const double wanted = value.toDouble();
        int best = bar()->minimum();
        for (int position = bar()->minimum(); position <= bar()->maximum(); ++position)
            if (std::abs(reader_(position).value - wanted) < std::abs(reader_(best).value - wanted))
                best = position;
        bar()->setValue(best);
    }

    QVariant minimumValue() const override
    {
        return std::min(reader_(bar()->minimum()).value, reader_(bar()->maximum()).value);
    }

    QVariant maximumValue() const override
    {
        return std::max(reader_(bar()->minimum()).value, reader_(bar()->maximum()).value);
    }

    QVariant minimumStepSize() const override
    {
        const int first = bar()->minimum();
        return std::abs(reader_(std::min(first + 1, bar()->maximum())).value -
                        reader_(first).value);
    }

private:
    QScrollBar *bar() const { return static_cast<QScrollBar *>(widget()); }

    Reader reader_;
};

// Qt names a drop-down list on Linux by its current item, so that two lists holding "2" both
// read "2"; this one reads its own name (or its label's) and the item as its value.
class ListInterface : public QAccessibleWidget {
public:
    explicit ListInterface(NamedList *list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return list()->currentText();
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = list()->view()->isVisible();
        return state;
    }

    int childCount() const override { return 1; }
    QAccessibleInterface *child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && child->object() == list()->view() ? 0 : -1;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString &action) override
    {
        if (action == showMenuAction() || action == pressAction())
            list()->showPopup();
    }

private:
    QComboBox *list() const { return static_cast<QComboBox *>(widget()); }
};

struct DegreeMark {
    QLabel *mark;
};

// "Angle: 45.1" with its letter "o" beside it reads "Angle: 45.1 degrees".
class DegreeReadingInterface : public QAccessibleWidget, public Ours {
public:
    DegreeReadingInterface(QLabel *reading, QLabel *mark)
        : QAccessibleWidget(reading, QAccessible::StaticText), mark_(mark)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Name)
            return QAccessibleWidget::text(kind);
        const QString shown = static_cast<QLabel *>(widget())->text();
        if (shown.contains(QChar(0xB0)))
            return QString(shown).replace(QChar(0xB0),
                                          QCoreApplication::translate("Readers", " degrees"));
        return mark_->isHidden() ? shown
                                 : shown + QCoreApplication::translate("Readers", " degrees");
    }

private:
    QLabel *mark_;
};

// The mark says nothing of its own: its reading says "degrees".
class SilentInterface : public QAccessibleWidget, public Ours {
public:
    explicit SilentInterface(QWidget *widget) : QAccessibleWidget(widget, QAccessible::StaticText)
    {
    }
    QString text(QAccessible::Text) const override { return {}; }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = true;
        return state;
    }
};

// A picture is an image to a reader, described by what it shows and, while it has the focus
// and so the keyboard's point, by where that point is.
class PictureInterface : public QAccessibleWidget {
public:
    explicit PictureInterface(ImageView *picture) : QAccessibleWidget(picture, QAccessible::Graphic)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        const QString text = QAccessibleWidget::text(kind);
        const auto *picture = static_cast<ImageView *>(widget());
        if (kind != QAccessible::Description || !picture->hasFocus())
            return text;
        const QPoint at = picture->keyboardPoint();
        return text + QCoreApplication::translate("Readers", "; keyboard point at x %1, y %2")
                          .arg(at.x())
                          .arg(at.y());
    }
};

// The program's name as a reader announces it: the application title without the blank
// that ends one of the products' titles.
class ProgramInterface : public QAccessibleApplication {
public:
    QString text(QAccessible::Text kind) const override
    {
        return QAccessibleApplication::text(kind).trimmed();
    }
};

QAccessibleInterface *readerInterface(const QString &, QObject *object)
{
    if (object == qApp)
        return new ProgramInterface;
    if (auto *bar = qobject_cast<QScrollBar *>(object)) {
        const auto &readers = registry<Reader>();
        const auto found = readers.constFind(bar);
        return found == readers.constEnd() ? nullptr : new BarInterface(bar, *found);
    }
    if (auto *list = qobject_cast<NamedList *>(object))
        return new ListInterface(list);
    if (auto *picture = qobject_cast<ImageView *>(object))
        return new PictureInterface(picture);
    if (auto *shown = qobject_cast<SpokenLabel *>(object)) {
        const auto &marks = registry<DegreeMark>();
        const auto found = marks.constFind(shown);
        if (found != marks.constEnd())
            return new DegreeReadingInterface(shown, found->mark);
        if (registry<bool>().contains(shown))
            return new SilentInterface(shown);
    }
    return nullptr;
}

QString lastNumber(const QString &text)
{
    // with the point or the comma the language writes decimals with
    static const QRegularExpression number(QStringLiteral("-?\\d+(?:[.,]\\d+)?"));
    QString last;
    for (const QRegularExpressionMatch &match : number.globalMatch(text))
        last = match.captured();
    return last;
}

} // namespace

void installReaderInterfaces()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    // Tried before Qt's own factory, which the application installed first.
    QAccessible::installFactory(readerInterface);
}

void readLikeLabel(QScrollBar *bar, std::function<QString(int)> shown, const QString &unit)
{
    remember<Reader>(bar, [shown = std::move(shown), unit](int position) {
        const QString number = lastNumber(shown(position));
        if (number.isEmpty())
            return Reading{double(position), shown(position)};
        return Reading{QString(number).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(),
                       unit.isEmpty() ? number : number + QLatin1Char(' ') + unit};
    });
}

void readInWords(QScrollBar *bar, std::function<QString(int)> words)
{
    remember<Reader>(bar, [words = std::move(words)](int position) {
        return Reading{double(position), words(position)};
    });
}

void readAsSpeed(QScrollBar *bar, std::function<int(int)> interval, const QString &moving)
{
    readInWords(bar, [maximum = bar->maximum(), interval = std::move(interval), moving](int v) {
        return QCoreApplication::translate("Readers",
                                           "Speed %1 of %2: the %3 move on every %4 milliseconds")
            .arg(v)
            .arg(maximum)
            .arg(moving)
            .arg(interval(v));
    });
}

void readDegrees(SpokenLabel *reading, SpokenLabel *mark)
{
    remember<DegreeMark>(reading, DegreeMark{mark});
    remember<bool>(mark, true);
}

void keepFromReaders(QWidget *widget)
{
    // A window of its own that is never shown is no child of its page for a reader, and
    // stays where the program finds it.
    widget->setWindowFlag(Qt::Window);
}

} // namespace wave
