// Whole numbers in Chinese numerals as a child writes them: the digit names,
// every number below a thousand against the reading rule of the textbooks,
// and the empty text outside that range.
#include "topics/chinesenumerals.h"

#include <QSet>
#include <QTest>

#include <limits>

using namespace Qt::StringLiterals;
using namespace quorvel;

namespace {

// The textbook rule, digit by digit from the left: a digit is read with its
// place word; zeros at the end are not read; one or more zeros inside are
// read as a single 零; a leading ten is 十, not 一十.
QString readAloud(int n)
{
    static const QStringList names = {u"零"_s, u"一"_s, u"二"_s, u"三"_s, u"四"_s,
                                      u"五"_s, u"六"_s, u"七"_s, u"八"_s, u"九"_s};
    static const QStringList places = {QString(), u"十"_s, u"百"_s};
    const QString digits = QString::number(n);
    QString text;
    bool zeroPending = false;
    for (qsizetype k = 0; k < digits.size(); ++k) {
        const int digit = digits[k].digitValue();
        const qsizetype place = digits.size() - 1 - k;
        if (digit == 0) {
            zeroPending = !text.isEmpty();
            continue;
        }
        if (zeroPending)
            text += u"零"_s;
        zeroPending = false;
        const bool leadingTen = k == 0 && place == 1 && digit == 1;
        if (!leadingTen)
            text += names[digit];
        text += places[place];
    }
    return text.isEmpty() ? names[0] : text;
}

} // namespace

class TestChineseNumerals : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void digitNames_data();
    void digitNames();
    void onlyTheTenDigitsHaveNames();
    void examples_data();
    void examples();
    void everyNumberBelowAThousand();
    void outsideTheRange_data();
    void outsideTheRange();
};

void TestChineseNumerals::digitNames_data()
{
    QTest::addColumn<QString>("digit");
    QTest::addColumn<QString>("name");
    const QString names = u"零一二三四五六七八九"_s;
    for (int d = 0; d <= 9; ++d)
        QTest::addRow("%d", d) << QString::number(d) << QString(names[d]);
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("two digits") << u"12"_s << QString();
    QTest::newRow("digit and space") << u"3 "_s << QString();
    QTest::newRow("letter") << u"a"_s << QString();
    QTest::newRow("minus") << u"-"_s << QString();
    QTest::newRow("full-width three") << u"３"_s << QString();
    QTest::newRow("Arabic-Indic three") << u"٣"_s << QString();
    QTest::newRow("already a numeral") << u"三"_s << QString();
}

void TestChineseNumerals::digitNames()
{
    QFETCH(QString, digit);
    QFETCH(QString, name);
    QCOMPARE(numHan(digit), name);
}

void TestChineseNumerals::onlyTheTenDigitsHaveNames()
{
    int named = 0;
    for (char16_t c = 1; c < 0xD800; ++c) {
        const QString name = numHan(QString(QChar(c)));
        if (c >= u'0' && c <= u'9')
            QCOMPARE(name.size(), 1);
        else if (!name.isEmpty())
            QFAIL(qPrintable(u"a name for U+%1"_s.arg(int(c), 4, 16, QChar(u'0'))));
        named += name.isEmpty() ? 0 : 1;
    }
    QCOMPARE(named, 10);
}

void TestChineseNumerals::examples_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("numeral");
    QTest::newRow("0") << 0 << u"零"_s;
    QTest::newRow("7") << 7 << u"七"_s;
    QTest::newRow("10") << 10 << u"十"_s;
    QTest::newRow("11") << 11 << u"十一"_s;
    QTest::newRow("15") << 15 << u"十五"_s;
    QTest::newRow("20") << 20 << u"二十"_s;
    QTest::newRow("23") << 23 << u"二十三"_s;
    QTest::newRow("99") << 99 << u"九十九"_s;
    QTest::newRow("100") << 100 << u"一百"_s;
    QTest::newRow("105") << 105 << u"一百零五"_s;
    QTest::newRow("110") << 110 << u"一百一十"_s;
    QTest::newRow("111") << 111 << u"一百一十一"_s;
    QTest::newRow("123") << 123 << u"一百二十三"_s;
    QTest::newRow("132") << 132 << u"一百三十二"_s;
    QTest::newRow("200") << 200 << u"二百"_s;
    QTest::newRow("210") << 210 << u"二百一十"_s;
    QTest::newRow("250") << 250 << u"二百五十"_s;
    QTest::newRow("300") << 300 << u"三百"_s;
    QTest::newRow("308") << 308 << u"三百零八"_s;
    QTest::newRow("345") << 345 << u"三百四十五"_s;
    QTest::newRow("908") << 908 << u"九百零八"_s;
    QTest::newRow("999") << 999 << u"九百九十九"_s;
    QTest::newRow("1056") << 1056 << QString();
}

void TestChineseNumerals::examples()
{
    QFETCH(int, number);
    QFETCH(QString, numeral);
    QCOMPARE(biannumtoHan(number), numeral);
}

void TestChineseNumerals::everyNumberBelowAThousand()
{
    QSet<QString> seen;
    for (int n = 0; n <= 999; ++n) {
        const QString numeral = biannumtoHan(n);
        if (numeral != readAloud(n))
            QFAIL(qPrintable(u"%1 written %2, read %3"_s.arg(n).arg(numeral, readAloud(n))));
        seen.insert(numeral);
    }
    QCOMPARE(seen.size(), 1000); // no two numbers share a numeral
}

void TestChineseNumerals::outsideTheRange_data()
{
    QTest::addColumn<int>("number");
    QTest::newRow("1000") << 1000;
    QTest::newRow("1010") << 1010;
    QTest::newRow("9999") << 9999;
    QTest::newRow("123456") << 123456;
    QTest::newRow("largest") << std::numeric_limits<int>::max();
    QTest::newRow("-1") << -1;
    QTest::newRow("-105") << -105;
    QTest::newRow("smallest") << std::numeric_limits<int>::min();
}

void TestChineseNumerals::outsideTheRange()
{
    QFETCH(int, number);
    QVERIFY(biannumtoHan(number).isEmpty());
}

QTEST_APPLESS_MAIN(TestChineseNumerals)
#include "tst_chinesenumerals.moc"
