// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/help_window.h"
#include "measure/practice_window.h"
#include "platform/about.h"
#include "slit/light_window.h"
#include "started_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QTabBar>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>

#include <set>

using namespace wave;

namespace {

QString pageText(const QString &page)
{
    QFile file(QStringLiteral(":/help/") + page);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QStringList links(const QString &text)
{
    QStringList found;
    static const QRegularExpression href(QStringLiteral("href=\"([^\"]*)\""));
    for (const QRegularExpressionMatch &match : href.globalMatch(text))
        found << match.captured(1);
    return found;
}

} // namespace

class HelpTest : public QObject {
    Q_OBJECT
private slots:
    void f1OpensTheProductsPage_data();
    void f1OpensTheProductsPage();
    void secondaryWindowsOpenTheirOwnPages();
    void everyLinkResolves();
    void everyPageIsReachedFromTheContents();
    void productPagesOfferThingsToTry_data();
    void productPagesOfferThingsToTry();
    void boldNamesAreTheProgramsCaptions();
    void backAndForward();
    void aboutNamesProductVersionAndLicence_data();
    void aboutNamesProductVersionAndLicence();
};

void HelpTest::f1OpensTheProductsPage_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<int>("context");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("title");
    QTest::newRow("interference") << "Rundique" << 7000 << "interference.html"
                                  << "Interference of point sources";
    QTest::newRow("diffraction") << "Sorvelle" << 8000 << "diffraction.html"
                                 << "Single-slit diffraction";
    QTest::newRow("any other name") << "lab" << 8000 << "diffraction.html"
                                    << "Single-slit diffraction";
    QTest::newRow("Huygens") << "Pelvane" << 9000 << "huygens.html"
                             << "Huygens' principle";
}

void HelpTest::f1OpensTheProductsPage()
{
    QFETCH(QString, program);
    QFETCH(int, context);
    QFETCH(QString, page);
    QFETCH(QString, title);
    Started started(program);
    TInterference &window = started.window;
    QCOMPARE(window.Help1->property("helpContext").toInt(), context);
    QCOMPARE(helpPageForContext(context), page);
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    started.panel().sbtClick(); // a running animation, whichever product shows
    QTest::keyClick(&window, Qt::Key_F1);
    QVERIFY(window.helpWindow->isVisible());
    QCOMPARE(window.helpWindow->currentPage(), page);
    QCOMPARE(window.helpWindow->browser->documentTitle(), title);
    QVERIFY(!window.helpWindow->backbt->isEnabled());
    // reading the help resets nothing and stops nothing
    QVERIFY(started.panel().timeron->isChecked());
    QVERIFY(started.panel().Timer1->isActive());
}

void HelpTest::secondaryWindowsOpenTheirOwnPages()
{
    Started started(QStringLiteral("Rundique"));
    HelpWindow &help = *started.window.helpWindow;
    QCOMPARE(started.window.pattfrm->Contents1->shortcut(), QKeySequence(Qt::Key_F1));
    started.window.pattfrm->Contents1->trigger();
    QCOMPARE(help.currentPage(), QStringLiteral("light.html"));
    QCOMPARE(help.parentWidget(), started.window.pattfrm);
    QCOMPARE(started.window.Profrm->Contents1->shortcut(), QKeySequence(Qt::Key_F1));
    started.window.Profrm->Contents1->trigger();
    QCOMPARE(help.currentPage(), QStringLiteral("practice.html"));
    QCOMPARE(help.parentWidget(), started.window.Profrm);
    started.window.Contents1->trigger();
    QCOMPARE(help.currentPage(), QStringLiteral("interference.html"));
    QCOMPARE(help.parentWidget(), &started.window);
    QCOMPARE(helpPageForContext(1234), QStringLiteral("index.html"));
}

void HelpTest::everyLinkResolves()
{
    const QStringList pages = helpPages();
    QVERIFY(pages.size() >= 7);
    for (const QString &page : pages) {
        const QString text = pageText(page);
        QVERIFY2(text.contains(QStringLiteral("<title>")), qPrintable(page));
        for (const QString &link : links(text)) {
            const QString file = link.section(QLatin1Char('#'), 0, 0);
            const QString anchor = link.section(QLatin1Char('#'), 1);
            const QString target = file.isEmpty() ? page : file;
            QVERIFY2(pages.contains(target), qPrintable(page + QStringLiteral(": ") + link));
            if (!anchor.isEmpty())
                QVERIFY2(pageText(target).contains(QStringLiteral("name=\"%1\"").arg(anchor)),
                         qPrintable(page + QStringLiteral(": ") + link));
        }
    }
}

void HelpTest::everyPageIsReachedFromTheContents()
{
    std::set<QString> reached{QStringLiteral("index.html")};
    QStringList waiting{QStringLiteral("index.html")};
    while (!waiting.isEmpty()) {
        for (const QString &link : links(pageText(waiting.takeFirst()))) {
            const QString file = link.section(QLatin1Char('#'), 0, 0);
            if (!file.isEmpty() && reached.insert(file).second)
                waiting << file;
        }
    }
    const QStringList pages = helpPages();
    QCOMPARE(QStringList(reached.begin(), reached.end()), pages);
}

