// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"

#include "help/help_window.h"
#include "huygens/huygens_pages.h"
#include "interference/interference_panel.h"
#include "platform/picture_file.h"
#include "platform/recent_files.h"
#include "platform/setup_examples.h"
#include "slit/slit_panel.h"

#include <QAction>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>

namespace wave {

namespace {

QString openTitle()
{
    return TInterference::tr("Open Set-up");
}

QString saveTitle()
{
    return TInterference::tr("Save Set-up");
}

FileFilter setupFilter()
{
    return {TInterference::tr("Wave set-ups"), QStringLiteral("*.wavelab"),
            QStringLiteral("wavelab")};
}

QString shownName(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// A menu item's text shows an ampersand as it is.
QString menuText(QString text)
{
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

// The first local set-up file among dropped ones.
QString droppedSetup(const QMimeData *data)
{
    if (!data || !data->hasUrls())
        return {};
    for (const QUrl &url : data->urls())
        if (url.isLocalFile() &&
            url.toLocalFile().endsWith(QLatin1String(".wavelab"), Qt::CaseInsensitive))
            return url.toLocalFile();
    return {};
}

} // namespace

void TInterference::buildSetupMenu()
{
    Setup1 = new QMenu(tr("&File"), this);
    Setup1->setObjectName(QStringLiteral("Setup1"));
    menuBar()->insertMenu(menuBar()->actions().constFirst(), Setup1);
    const auto item = [this](const char *name, const QString &caption, const QKeySequence &keys,
                             void (TInterference::*slot)()) {
        QAction *action = Setup1->addAction(caption);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    NewSetup1 = item("NewSetup1", tr("&New Set-up"), QKeySequence(Qt::CTRL | Qt::Key_N),
                     &TInterference::NewSetup1Click);
    OpenSetup1 = item("OpenSetup1", tr("&Open Set-up..."), QKeySequence(Qt::CTRL | Qt::Key_O),
                      &TInterference::OpenSetup1Click);
    Examples1 = Setup1->addMenu(tr("Open &Example"));
    Examples1->setObjectName(QStringLiteral("Examples1"));
    Examples1->setToolTipsVisible(true);
    Recent1 = Setup1->addMenu(tr("Open &Recent"));
    Recent1->setObjectName(QStringLiteral("Recent1"));
    Recent1->setToolTipsVisible(true);
    ClearRecent1 = new QAction(tr("&Clear List"), this);
    ClearRecent1->setObjectName(QStringLiteral("ClearRecent1"));
    connect(ClearRecent1, &QAction::triggered, this, [this] {
        RecentFiles().clear();
        fillRecent();
    });
    Setup1->addSeparator();
    SaveSetup1 = item("SaveSetup1", tr("&Save Set-up..."), QKeySequence(Qt::CTRL | Qt::Key_S),
                      &TInterference::SaveSetup1Click);
    SaveSetupAs1 =
        item("SaveSetupAs1", tr("Save Set-up &As..."),
             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), &TInterference::SaveSetupAs1Click);
    setAcceptDrops(true);
    fillRecent();
    setExamplesFolder(examplesFolder());
}

void TInterference::setExamplesFolder(const QString &folder)
{
    examplesFolder_ = folder;
    Examples1->clear();
    int number = 0;
    Product section = Product::Interference;
    for (const SetupExample &example : setupExamples(folder)) {
        if (number > 0 && example.setup.product != section)
            Examples1->addSeparator();
        section = example.setup.product;
        ++number;
        const QString title = example.setup.title.isEmpty()
                                  ? QFileInfo(example.path).completeBaseName()
                                  : example.setup.title;
        // Numbered so that each has a key of its own, and named by the product it opens in.
        QString caption =
            productInfo(example.setup.product).caption + QStringLiteral(": ") + menuText(title);
        if (number < 10 + 26)
            caption = QStringLiteral("&%1 ").arg(number < 10 ? QChar(u'0' + number)
                                                             : QChar(u'A' + number - 10)) +
                      caption;
        QAction *action = Examples1->addAction(caption);
        action->setObjectName(QStringLiteral("Example%1").arg(number));
        action->setToolTip(example.setup.description);
        action->setStatusTip(example.setup.description);
        connect(action, &QAction::triggered, this,
                [this, path = example.path] { openSetup(path); });
    }
    Examples1->setEnabled(number > 0);
}

void TInterference::fillRecent()
{
    // The item being chosen may be the one that asks for the new list: it goes later.
    for (QAction *old : Recent1->actions()) {
        Recent1->removeAction(old);
        if (old != ClearRecent1) {
            old->setObjectName(QString());
            old->deleteLater();
        }
    }
    const QStringList files = RecentFiles().files();
    for (qsizetype k = 0; k < files.size(); ++k) {
        QAction *action = Recent1->addAction(QStringLiteral("&%1 ").arg(k + 1) +
                                             menuText(QFileInfo(files.at(k)).fileName()));
        action->setObjectName(QStringLiteral("RecentFile%1").arg(k + 1));
        action->setToolTip(shownName(files.at(k)));
        connect(action, &QAction::triggered, this, [this, path = files.at(k)] { openSetup(path); });
    }
    if (!files.isEmpty())
        Recent1->addSeparator();
    Recent1->addAction(ClearRecent1);
    ClearRecent1->setEnabled(!files.isEmpty());
}

void TInterference::start(const QString &setupPath)
{
    show();
    FormActivate();
    if (setupPath.isEmpty())
        return;
    adoptProduct_ = true;
    openSetup(setupPath);
    adoptProduct_ = false;
}

SetupValues TInterference::productSettings() const
{
    switch (product_) {
    case Product::Interference:
        return Varying->settings();
    case Product::Huygens:
        return huygens->settings();
    case Product::SingleSlit:
        break;
    }
    return sslit->settings();
}

SetupCheck TInterference::applyToProduct(const SetupValues &values, const SetupValues &base)
{
    switch (product_) {
    case Product::Interference:
        return Varying->apply(values, base);
    case Product::Huygens:
        return huygens->apply(values, base);
    case Product::SingleSlit:
        break;
    }
    return sslit->apply(values, base);
}

void TInterference::openSetup(const QString &path)
{
    const SetupRead read = readSetupFile(path);
    if (!read.setup) {
        services_.dialogs.message(this, MessageKind::Error, openTitle(),
                                  tr("The set-up %1 could not be opened.\n%2\nNothing "
                                     "was changed.")
                                      .arg(shownName(path), read.error));
        if (!QFileInfo::exists(path))
            RecentFiles().remove(path);
        fillRecent();
        return;
    }
    const Product product = read.setup->product;
    if (product != product_ && adoptProduct_) {
        // Started with a file: the window becomes the file's product and stays so, unless the
        // file cannot be opened after all.
        const QString startedAs = programName_;
        programName_ = launcherName(product);
        FormActivate();
        if (!openSetupHere(path, *read.setup)) {
            programName_ = startedAs;
            FormActivate();
        }
        return;
    }
    if (product == product_) {
        openSetupHere(path, *read.setup);
        return;
    }
    const QString launcher = launcherName(product);
    const QString failure = services_.starter.start(launcher, {QFileInfo(path).absoluteFilePath()});
    if (!failure.isEmpty()) {
        services_.dialogs.message(this, MessageKind::Error, openTitle(),
                                  tr("The set-up %1 is for %2, and %2 could not be "
                                     "started.\n%3")
                                      .arg(shownName(path), productInfo(product).caption, failure));
        return;
    }
    RecentFiles().add(path);
    fillRecent();
    services_.dialogs.message(this, MessageKind::Information, openTitle(),
                              tr("The set-up %1 is for %2. It opens in a new %2 "
                                 "window; this window stays as it is.")
                                  .arg(shownName(path), productInfo(product).caption));
}

bool TInterference::openSetupHere(const QString &path, const SetupFile &setup)
{
    // Settings the file leaves out take the product's start-up values.
    const SetupCheck checked = applyToProduct(setup.settings, startupSettings_.value(product_));
    if (!checked.ok()) {
        services_.dialogs.message(this, MessageKind::Error, openTitle(),
                                  tr("The set-up %1 could not be opened.\n%2\nNothing "
                                     "was changed.")
                                      .arg(shownName(path), checked.error));
        return false;
    }
    setupPath_ = QFileInfo(path).absoluteFilePath();
    setup_ = setup;
    setup_.settings = productSettings();
    showCaption();
    RecentFiles().add(path);
    fillRecent();
    if (!checked.ignored.isEmpty())
        services_.dialogs.message(
            this, MessageKind::Warning, openTitle(),
            tr("The set-up %1 was opened, but %2 has no setting of these names, so "
               "they were ignored:\n%3")
                .arg(shownName(path), productInfo(product_).caption,
                     checked.ignored.join(QStringLiteral(", "))));
    return true;
}

void TInterference::NewSetup1Click()
{
    applyToProduct(startupSettings_.value(product_));
    setupPath_.clear();
    setup_ = SetupFile{};
    showCaption();
}

void TInterference::OpenSetup1Click()
{
    const QString path = services_.files.openFile(this, openTitle(), setupFilter());
    if (!path.isEmpty())
        openSetup(path);
}

void TInterference::SaveSetup1Click()
{
    // The shipped lessons stay as they are: saving one asks for a file of the user's own.
    const bool example =
        !examplesFolder_.isEmpty() &&
        QFileInfo(setupPath_).absolutePath() == QFileInfo(examplesFolder_).absoluteFilePath();
    if (setupPath_.isEmpty() || example)
        SaveSetupAs1Click();
    else
        saveSetupTo(setupPath_);
}

void TInterference::SaveSetupAs1Click()
{
    const QString path = services_.files.saveFile(this, saveTitle(), setupFilter());
    if (!path.isEmpty())
        saveSetupTo(path);
}

void TInterference::saveSetupTo(const QString &path)
{
    // The teacher's title, description and help page stay with the file.
    SetupFile setup = setup_;
    setup.product = product_;
    setup.settings = productSettings();
    const WriteOutcome outcome = writeWholeFile(path, setupBytes(setup));
    if (!outcome.ok()) {
        services_.dialogs.message(this, MessageKind::Error, saveTitle(),
                                  exportFailureText(path, outcome));
        return;
    }
    setupPath_ = QFileInfo(path).absoluteFilePath();
    setup_ = setup;
    showCaption();
    RecentFiles().add(path);
    fillRecent();
}

void TInterference::showCaption()
{
    const QString caption = productInfo(product_).caption;
    setWindowTitle(setupPath_.isEmpty()
                       ? caption
                       : caption + QStringLiteral(" - ") + QFileInfo(setupPath_).fileName());
}

void TInterference::dragEnterEvent(QDragEnterEvent *event)
{
    if (!droppedSetup(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void TInterference::dropEvent(QDropEvent *event)
{
    const QString path = droppedSetup(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    openSetup(path);
}

} // namespace wave
