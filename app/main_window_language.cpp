// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"

#include "platform/language.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

namespace wave {

void TInterference::buildLanguageMenu()
{
    Display1->addSeparator();
    Language1 = Display1->addMenu(tr("Lan&guage"));
    Language1->setObjectName(QStringLiteral("Language1"));
    auto *choices = new QActionGroup(this);
    LanguageSystem1 = Language1->addAction(tr("&System"));
    LanguageSystem1->setObjectName(QStringLiteral("LanguageSystem1"));
    LanguageSystem1->setData(QString());
    Language1->addSeparator();
    // Each language by its own name, which it keeps in every other language, with the first
    // of its letters that no item above takes for Alt.
    const QString system = LanguageSystem1->text();
    QString taken = system.mid(system.indexOf(QLatin1Char('&')) + 1, 1).toLower();
    for (const Language &language : shippedLanguages()) {
        QString caption = language.name;
        for (qsizetype i = 0; i < caption.size(); ++i) {
            const QChar letter = caption.at(i).toLower();
            if (letter.isLetter() && !taken.contains(letter)) {
                taken += letter;
                caption.insert(i, QLatin1Char('&'));
                break;
            }
        }
        QAction *item = Language1->addAction(caption);
        item->setObjectName(QStringLiteral("Language_") + language.code);
        item->setData(language.code);
    }
    const QString chosen = shippedCode(display_.language);
    for (QAction *item : Language1->actions()) {
        if (item->isSeparator())
            continue;
        item->setCheckable(true);
        item->setChecked(item->data().toString() == chosen);
        choices->addAction(item);
        connect(item, &QAction::triggered, this, [this, item] {
            display_.language = item->data().toString();
            saveDisplaySettings(display_);
            Language1->setTitle(tr("Lan&guage (changed from the next start)"));
        });
    }
}

} // namespace wave
