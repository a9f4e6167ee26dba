// How numbers are written into pages and answer tags: the child types exactly
// this text, so every form must be the one a child would write by hand.
#include "page/numbertext.h"

#include <QTest>

#include <limits>

using namespace Qt::StringLiterals;
using namespace quorvel;

class TestNumberText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void doubles_data();
    void doubles();
    void integers_data();
    void integers();
    void singles_data();
    void singles();
};

void TestNumberText::doubles_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    // Products and sums held slightly off their decimal value.
    QTest::newRow("2.3*4.7 is 10.81") << 2.3 * 4.7 << u"10.81"_s;
    QTest::newRow("0.1+0.2 is 0.3") << 0.1 + 0.2 << u"0.3"_s;
    QTest::newRow("5.03*2.47 is 12.4241") << 5.03 * 2.47 << u"12.4241"_s;
    QTest::newRow("4999.9999*2.9999") << 4999.9999 * 2.9999 << u"14999.49970001"_s;
    QTest::newRow("1.1*1.1") << 1.1 * 1.1 << u"1.21"_s;
    QTest::newRow("3.3-1.1") << 3.3 - 1.1 << u"2.2"_s;
    QTest::newRow("1/3 to 15 digits") << 1.0 / 3.0 << u"0.333333333333333"_s;
    QTest::newRow("2/3 rounds up") << 2.0 / 3.0 << u"0.666666666666667"_s;

    // Leading zero, no trailing zeros, whole values as integers.
    QTest::newRow("0.4 keeps its zero") << 0.4 << u"0.4"_s;
    QTest::newRow("0.6") << 0.6 << u"0.6"_s;
    QTest::newRow("3.0 is 3") << 3.0 << u"3"_s;
    QTest::newRow("2.5") << 2.5 << u"2.5"_s;
    QTest::newRow("100.0 keeps inner zeros") << 100.0 << u"100"_s;
    QTest::newRow("102.05") << 102.05 << u"102.05"_s;
    QTest::newRow("nearly whole rounds to whole") << 2.9999999999999996 << u"3"_s;
    QTest::newRow("0.9999999999999999 is 1") << 0.9999999999999999 << u"1"_s;
    QTest::newRow("just below 10 carries to 10") << 9.999999999999998 << u"10"_s;
    QTest::newRow("zero") << 0.0 << u"0"_s;

    // Negatives.
    QTest::newRow("-0.5") << -0.5 << u"-0.5"_s;
    QTest::newRow("-2.0 is -2") << -2.0 << u"-2"_s;
    QTest::newRow("-0.0 is 0") << -0.0 << u"0"_s;
    QTest::newRow("-12.25") << -12.25 << u"-12.25"_s;
    QTest::newRow("-(0.1+0.2)") << -(0.1 + 0.2) << u"-0.3"_s;

    // Large values: digits and zeros, never an exponent.
    QTest::newRow("1e15") << 1e15 << u"1000000000000000"_s;
    QTest::newRow("1.5e17") << 1.5e17 << u"150000000000000000"_s;
    QTest::newRow("18 digits rounded to 15") << 123456789012345678.0 << u"123456789012346000"_s;
    QTest::newRow("1e21") << 1e21 << u"1000000000000000000000"_s;
    QTest::newRow("-1.5e17") << -1.5e17 << u"-150000000000000000"_s;

    // Tiny values: zeros after the point, never an exponent.
    QTest::newRow("0.0001") << 0.0001 << u"0.0001"_s;
    QTest::newRow("1e-7") << 1e-7 << u"0.0000001"_s;
    QTest::newRow("1.25e-5") << 1.25e-5 << u"0.0000125"_s;
    QTest::newRow("-1e-7") << -1e-7 << u"-0.0000001"_s;
}

void TestNumberText::doubles()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(numberText(value), text);
}

void TestNumberText::integers_data()
{
    QTest::addColumn<qint64>("value");
    QTest::addColumn<bool>("fitsInt");
    QTest::addColumn<QString>("text");

    QTest::newRow("zero") << qint64(0) << true << u"0"_s;
    QTest::newRow("nine") << qint64(9) << true << u"9"_s;
    QTest::newRow("ten") << qint64(10) << true << u"10"_s;
    QTest::newRow("negative") << qint64(-98) << true << u"-98"_s;
    QTest::newRow("no grouping") << qint64(1234567) << true << u"1234567"_s;
    QTest::newRow("int max") << qint64(std::numeric_limits<int>::max()) << true << u"2147483647"_s;
    QTest::newRow("int min") << qint64(std::numeric_limits<int>::min()) << true << u"-2147483648"_s;
    QTest::newRow("beyond int") << qint64(12345678901234) << false << u"12345678901234"_s;
    QTest::newRow("qint64 min") << std::numeric_limits<qint64>::min() << false
                                << u"-9223372036854775808"_s;
}

void TestNumberText::integers()
{
    QFETCH(qint64, value);
    QFETCH(bool, fitsInt);
    QFETCH(QString, text);
    QCOMPARE(numberText(value), text);
    if (fitsInt)
        QCOMPARE(numberText(int(value)), text);
}

void TestNumberText::singles_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("text");

    // A float's extra binary digits must not show.
    QTest::newRow("0.1f") << 0.1f << u"0.1"_s;
    QTest::newRow("3.14*7*7 held single") << float(3.14 * 7 * 7) << u"153.86"_s;
    QTest::newRow("424691.28 to seven digits") << float(424691.28) << u"424691.3"_s;
    QTest::newRow("1/3 to seven digits") << float(1.0 / 3.0) << u"0.3333333"_s;
    QTest::newRow("whole") << 3.0f << u"3"_s;
    QTest::newRow("seven digits whole") << 1234567.0f << u"1234567"_s;
    QTest::newRow("eight digits rounded, no exponent") << 12345678.0f << u"12345680"_s;
    QTest::newRow("negative") << -2.5f << u"-2.5"_s;
    QTest::newRow("small") << 0.000125f << u"0.000125"_s;
    QTest::newRow("zero") << 0.0f << u"0"_s;
}

void TestNumberText::singles()
{
    QFETCH(float, value);
    QFETCH(QString, text);
    QCOMPARE(numberTextSingle(value), text);
}

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
