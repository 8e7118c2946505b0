// SPDX-License-Identifier: GPL-3.0-or-later
// At a device pixel ratio of 2 every picture is shown with each of its pixels as a block of
// 2 x 2 screen pixels of the same colour: no smoothing, no resampling.
#include "measure/practice_window.h"
#include "slit/light_window.h"
#include "started_window.h"
#include "view/wave_view.h"

#include <QApplication>
#include <QTest>

using namespace wave;

namespace {

// The first screen pixel that is not its picture pixel, or none.
QString firstMismatch(ImageView *view)
{
    return firstBlockMismatch(view->grab().toImage().convertToFormat(QImage::Format_RGB32),
                              view->image(), 2);
}

} // namespace

class HighDpiTest : public QObject {
    Q_OBJECT
private slots:
    void picturesDoubleTheirPixels_data();
    void picturesDoubleTheirPixels();
};

void HighDpiTest::picturesDoubleTheirPixels_data()
{
    QTest::addColumn<QString>("product");
    QTest::addColumn<QString>("picture");
    QTest::newRow("interference rings") << QStringLiteral("Rundique") << QStringLiteral("water");
    QTest::newRow("wavefronts") << QStringLiteral("Pelvane") << QStringLiteral("water");
    QTest::newRow("single slit") << QStringLiteral("Sorvelle") << QStringLiteral("water");
    QTest::newRow("light pattern") << QStringLiteral("Rundique") << QStringLiteral("outim");
    QTest::newRow("practice picture") << QStringLiteral("Rundique") << QStringLiteral("proim");
}

void HighDpiTest::picturesDoubleTheirPixels()
{
    QFETCH(QString, product);
    QFETCH(QString, picture);
    Started started(product);
    QCOMPARE(started.window.devicePixelRatioF(), 2.0);
    ImageView *view = started.window.Panel1->water;
    if (picture == QLatin1String("outim")) {
        started.window.pattfrm->show();
        view = started.window.pattfrm->findChild<ImageView *>(picture);
    } else if (picture == QLatin1String("proim")) {
        started.window.Profrm->show();
        view = started.window.Profrm->findChild<ImageView *>(picture);
    }
    QVERIFY(view);
    QCOMPARE(view->devicePixelRatioF(), 2.0);
    // a picture with something on it, so that a blur would show
    QImage blank(view->image().size(), view->image().format());
    blank.fill(view->image().pixel(0, 0));
    QVERIFY(view->image() != blank);
    const QString mismatch = firstMismatch(view);
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
}

int main(int argc, char *argv[])
{
    // The scale has to be set before the application starts.
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    HighDpiTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_high_dpi.moc"
