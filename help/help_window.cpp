// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/help_window.h"

#include "platform/language.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace wave {

namespace {

const QString pagesFolder = QStringLiteral(":/help/");

// A translated page lies in its language's folder beside the English one.
QUrl pageUrl(const QString &page)
{
    const QString translated = pagesFolder + installedLanguage() + QLatin1Char('/') + page;
    return QUrl(QStringLiteral("qrc") +
                (QFileInfo::exists(translated) ? translated : pagesFolder + page));
}

QToolButton *toolButton(QWidget *parent, const char *name, QStyle::StandardPixmap icon,
                        const QString &text, const QKeySequence &shortcut)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setIcon(parent->style()->standardIcon(icon));
    button->setText(text);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setShortcut(shortcut);
    // The tip is also the button's description for readers: the caption without its mark
    // for the underlined letter.
    button->setToolTip(HelpWindow::tr("%1 (%2)").arg(QString(text).remove(QLatin1Char('&')),
                                                     shortcut.toString(QKeySequence::NativeText)));
    return button;
}

} // namespace

QString helpPageForContext(int context)
{
    switch (context) {
    case 7000:
        return QStringLiteral("interference.html");
    case 8000:
        return QStringLiteral("diffraction.html");
    case 9000:
        return QStringLiteral("huygens.html");
    default:
        return QStringLiteral("index.html");
    }
}

QStringList helpPages()
{
    return QDir(pagesFolder).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
}

HelpWindow::HelpWindow(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(tr("Help"));
    resize(640, 560);

    backbt = toolButton(this, "backbt", QStyle::SP_ArrowBack, tr("&Back"),
                        QKeySequence(Qt::ALT | Qt::Key_Left));
    forwardbt = toolButton(this, "forwardbt", QStyle::SP_ArrowForward, tr("&Forward"),
                           QKeySequence(Qt::ALT | Qt::Key_Right));
    contentsbt = toolButton(this, "contentsbt", QStyle::SP_DirHomeIcon, tr("&Contents"),
                            QKeySequence(Qt::ALT | Qt::Key_Home));
    browser = new QTextBrowser(this);
    browser->setObjectName(QStringLiteral("helpBrowser"));
    browser->setAccessibleName(tr("Help page"));
    browser->setOpenLinks(true);
    browser->setOpenExternalLinks(false);

    lessonNote = new QLabel(this);
    lessonNote->setObjectName(QStringLiteral("lessonNote"));
    lessonNote->setWordWrap(true);
    lessonNote->setTextFormat(Qt::RichText);
    lessonNote->setFrameShape(QFrame::StyledPanel);
    lessonNote->setMargin(6);
    lessonNote->hide();

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(backbt);
    buttons->addWidget(forwardbt);
    buttons->addWidget(contentsbt);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(lessonNote);
    layout->addWidget(browser);

    connect(backbt, &QToolButton::clicked, browser, &QTextBrowser::backward);
    connect(forwardbt, &QToolButton::clicked, browser, &QTextBrowser::forward);
    connect(contentsbt, &QToolButton::clicked, this,
            [this] { browser->setSource(pageUrl(QStringLiteral("index.html"))); });
    connect(browser, &QTextBrowser::backwardAvailable, backbt, &QToolButton::setEnabled);
    connect(browser, &QTextBrowser::forwardAvailable, forwardbt, &QToolButton::setEnabled);
    connect(browser, &QTextBrowser::sourceChanged, this,
            [this] { setWindowTitle(tr("Help - %1").arg(browser->documentTitle())); });
    backbt->setEnabled(false);
    forwardbt->setEnabled(false);
}

void HelpWindow::showPage(const QString &page, QWidget *over, const QString &lessonTitle,
                          const QString &lessonText)
{
    lessonNote->setText(QStringLiteral("<b>") + lessonTitle.toHtmlEscaped() +
                        QStringLiteral("</b><br>") + lessonText.toHtmlEscaped());
    lessonNote->setVisible(!lessonTitle.isEmpty() || !lessonText.isEmpty());
    // In front of the window asking, which may itself be modal: a help window belonging to it
    // takes the keyboard and the pointer while it is shown.
    if (over && parentWidget() != over)
        setParent(over, windowFlags());
    browser->setSource(pageUrl(page));
    browser->clearHistory();
    show();
    raise();
    activateWindow();
}

QString HelpWindow::currentPage() const
{
    return QFileInfo(browser->source().path()).fileName();
}

} // namespace wave