void HelpTest::productPagesOfferThingsToTry_data()
{
    QTest::addColumn<QString>("page");
    for (const char *page :
         {"interference.html", "diffraction.html", "huygens.html", "light.html", "practice.html"})
        QTest::newRow(page) << page;
}

void HelpTest::productPagesOfferThingsToTry()
{
    QFETCH(QString, page);
    const QString text = pageText(page);
    const qsizetype start = text.indexOf(QStringLiteral("name=\"try\""));
    QVERIFY(start > 0);
    const QString tried = text.mid(start, text.indexOf(QStringLiteral("</ol>"), start) - start);
    const qsizetype count = tried.count(QStringLiteral("<li>"));
    QVERIFY2(count >= 3 && count <= 5, qPrintable(QString::number(count)));
}

// Every control the pages name in bold is one the student finds on the screen, by its
// caption; words in lower case are the physics, not controls.
void HelpTest::boldNamesAreTheProgramsCaptions()
{
    Started started(QStringLiteral("Rundique"));
    QStringList captions;
    const auto add = [&captions](QString text) {
        text.remove(QLatin1Char('&'));
        captions << text.trimmed();
    };
    for (QWidget *widget : QApplication::allWidgets()) {
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            add(button->text());
        else if (auto *label = qobject_cast<QLabel *>(widget))
            add(label->text());
        else if (auto *group = qobject_cast<QGroupBox *>(widget))
            add(group->title());
        else if (auto *list = qobject_cast<QComboBox *>(widget))
            for (int i = 0; i < list->count(); ++i)
                add(list->itemText(i));
        else if (auto *tabs = qobject_cast<QTabBar *>(widget))
            for (int i = 0; i < tabs->count(); ++i)
                add(tabs->tabText(i));
        for (QAction *action : widget->findChildren<QAction *>())
            add(action->text());
    }
    const QStringList keys{QStringLiteral("F1")};
    static const QRegularExpression bold(QStringLiteral("<b>([^<]*)</b>"));
    QStringList missing;
    for (const QString &page : helpPages())
        for (const QRegularExpressionMatch &match : bold.globalMatch(pageText(page))) {
            const QString named = match.captured(1).simplified();
            if (!named.at(0).isUpper() || keys.contains(named) ||
                named.endsWith(QStringLiteral(" law")))
                continue;
            const bool shown = std::any_of(captions.begin(), captions.end(), [&](const QString &c) {
                return c.compare(named, Qt::CaseInsensitive) == 0 ||
                       c.startsWith(named + QLatin1Char(':'), Qt::CaseInsensitive);
            });
            if (!shown)
                missing << page + QStringLiteral(": ") + named;
        }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral("; "))));
}

void HelpTest::backAndForward()
{
    HelpWindow help;
    help.showPage(QStringLiteral("interference.html"), nullptr);
    help.browser->setSource(QUrl(QStringLiteral("light.html")));
    QCOMPARE(help.currentPage(), QStringLiteral("light.html"));
    QVERIFY(help.backbt->isEnabled());
    help.backbt->click();
    QCOMPARE(help.currentPage(), QStringLiteral("interference.html"));
    QVERIFY(help.forwardbt->isEnabled());
    help.forwardbt->click();
    QCOMPARE(help.currentPage(), QStringLiteral("light.html"));
    help.contentsbt->click();
    QCOMPARE(help.currentPage(), QStringLiteral("index.html"));
    QCOMPARE(help.windowTitle(), QStringLiteral("Help - Contents"));
    // a fresh opening forgets where the student has been
    help.showPage(QStringLiteral("huygens.html"), nullptr);
    QVERIFY(!help.backbt->isEnabled());
}

void HelpTest::aboutNamesProductVersionAndLicence_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("product");
    QTest::newRow("interference") << "Rundique"
                                  << "Rundique";
    QTest::newRow("Huygens") << "Pelvane"
                             << "Pelvane' Principle";
    QTest::newRow("diffraction") << "Sorvelle"
                                 << "Sorvelle";
}

void HelpTest::aboutNamesProductVersionAndLicence()
{
    QFETCH(QString, program);
    QFETCH(QString, product);
    QCOMPARE(programVersion(), QStringLiteral(WAVE_EXPECTED_VERSION));
    Started started(program);
    started.window.About1->trigger();
    started.window.pattfrm->About1->trigger();
    QCOMPARE(started.dialogs.shown.size(), std::size_t(2));
    for (const ScriptedDialogs::Shown &box : started.dialogs.shown) {
        QVERIFY(
            box.text.contains(QStringLiteral("Version ") + QStringLiteral(WAVE_EXPECTED_VERSION)));
        QVERIFY(box.text.contains(QStringLiteral("GPL-3.0-or-later")));
        QVERIFY(box.text.contains(QStringLiteral("GNU General Public License, version 3")));
    }
    QVERIFY(started.dialogs.shown[0].text.startsWith(product + QLatin1Char('\n')));
    QVERIFY(started.dialogs.shown[1].text.startsWith(
        productInfo(started.window.product()).applicationTitle.trimmed() + QLatin1Char('\n')));
}

QTEST_MAIN(HelpTest)
#include "test_help.moc"
