// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace wave {

// "I am ....": the name the picture print puts at the top of the page. It lives as long as
// the program runs and is saved nowhere.
class TWhoami : public QDialog {
    Q_OBJECT
public:
    explicit TWhoami(QWidget *parent);

    QGroupBox *GroupBox1;
    QLineEdit *Iam;
    QLabel *Label1;
    QPushButton *okbt;

    QString userName() const;

protected:
    void showEvent(QShowEvent *event) override;
};

} // namespace wave
