// SPDX-License-Identifier: GPL-3.0-or-later
#include "interference/source_logic.h"
#include "platform/product.h"

#include <QLocale>
#include <QTest>

using namespace wave;

Q_DECLARE_METATYPE(wave::Product)

class LogicTest : public QObject {
    Q_OBJECT
private slots:
    void productFollowsTheProgramName_data();
    void productFollowsTheProgramName();
    void productTable();
    void roundingGoesToEven_data();
    void roundingGoesToEven();
    void factorGivesSeparation_data();
    void factorGivesSeparation();
    void phaseShiftInPixels_data();
    void phaseShiftInPixels();
    void factorsReadTheSameInEveryLocale();
};

void LogicTest::productFollowsTheProgramName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Product>("product");
    QTest::newRow("interference launcher") << "Rundique" << Product::Interference;
    QTest::newRow("with .exe") << "Rundique.exe" << Product::Interference;
    QTest::newRow("in a folder") << "/opt/wave/bin/Rundique" << Product::Interference;
    QTest::newRow("relative path") << "./build/Pelvane" << Product::Huygens;
    QTest::newRow("Huygens with .exe") << "Pelvane.exe" << Product::Huygens;
    QTest::newRow("lower case") << "rundique" << Product::SingleSlit;
    QTest::newRow("upper-case extension") << "Rundique.EXE" << Product::SingleSlit;
    QTest::newRow("longer name") << "Rundique2" << Product::SingleSlit;
    QTest::newRow("name only in the folder") << "/opt/Rundique/interfer" << Product::SingleSlit;
    QTest::newRow("diffraction launcher") << "Sorvelle" << Product::SingleSlit;
    QTest::newRow("the program itself") << "interfer" << Product::SingleSlit;
    QTest::newRow("empty") << "" << Product::SingleSlit;
}

void LogicTest::productFollowsTheProgramName()
{
    QFETCH(QString, name);
    QFETCH(Product, product);
    QCOMPARE(productFromProgramName(name), product);
}

void LogicTest::productTable()
{
    const ProductInfo huygens = productInfo(Product::Huygens);
    QCOMPARE(huygens.applicationTitle, QStringLiteral("Pelvane"));
    QCOMPARE(huygens.caption, QStringLiteral("Pelvane' Principle"));
    QCOMPARE(huygens.helpContext, 9000);
    const ProductInfo interference = productInfo(Product::Interference);
    QCOMPARE(interference.applicationTitle, QStringLiteral("Rundique "));
    QCOMPARE(interference.caption, QStringLiteral("Rundique"));
    QCOMPARE(interference.helpContext, 7000);
    const ProductInfo slit = productInfo(Product::SingleSlit);
    QCOMPARE(slit.applicationTitle, QStringLiteral("Sorvelle"));
    QCOMPARE(slit.caption, QStringLiteral("Sorvelle"));
    QCOMPARE(slit.helpContext, 8000);
}

void LogicTest::roundingGoesToEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("rounded");
    QTest::newRow("0.5") << 0.5 << 0;
    QTest::newRow("1.5") << 1.5 << 2;
    QTest::newRow("2.5") << 2.5 << 2;
    QTest::newRow("7.5") << 7.5 << 8;
    QTest::newRow("52.5") << 52.5 << 52;
    QTest::newRow("2.4999") << 2.4999 << 2;
    QTest::newRow("2.5001") << 2.5001 << 3;
    QTest::newRow("-0.5") << -0.5 << 0;
    QTest::newRow("-1.5") << -1.5 << -2;
    QTest::newRow("-2.7") << -2.7 << -3;
}

void LogicTest::roundingGoesToEven()
{
    QFETCH(double, value);
    QFETCH(int, rounded);
    QCOMPARE(roundHalfEven(value), rounded);
}

void LogicTest::factorGivesSeparation_data()
{
    QTest::addColumn<double>("factor");
    QTest::addColumn<int>("P1");
    QTest::addColumn<int>("separation");
    QTest::newRow("0.125 of 4") << 0.125 << 2 << 0;
    QTest::newRow("6 of 100") << 6.0 << 50 << 600;
    QTest::newRow("0.25 of 10") << 0.25 << 5 << 2;
    QTest::newRow("0.25 of 30") << 0.25 << 15 << 8;
    QTest::newRow("1.75 of 30") << 1.75 << 15 << 52;
    QTest::newRow("2 of 30") << 2.0 << 15 << 60;
}

void LogicTest::factorGivesSeparation()
{
    QFETCH(double, factor);
    QFETCH(int, P1);
    QFETCH(int, separation);
    QCOMPARE(separationForFactor(factor, P1), separation);
}

void LogicTest::phaseShiftInPixels_data()
{
    QTest::addColumn<int>("p");
    QTest::addColumn<int>("P2");
    QTest::addColumn<int>("T2");
    QTest::newRow("none") << 0 << 15 << 0;
    QTest::newRow("180 degrees") << 45 << 15 << 15;
    QTest::newRow("40 degrees of 30") << 10 << 15 << 3;
    QTest::newRow("40 degrees of 40") << 10 << 20 << 4;
    QTest::newRow("180 degrees of 100") << 45 << 50 << 50;
    QTest::newRow("4 degrees of 4") << 1 << 2 << 0;
}

void LogicTest::phaseShiftInPixels()
{
    QFETCH(int, p);
    QFETCH(int, P2);
    QFETCH(int, T2);
    QCOMPARE(phaseShiftOffset(p, P2), T2);
}

void LogicTest::factorsReadTheSameInEveryLocale()
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(parseFactor(QStringLiteral("1.75")), std::optional<double>(1.75));
    QCOMPARE(parseFactor(QStringLiteral("0.125")), std::optional<double>(0.125));
    QCOMPARE(parseFactor(QStringLiteral("1,75")), std::nullopt);
    QCOMPARE(parseFactor(QStringLiteral("")), std::nullopt);
    QLocale::setDefault(before);
}

QTEST_APPLESS_MAIN(LogicTest)
#include "test_logic.moc"
