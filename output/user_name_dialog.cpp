// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/user_name_dialog.h"

#include "platform/form.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace wave {

TWhoami::TWhoami(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("TWhoami"));
    setWindowTitle(tr("I am ...."));
    setFixedSize(260, 150);
    paintBackground(this, QColor(254, 253, 199));

    GroupBox1 = group(this, "GroupBox1", tr("Name"), {12, 8, 236, 56});
    paintBackground(GroupBox1, QColor(169, 150, 109));
    Iam = new QLineEdit(GroupBox1);
    place(Iam, "Iam", {10, 22, 216, 24});
    Iam->setAccessibleName(tr("User name"));
    Label1 = label(this, "Label1", tr("Name will appear on printout"), {12, 72, 236, 18});
    Label1->setAlignment(Qt::AlignCenter);
    okbt = button(this, "okbt", tr("Ok"), {90, 100, 80, 32});
    // Enter in the name field presses "Ok"; other keys type as usual.
    okbt->setDefault(true);
    connect(okbt, &QPushButton::clicked, this, &QDialog::accept);
}

QString TWhoami::userName() const
{
    return Iam->text();
}

void TWhoami::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (const QScreen *screen = this->screen()) {
        const QRect area = screen->geometry();
        move((area.width() - width()) / 2, (area.height() - height()) / 2);
    }
    Iam->setFocus();
}

} // namespace wave
