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
    Language1 = Display1->addMenu(tr("La&nguage"));
    Language1->setObjectName(QStringLiteral("Language1"));
    auto *choices = new QActionGroup(this);
    LanguageSystem1 = Language1->addAction(tr("&System"));
    LanguageSystem1->setObjectName(QStringLiteral("LanguageSystem1"));
    LanguageSystem1->setData(QString());
    Language1->addSeparator();
    // Each language by its own name, which it keeps in every other language.
    for (const Language &language : shippedLanguages()) {
        QAction *item = Language1->addAction(language.caption);
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
            Language1->setTitle(tr("La&nguage (changed from the next start)"));
        });
    }
}

} // namespace wave
