// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;
class QTextBrowser;
class QToolButton;

namespace wave {

// The page the help opens at for a product's help context number: 7000 interference, 8000
// single-slit diffraction, 9000 Huygens' principle; the contents for any other number.
QString helpPageForContext(int context);

// Every page compiled into the program, by file name.
QStringList helpPages();

// The help: one browser over the pages compiled into the program, with back, forward and the
// contents. It stays open beside the window it was opened from, so that a student can read and
// try at once; it changes no setting, so closing it resets nothing.
class HelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *parent = nullptr);

    // Shows the page ("light.html") in front of `over`, a fresh history starting there. A
    // lesson's title and description, when given, stand above the page.
    void showPage(const QString &page, QWidget *over, const QString &lessonTitle = {},
                  const QString &lessonText = {});
    // The file name of the page shown.
    QString currentPage() const;

    QToolButton *backbt, *forwardbt, *contentsbt;
    QTextBrowser *browser;
    QLabel *lessonNote;
};

} // namespace wave
