// The four-operation drills: every item's answer is right for its question,
// the operands lie in the node's range, no pair repeats on a page, and the
// item texts are exactly what the grader and the child see.
#include "drills/fouroperations.h"
#include "page/randomsource.h"
#include "scriptedrandom.h"

#include <QList>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace quorvel;

Q_DECLARE_METATYPE(quorvel::DisplayMode)

namespace {

const QString submit = u"&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp; "
                       u"<input class=button name=finish type=button size=7 value=提交答案 "
                       u"tag=十><br><br>"_s;

// Seeded draws, counted.
class CountingRandom final : public RandomSource
{
public:
    explicit CountingRandom(quint64 seed) : m_random(seed) {}
    float next() override
    {
        ++m_count;
        return m_random.next();
    }
    qint64 count() const { return m_count; }

private:
    SeededRandom m_random;
    qint64 m_count = 0;
};

// The draw r for which Int(r × k) + m gives value.
float drawFor(int value, double k, int m)
{
    return float((value - m + 0.5) / k);
}

// The first draw of the sum or minuend for the ranges that have one.
struct FirstDraw
{
    int span = 0;
    int start = 0;
};
// A span of 0 when the range has no first draw of its own.
FirstDraw firstDrawOf(int range)
{
    switch (range) {
    case 20:
        return {10, 10};
    case 50:
        return {30, 20};
    case 100:
        return {50, 50};
    case 500:
        return {400, 100};
    case 1000:
        return {500, 500};
    case 5000:
        return {4000, 1000};
    }
    return {};
}

// The draws that make an addition or subtraction item of pair (a, b) when
// nothing repeats.
QList<float> addSubDraws(int range, int a, int b)
{
    if (const FirstDraw first = firstDrawOf(range); first.span > 0)
        return {0.5f, 0.5f, drawFor(a, first.span, first.start), drawFor(b, a - 1, 1)};
    return {drawFor(a, range - 2, 2), drawFor(b, a - 1, 1)};
}

// The draws of one multiplication or division attempt.
QList<float> mulDivDraws(int range, int a, int b)
{
    const double span = range / 2.0 - 2;
    return {drawFor(a, span, 2), drawFor(b, span, 2)};
}

int len(qint64 x)
{
    return int(QString::number(x).size());
}

// An exact decimal: mantissa × 10^-places.
struct Decimal
{
    qint64 mantissa = 0;
    int places = 0;

    qint64 whole() const { return mantissa / pow10(places); }
    qint64 at(int p) const { return mantissa * pow10(p - places); }
    static qint64 pow10(int n)
    {
        qint64 r = 1;
        while (n-- > 0)
            r *= 10;
        return r;
    }
};

// Number text as a child writes it: no sign, no leading zeros, "0" before a
// point, no trailing zeros after one.
const QRegularExpression numberForm(uR"(^(0|[1-9]\d*)(\.\d*[1-9])?$)"_s);

Decimal decimalOf(const QString &text)
{
    const qsizetype point = text.indexOf(u'.');
    if (point < 0)
        return {text.toLongLong(), 0};
    const QString digits = text.left(point) + text.mid(point + 1);
    return {digits.toLongLong(), int(text.size() - point - 1)};
}

bool productIs(const Decimal &x, const Decimal &y, const Decimal &p)
{
    const Decimal xy{x.mantissa * y.mantissa, x.places + y.places};
    const int places = qMax(xy.places, p.places);
    return xy.at(places) == p.at(places);
}

bool sumIs(const Decimal &x, const Decimal &y, const Decimal &s)
{
    const int places = qMax(qMax(x.places, y.places), s.places);
    return x.at(places) + y.at(places) == s.at(places);
}

struct Item
{
    int number = 0;
    QString left;
    QChar sign;
    QString right;
    int box = 0;
    QString tag;
};

// Splits a page into item texts (without their "<br><br>") and checks that
// it ends with the submit line.
bool splitPage(const QString &page, QStringList &pieces, QString *why)
{
    if (!page.endsWith(submit)) {
        *why = u"page does not end with the submit line: "_s + page.right(200);
        return false;
    }
    const QString body = page.chopped(submit.size());
    pieces.clear();
    if (body.isEmpty())
        return true;
    if (!body.endsWith(u"<br><br>"_s)) {
        *why = u"last item does not end with <br><br>"_s;
        return false;
    }
    pieces = body.chopped(8).split(u"<br><br>"_s);
    return true;
}

// Parses a page of horizontal items numbered 1 to n in order.
bool parseHorizontal(const QString &page, QList<Item> &items, QString *why)
{
    static const QRegularExpression itemForm(
        uR"(^第(\d+)题：([\d.]+)([-+×÷])([\d.]+)= <input class=text name=answer(\d+) )"
        uR"(type=text size=7 tag=([^ >]+)>$)"_s);
    QStringList pieces;
    if (!splitPage(page, pieces, why))
        return false;
    items.clear();
    for (const QString &piece : std::as_const(pieces)) {
        const QRegularExpressionMatch m = itemForm.match(piece);
        if (!m.hasMatch()) {
            *why = u"not a horizontal item: "_s + piece;
            return false;
        }
        const Item item{m.captured(1).toInt(), m.captured(2),         m.captured(3).front(),
                        m.captured(4),         m.captured(5).toInt(), m.captured(6)};
        const QString n = QString::number(items.size() + 1);
        if (m.captured(1) != n || m.captured(5) != n) {
            *why = u"item "_s + n + u" is labelled "_s + m.captured(1) + u" with box answer"_s +
                   m.captured(5);
            return false;
        }
        for (const QString &number : {item.left, item.right, item.tag}) {
            if (!numberForm.match(number).hasMatch()) {
                *why = u"not in number text: "_s + number + u" in "_s + piece;
                return false;
            }
        }
        items.append(item);
    }
    return true;
}

#define PARSE_HORIZONTAL(page, items)                                                              \
    do {                                                                                           \
        QString why;                                                                               \
        QVERIFY2(parseHorizontal(page, items, &why), qPrintable(why));                             \
    } while (false)

QString familyName(QChar family)
{
    return QString(family);
}

DrillRequest requestOf(QChar family, int range, int items)
{
    DrillRequest request;
    request.family = family;
    request.range = range;
    request.itemCount = items;
    return request;
}

const int addSubRanges[] = {10, 20, 50, 100, 500, 1000, 5000};
const int multiplicationRanges[] = {81, 100, 250, 251, 500, 501, 1000, 5000, 10000};
const int divisionRanges[] = {81, 100, 500, 1000, 5000, 10000};

void addRangeRows(QChar family, const auto &ranges)
{
    for (int range : ranges)
        QTest::addRow("%s%d", qPrintable(familyName(family)), range) << family << range;
}

} // namespace

class TestFourOperations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void integerPages_data();
    void integerPages();
    void decimalPages_data();
    void decimalPages();

    void rangeBoundaries_data();
    void rangeBoundaries();
    void firstDrawRanges_data();
    void firstDrawRanges();
    void repeatIsRedrawnFromWholeRange();
    void multiplicationRejectsUntilAllTestsPass();
    void horizontalItemText_data();
    void horizontalItemText();
    void decimalDivisionExamples_data();
    void decimalDivisionExamples();
    void integerDivisionStillDrawsDecimalDigits();

    void columnForm_data();
    void columnForm();
    void inequalityForm_data();
    void inequalityForm();
    void modeLeavesOtherPagesHorizontal_data();
    void modeLeavesOtherPagesHorizontal();

    void itemCountCappedByDistinctPairs_data();
    void itemCountCappedByDistinctPairs();
    void unservedRangeGivesNoPage_data();
    void unservedRangeGivesNoPage();
};

void TestFourOperations::integerPages_data()
{
    QTest::addColumn<QChar>("family");
    QTest::addColumn<int>("range");
    addRangeRows(u'+', addSubRanges);
    addRangeRows(u'-', addSubRanges);
    addRangeRows(u'×', multiplicationRanges);
    addRangeRows(u'÷', divisionRanges);
}

void TestFourOperations::integerPages()
{
    QFETCH(QChar, family);
    QFETCH(int, range);
    const bool addSub = family == u'+' || family == u'-';
    const FirstDraw first = addSub ? firstDrawOf(range) : FirstDraw{};
    int pagesWithoutRepeat = 0;

    for (int count : {10, 20, 50}) {
        for (quint64 seed = 1; seed <= 30; ++seed) {
            CountingRandom random(seed * 7919 + quint64(count));
            FourOperationDrill drill(random);
            const Page page = drill.page(requestOf(family, range, count));
            const int expected = range == 10 ? qMin(count, 36) : count;
            QCOMPARE(page.items, expected);

            QList<Item> items;
            PARSE_HORIZONTAL(page.text, items);
            QCOMPARE(items.size(), expected);

            QSet<std::pair<qint64, qint64>> pairs;
            for (const Item &item : std::as_const(items)) {
                const QByteArray context =
                    QStringLiteral("seed %1, item %2: %3%4%5=, tag %6")
                        .arg(seed)
                        .arg(item.number)
                        .arg(item.left, QString(item.sign), item.right, item.tag)
                        .toUtf8();
                QCOMPARE(item.sign, family);
                const qint64 x = item.left.toLongLong();
                const qint64 y = item.right.toLongLong();
                const qint64 answer = item.tag.toLongLong();
                qint64 a = 0;
                qint64 b = 0;
                if (family == u'+') {
                    // b + (a − b) = a
                    QVERIFY2(x + y == answer, context);
                    a = answer;
                    b = x;
                } else if (family == u'-') {
                    QVERIFY2(x - y == answer, context);
                    a = x;
                    b = y;
                } else if (family == u'×') {
                    QVERIFY2(x * y == answer, context);
                    a = x;
                    b = y;
                    QVERIFY2(a >= 2 && b >= 2 && a * b <= range, context);
                    QVERIFY2(FourOperationDrill::passesRangeTest(family, range, a, b), context);
                } else {
                    // p ÷ b = a
                    QVERIFY2(answer * y == x, context);
                    a = answer;
                    b = y;
                    QVERIFY2(a >= 2 && b >= 2 && a * b <= range, context);
                    QVERIFY2(FourOperationDrill::passesRangeTest(family, range, a, b), context);
                }
                if (addSub) {
                    QVERIFY2(a >= 2 && a <= range - 1, context);
                    QVERIFY2(b >= 1 && b <= a - 1, context);
                }
                QVERIFY2(!pairs.contains({a, b}), "pair repeated: " + context);
                pairs.insert({a, b});
            }

            // Four draws per item means no pair was drawn again: every sum or
            // minuend then comes from the range's first draw.
            if (first.span > 0 && random.count() == 4 * qint64(expected)) {
                ++pagesWithoutRepeat;
                for (const Item &item : std::as_const(items)) {
                    const qint64 a = (family == u'+' ? item.tag : item.left).toLongLong();
                    QVERIFY2(a >= first.start && a < first.start + first.span,
                             qPrintable(u"seed %1, item %2: %3 outside the first draw"_s.arg(seed)
                                            .arg(item.number)
                                            .arg(a)));
                }
            }
        }
    }
    if (first.span > 0)
        QVERIFY(pagesWithoutRepeat > 0);
}

void TestFourOperations::decimalPages_data()
{
    QTest::addColumn<QChar>("family");
    QTest::addColumn<int>("range");
    QTest::addColumn<int>("places");
    for (QChar family : {QChar(u'+'), QChar(u'-')})
        for (int range : addSubRanges)
            QTest::addRow("%s%d", qPrintable(familyName(family)), range) << family << range << 1;
    for (int range : multiplicationRanges)
        QTest::addRow("×%d", range) << QChar(u'×') << range << 1;
    for (int places = 1; places <= 4; ++places)
        for (int range : divisionRanges)
            QTest::addRow("÷%d, %d places", range, places) << QChar(u'÷') << range << places;
}

void TestFourOperations::decimalPages()
{
    QFETCH(QChar, family);
    QFETCH(int, range);
    QFETCH(int, places);

    for (quint64 seed = 1; seed <= 12; ++seed) {
        SeededRandom random(seed * 104729);
        FourOperationDrill drill(random);
        DrillRequest request = requestOf(family, range, 20);
        request.decimal = true;
        request.decimalPlaces = places;
        // The display mode does not reach the decimal tab.
        request.mode = seed % 3 == 0   ? DisplayMode::Column
                       : seed % 3 == 1 ? DisplayMode::Inequality
                                       : DisplayMode::Horizontal;
        const Page page = drill.page(request);
        QCOMPARE(page.items, 20);

        QList<Item> items;
        PARSE_HORIZONTAL(page.text, items);
        QCOMPARE(items.size(), 20);

        QSet<std::pair<qint64, qint64>> pairs;
        for (const Item &item : std::as_const(items)) {
            const QByteArray context = QStringLiteral("seed %1, item %2: %3%4%5=, tag %6")
                                           .arg(seed)
                                           .arg(item.number)
                                           .arg(item.left, QString(item.sign), item.right, item.tag)
                                           .toUtf8();
            QCOMPARE(item.sign, family);
            const Decimal x = decimalOf(item.left);
            const Decimal y = decimalOf(item.right);
            const Decimal answer = decimalOf(item.tag);
            qint64 a = 0;
            qint64 b = 0;
            if (family == u'+') {
                // decimalSecond + decimalResult = decimalFirst, each with
                // tenths 1 to 9 in the operands drawn.
                QVERIFY2(x.places == 1 && answer.places == 1 && y.places <= 1, context);
                QVERIFY2(sumIs(x, y, answer), context);
                QVERIFY2(y.at(1) >= 2, context);
                a = answer.whole();
                b = x.whole();
            } else if (family == u'-') {
                QVERIFY2(x.places == 1 && y.places == 1 && answer.places <= 1, context);
                QVERIFY2(sumIs(y, answer, x), context);
                QVERIFY2(answer.at(1) >= 2, context);
                a = x.whole();
                b = y.whole();
            } else if (family == u'×') {
                QVERIFY2(x.places == 1 && y.places == 1, context);
                QVERIFY2(productIs(x, y, answer), context);
                a = x.whole();
                b = y.whole();
                QVERIFY2(a * b <= range && FourOperationDrill::passesRangeTest(u'×', range, a, b),
                         context);
            } else {
                // dividend ÷ divisor = quotient, exactly.
                QVERIFY2(productIs(answer, y, x), context);
                QVERIFY2(answer.places <= places && y.places <= places, context);
                QVERIFY2(x.places <= 2 * places, context);
                if (places >= 2) {
                    // The last digit is drawn from 1 to 9.
                    QVERIFY2(answer.places == places && y.places == places, context);
                }
                a = answer.whole();
                b = y.whole();
                QVERIFY2(a >= 2 && b >= 2, context);
                QVERIFY2(a * b <= range && FourOperationDrill::passesRangeTest(u'÷', range, a, b),
                         context);
            }
            if (family == u'+' || family == u'-') {
                QVERIFY2(a >= 2 && a <= range - 1, context);
                QVERIFY2(b >= 1 && b <= a - 1, context);
            }
            QVERIFY2(!pairs.contains({a, b}), "pair repeated: " + context);
            pairs.insert({a, b});
        }
    }
}

void TestFourOperations::rangeBoundaries_data()
{
    QTest::addColumn<QChar>("family");
    QTest::addColumn<int>("range");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<bool>("passes");
    const QChar times = u'×';
    const QChar divide = u'÷';
    // Multiplication: the lengths of the two factors and the least product.
    QTest::newRow("×81 one digit each") << times << 81 << 9 << 9 << true;
    QTest::newRow("×81 two digits") << times << 81 << 10 << 8 << false;
    QTest::newRow("×100 two digits by one") << times << 100 << 10 << 9 << true;
    QTest::newRow("×100 one digit each") << times << 100 << 9 << 9 << false;
    QTest::newRow("×250 at 100") << times << 250 << 25 << 4 << true;
    QTest::newRow("×250 below 100") << times << 250 << 11 << 9 << false;
    QTest::newRow("×250 two digits each") << times << 250 << 10 << 10 << false;
    QTest::newRow("×251 two digits each") << times << 251 << 10 << 10 << true;
    QTest::newRow("×251 two digits by one") << times << 251 << 25 << 9 << false;
    QTest::newRow("×500 at 250") << times << 500 << 50 << 5 << true;
    QTest::newRow("×500 below 250") << times << 500 << 27 << 9 << false;
    QTest::newRow("×501 at 250") << times << 501 << 25 << 10 << true;
    QTest::newRow("×501 below 250") << times << 501 << 15 << 16 << false;
    QTest::newRow("×1000 at 500") << times << 1000 << 25 << 20 << true;
    QTest::newRow("×1000 below 500") << times << 1000 << 24 << 20 << false;
    QTest::newRow("×1000 three digits by one") << times << 1000 << 100 << 9 << false;
    QTest::newRow("×5000 at 1000") << times << 5000 << 50 << 20 << true;
    QTest::newRow("×5000 one digit") << times << 5000 << 500 << 3 << false;
    QTest::newRow("×10000 at 5000") << times << 10000 << 100 << 50 << true;
    QTest::newRow("×10000 below 5000") << times << 10000 << 99 << 50 << false;
    // Division: quotient a, divisor b, the least dividend.
    QTest::newRow("÷81 one digit each") << divide << 81 << 9 << 9 << true;
    QTest::newRow("÷81 two digits") << divide << 81 << 10 << 2 << false;
    QTest::newRow("÷100 at 50") << divide << 100 << 25 << 2 << true;
    QTest::newRow("÷100 below 50") << divide << 100 << 7 << 7 << false;
    QTest::newRow("÷500 at 100") << divide << 500 << 10 << 10 << true;
    QTest::newRow("÷1000 below 500") << divide << 1000 << 22 << 22 << false;
    QTest::newRow("÷10000 at 5000") << divide << 10000 << 100 << 50 << true;
}

void TestFourOperations::rangeBoundaries()
{
    QFETCH(QChar, family);
    QFETCH(int, range);
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(bool, passes);
    QCOMPARE(FourOperationDrill::passesRangeTest(family, range, a, b), passes);
}

void TestFourOperations::firstDrawRanges_data()
{
    QTest::addColumn<QChar>("family");
    QTest::addColumn<int>("range");
    QTest::addColumn<int>("a");
    const struct
    {
        int range;
        int low;
        int high;
    } rows[] = {{10, 2, 9},      {20, 10, 19},     {50, 20, 49},      {100, 50, 99},
                {500, 100, 499}, {1000, 500, 999}, {5000, 1000, 4999}};
    for (QChar family : {QChar(u'+'), QChar(u'-')}) {
        for (const auto &row : rows) {
            QTest::addRow("%s%d lowest %d", qPrintable(familyName(family)), row.range, row.low)
                << family << row.range << row.low;
            QTest::addRow("%s%d highest %d", qPrintable(familyName(family)), row.range, row.high)
                << family << row.range << row.high;
        }
    }
}

void TestFourOperations::firstDrawRanges()
{
    QFETCH(QChar, family);
    QFETCH(int, range);
    QFETCH(int, a);

    const int b = 1;
    ScriptedRandom random(addSubDraws(range, a, b));
    FourOperationDrill drill(random);
    const Page page = drill.page(requestOf(family, range, 1));
    QCOMPARE(random.overrun(), 0);
    QCOMPARE(random.used(), random.queued());

    const QString question = family == u'+' ? u"1+%1="_s.arg(a - 1) : u"%1-1="_s.arg(a);
    const QString answer = QString::number(family == u'+' ? a : a - 1);
    QCOMPARE(page.text, u"第1题："_s + question +
                            u" <input class=text name=answer1 type=text "
                            u"size=7 tag="_s +
                            answer + u"><br><br>"_s + submit);
}

void TestFourOperations::repeatIsRedrawnFromWholeRange()
{
    // Item 2 draws item 1's pair 15 = 7 + 8 twice; the redraws come from the
    // whole range 2 to 19, not from the first draw's 10 to 19.
    QList<float> draws = addSubDraws(20, 15, 7);
    draws += addSubDraws(20, 15, 7);
    draws += {drawFor(15, 18, 2), drawFor(7, 14, 1)};
    draws += {drawFor(3, 18, 2), drawFor(2, 2, 1)};
    ScriptedRandom random(draws);
    FourOperationDrill drill(random);
    const Page page = drill.page(requestOf(u'+', 20, 2));
    QCOMPARE(random.overrun(), 0);
    QCOMPARE(random.used(), random.queued());
    QCOMPARE(page.items, 2);
    QCOMPARE(page.text,
             u"第1题：7+8= <input class=text name=answer1 type=text size=7 tag=15><br><br>"
             u"第2题：2+1= <input class=text name=answer2 type=text size=7 tag=3><br><br>"_s +
                 submit);
}

void TestFourOperations::multiplicationRejectsUntilAllTestsPass()
{
    QList<float> draws;
    draws += mulDivDraws(81, 40, 2); // 80 fits, but 40 has two digits
    draws += mulDivDraws(81, 9, 10); // 90 above the range
    draws += mulDivDraws(81, 4, 6);  // item 1
    draws += mulDivDraws(81, 4, 6);  // the same pair again
    draws += mulDivDraws(81, 6, 4);  // item 2: the other order is a new pair
    ScriptedRandom random(draws);
    FourOperationDrill drill(random);
    const Page page = drill.page(requestOf(u'×', 81, 2));
    QCOMPARE(random.overrun(), 0);
    QCOMPARE(random.used(), random.queued());
    QCOMPARE(page.text,
             u"第1题：4×6= <input class=text name=answer1 type=text size=7 tag=24><br><br>"
             u"第2题：6×4= <input class=text name=answer2 type=text size=7 tag=24><br><br>"_s +
                 submit);
}

void TestFourOperations::horizontalItemText_data()
{
    QTest::addColumn<QChar>("family");
    QTest::addColumn<int>("range");
    QTest::addColumn<QList<float>>("draws");
    QTest::addColumn<QString>("page");

    QTest::newRow("third addition item 4+5")
        << QChar(u'+') << 10
        << addSubDraws(10, 2, 1) + addSubDraws(10, 3, 1) + addSubDraws(10, 9, 4)
        << u"第1题：1+1= <input class=text name=answer1 type=text size=7 tag=2><br><br>"
           u"第2题：1+2= <input class=text name=answer2 type=text size=7 tag=3><br><br>"
           u"第3题：4+5= <input class=text name=answer3 type=text size=7 tag=9><br><br>"_s +
               submit;
    QTest::newRow("subtraction 9-4")
        << QChar(u'-') << 10 << addSubDraws(10, 9, 4)
        << u"第1题：9-4= <input class=text name=answer1 type=text size=7 tag=5><br><br>"_s + submit;
    QTest::newRow("multiplication 11×12")
        << QChar(u'×') << 251 << mulDivDraws(251, 11, 12)
        << u"第1题：11×12= <input class=text name=answer1 type=text size=7 tag=132><br><br>"_s +
               submit;
    QTest::newRow("division 56÷8")
        << QChar(u'÷') << 81 << mulDivDraws(81, 7, 8) + QList<float>(8, 0.0f)
        << u"第1题：56÷8= <input class=text name=answer1 type=text size=7 tag=7><br><br>"_s +
               submit;
}

void TestFourOperations::horizontalItemText()
{
    QFETCH(QChar, family);
    QFETCH(int, range);
    QFETCH(QList<float>, draws);
    QFETCH(QString, page);

    ScriptedRandom random(draws);
    FourOperationDrill drill(random);
    const int items = int(page.count(u"题："_s));
    QCOMPARE(drill.page(requestOf(family, range, items)).text, page);
    QCOMPARE(random.overrun(), 0);
    QCOMPARE(random.used(), random.queued());
}

void TestFourOperations::decimalDivisionExamples_data()
{
    QTest::addColumn<int>("places");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<QList<int>>("digits"); // x1, y1, x2, y2, x3, y3, x4, y4
    QTest::addColumn<QString>("item");

    QTest::newRow("one place, zero digits: whole quotient")
        << 1 << 7 << 8 << QList<int>{0, 0, 1, 1, 1, 1, 1, 1}
        << u"第1题：56÷8= <input class=text name=answer1 type=text size=7 tag=7><br><br>"_s;
    QTest::newRow("one place, whole divisor only")
        << 1 << 7 << 8 << QList<int>{3, 0, 9, 9, 9, 9, 9, 9}
        << u"第1题：58.4÷8= <input class=text name=answer1 type=text size=7 tag=7.3><br><br>"_s;
    QTest::newRow("one place")
        << 1 << 7 << 8 << QList<int>{5, 2, 1, 1, 1, 1, 1, 1}
        << u"第1题：61.5÷8.2= <input class=text name=answer1 type=text size=7 tag=7.5><br><br>"_s;
    QTest::newRow("two places: 12.4241÷2.47")
        << 2 << 5 << 2 << QList<int>{0, 4, 3, 7, 1, 1, 1, 1}
        << u"第1题：12.4241÷2.47= <input class=text name=answer1 type=text size=7 "
           u"tag=5.03><br><br>"_s;
    QTest::newRow("four places")
        << 4 << 3 << 4 << QList<int>{1, 0, 2, 1, 3, 1, 4, 1}
        << u"第1题：12.52826974÷4.0111= <input class=text name=answer1 type=text size=7 "
           u"tag=3.1234><br><br>"_s;
}

void TestFourOperations::decimalDivisionExamples()
{
    QFETCH(int, places);
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(QList<int>, digits);
    QFETCH(QString, item);

    QList<float> draws = mulDivDraws(81, a, b);
    // x1 and y1 are 0 to 8, the later digits 1 to 9.
    for (int i = 0; i < digits.size(); ++i)
        draws.append(i < 2 ? drawFor(digits[i], 9, 0) : drawFor(digits[i], 9, 1));
    ScriptedRandom random(draws);
    FourOperationDrill drill(random);
    DrillRequest request = requestOf(u'÷', 81, 1);
    request.decimal = true;
    request.decimalPlaces = places;
    QCOMPARE(drill.page(request).text, item + submit);
    QCOMPARE(random.overrun(), 0);
    QCOMPARE(random.used(), random.queued());
}

void TestFourOperations::integerDivisionStillDrawsDecimalDigits()
{
    // The eight decimal digits are drawn for every division item, in both
    // tabs, so item 2's operands come after them.
    QList<float> draws = mulDivDraws(100, 7, 8) + QList<float>(8, 0.5f);
    draws += mulDivDraws(100, 9, 6) + QList<float>(8, 0.5f);
    ScriptedRandom random(draws);
    FourOperationDrill drill(random);
    QCOMPARE(drill.page(requestOf(u'÷', 100, 2)).text,
             u"第1题：56÷8= <input class=text name=answer1 type=text size=7 tag=7><br><br>"
             u"第2题：54÷6= <input class=text name=answer2 type=text size=7 tag=9><br><br>"_s +
                 submit);
    QCOMPARE(random.overrun(), 0);
    QCOMPARE(random.used(), random.queued());
}

void TestFourOperations::columnForm_data()
{
    QTest::addColumn<QChar>("family");
    QTest::addColumn<int>("range");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<QString>("item");

    QTest::newRow("7+15: top line two extra spaces")
        << QChar(u'+') << 50 << 22 << 7
        << u"第1题：<br>&nbsp;&nbsp;&nbsp;7<br>&nbsp;+15<br>---------<br>"
           u" <input class=text  name=answer1 type=text size=7 tag=22><br><br>"_s;
    QTest::newRow("12+34: equal lengths, top one extra")
        << QChar(u'+') << 50 << 46 << 12
        << u"第1题：<br>&nbsp;&nbsp;12<br>&nbsp;+34<br>---------<br>"
           u" <input class=text  name=answer1 type=text size=7 tag=46><br><br>"_s;
    QTest::newRow("998+7: bottom line one extra")
        << QChar(u'+') << 5000 << 1005 << 998
        << u"第1题：<br>&nbsp;998<br>&nbsp;&nbsp;+7<br>---------<br>"
           u" <input class=text  name=answer1 type=text size=7 tag=1005><br><br>"_s;
    QTest::newRow("105-7: bottom line one extra")
        << QChar(u'-') << 500 << 105 << 7
        << u"第1题：<br>&nbsp;105<br>&nbsp;&nbsp;-7<br>---------<br>"
           u" <input class=text  name=answer1 type=text size=7 tag=98><br><br>"_s;
    QTest::newRow("57-8: no extra")
        << QChar(u'-') << 100 << 57 << 8
        << u"第1题：<br>&nbsp;57<br>&nbsp;-8<br>---------<br>"
           u" <input class=text  name=answer1 type=text size=7 tag=49><br><br>"_s;
    QTest::newRow("57-18: top one extra")
        << QChar(u'-') << 100 << 57 << 18
        << u"第1题：<br>&nbsp;&nbsp;57<br>&nbsp;-18<br>---------<br>"
           u" <input class=text  name=answer1 type=text size=7 tag=39><br><br>"_s;
}

void TestFourOperations::columnForm()
{
    QFETCH(QChar, family);
    QFETCH(int, range);
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(QString, item);

    ScriptedRandom random(addSubDraws(range, a, b));
    FourOperationDrill drill(random);
    DrillRequest request = requestOf(family, range, 1);
    request.mode = DisplayMode::Column;
    QCOMPARE(drill.page(request).text, item + submit);
    QCOMPARE(random.overrun(), 0);
}

void TestFourOperations::inequalityForm_data()
{
    QTest::addColumn<QChar>("family");
    QTest::addColumn<int>("range");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<QString>("item");

    QTest::newRow("7+box<22: 14")
        << QChar(u'+') << 50 << 22 << 7
        << u"第1题：7+<input class=text name=Qanswer1 type=text size=7 tag=14><22"
           u"<input name=answer1 type=hidden size=7 tag=14><br><br>"_s;
    QTest::newRow("a-b=1 gives 0")
        << QChar(u'+') << 10 << 5 << 4
        << u"第1题：4+<input class=text name=Qanswer1 type=text size=7 tag=0><5"
           u"<input name=answer1 type=hidden size=7 tag=0><br><br>"_s;
    QTest::newRow("105-box>98: 6")
        << QChar(u'-') << 500 << 105 << 7
        << u"第1题：105-<input class=text name=Qanswer1 type=text size=7 tag=6>>98"
           u"<input name=answer1 type=hidden size=7 tag=6><br><br>"_s;
    QTest::newRow("b=1 gives 0")
        << QChar(u'-') << 10 << 5 << 1
        << u"第1题：5-<input class=text name=Qanswer1 type=text size=7 tag=0>>4"
           u"<input name=answer1 type=hidden size=7 tag=0><br><br>"_s;
}

void TestFourOperations::inequalityForm()
{
    QFETCH(QChar, family);
    QFETCH(int, range);
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(QString, item);

    ScriptedRandom random(addSubDraws(range, a, b));
    FourOperationDrill drill(random);
    DrillRequest request = requestOf(family, range, 1);
    request.mode = DisplayMode::Inequality;
    QCOMPARE(drill.page(request).text, item + submit);
    QCOMPARE(random.overrun(), 0);

    // On a seeded page every hidden answer is the largest whole number that
    // keeps the inequality true.
    static const QRegularExpression form(
        uR"(^第(\d+)题：(\d+)([-+])<input class=text name=Qanswer(\d+) type=text size=7 )"
        uR"(tag=(\d+)>([<>])(\d+)<input name=answer(\d+) type=hidden size=7 tag=(\d+)>$)"_s);
    SeededRandom seeded(range);
    FourOperationDrill seededDrill(seeded);
    request.itemCount = 20;
    QStringList pieces;
    QString why;
    QVERIFY2(splitPage(seededDrill.page(request).text, pieces, &why), qPrintable(why));
    QCOMPARE(pieces.size(), 20);
    for (int i = 0; i < pieces.size(); ++i) {
        const QRegularExpressionMatch m = form.match(pieces[i]);
        QVERIFY2(m.hasMatch(), qPrintable(pieces[i]));
        const QString n = QString::number(i + 1);
        QCOMPARE(m.captured(1), n);
        QCOMPARE(m.captured(4), n);
        QCOMPARE(m.captured(8), n);
        QCOMPARE(m.captured(5), m.captured(9));
        const int first = m.captured(2).toInt();
        const int bound = m.captured(7).toInt();
        const int answer = m.captured(9).toInt();
        QCOMPARE(m.captured(3), QString(family));
        if (family == u'+') {
            QCOMPARE(m.captured(6), u"<"_s);
            QVERIFY2(first + answer < bound && first + answer + 1 == bound, qPrintable(pieces[i]));
        } else {
            QCOMPARE(m.captured(6), u">"_s);
            QVERIFY2(first - answer > bound && first - answer - 1 == bound, qPrintable(pieces[i]));
        }
        QVERIFY(answer >= 0);
    }
}

void TestFourOperations::modeLeavesOtherPagesHorizontal_data()
{
    QTest::addColumn<QChar>("family");
    QTest::addColumn<int>("range");
    QTest::addColumn<bool>("decimal");
    QTest::addColumn<DisplayMode>("mode");

    QTest::newRow("× column") << QChar(u'×') << 100 << false << DisplayMode::Column;
    QTest::newRow("× inequality") << QChar(u'×') << 1000 << false << DisplayMode::Inequality;
    QTest::newRow("÷ column") << QChar(u'÷') << 100 << false << DisplayMode::Column;
    QTest::newRow("÷ inequality") << QChar(u'÷') << 500 << false << DisplayMode::Inequality;
    QTest::newRow("decimal + column") << QChar(u'+') << 100 << true << DisplayMode::Column;
    QTest::newRow("decimal - inequality") << QChar(u'-') << 50 << true << DisplayMode::Inequality;
    QTest::newRow("decimal × inequality") << QChar(u'×') << 250 << true << DisplayMode::Inequality;
}

void TestFourOperations::modeLeavesOtherPagesHorizontal()
{
    QFETCH(QChar, family);
    QFETCH(int, range);
    QFETCH(bool, decimal);
    QFETCH(DisplayMode, mode);

    DrillRequest request = requestOf(family, range, 20);
    request.decimal = decimal;
    SeededRandom plainRandom(42);
    const QString plain = FourOperationDrill(plainRandom).page(request).text;
    request.mode = mode;
    SeededRandom modeRandom(42);
    const QString withMode = FourOperationDrill(modeRandom).page(request).text;
    QCOMPARE(withMode, plain);

    QList<Item> items;
    PARSE_HORIZONTAL(withMode, items);
    QCOMPARE(items.size(), 20);
}

void TestFourOperations::itemCountCappedByDistinctPairs_data()
{
    QTest::addColumn<QChar>("family");
    QTest::addColumn<int>("range");
    QTest::addColumn<int>("asked");
    QTest::addColumn<int>("items");

    QTest::newRow("+10 asks 20") << QChar(u'+') << 10 << 20 << 20;
    QTest::newRow("-10 asks 20") << QChar(u'-') << 10 << 20 << 20;
    QTest::newRow("+10 asks 50: all 36 pairs") << QChar(u'+') << 10 << 50 << 36;
    QTest::newRow("+4 asks 10: 3 pairs") << QChar(u'+') << 4 << 10 << 3;
    QTest::newRow("-4 asks 50: 3 pairs") << QChar(u'-') << 4 << 50 << 3;
    QTest::newRow("+3 asks 10: 1 pair") << QChar(u'+') << 3 << 10 << 1;
    QTest::newRow("+4 asks 2") << QChar(u'+') << 4 << 2 << 2;
}

void TestFourOperations::itemCountCappedByDistinctPairs()
{
    QFETCH(QChar, family);
    QFETCH(int, range);
    QFETCH(int, asked);
    QFETCH(int, items);

    for (quint64 seed = 1; seed <= 5; ++seed) {
        SeededRandom random(seed);
        FourOperationDrill drill(random);
        const Page page = drill.page(requestOf(family, range, asked));
        QCOMPARE(page.items, items);
        QList<Item> parsed;
        PARSE_HORIZONTAL(page.text, parsed);
        QCOMPARE(parsed.size(), items);
        QSet<QString> questions;
        for (const Item &item : std::as_const(parsed))
            questions.insert(item.left + item.sign + item.right);
        QCOMPARE(questions.size(), items);
    }
}

void TestFourOperations::unservedRangeGivesNoPage_data()
{
    QTest::addColumn<QChar>("family");
    QTest::addColumn<int>("range");

    QTest::newRow("+0 group") << QChar(u'+') << 0;
    QTest::newRow("+2 has no pair") << QChar(u'+') << 2;
    QTest::newRow("-1") << QChar(u'-') << 1;
    QTest::newRow("×0 group") << QChar(u'×') << 0;
    QTest::newRow("×80") << QChar(u'×') << 80;
    QTest::newRow("×252") << QChar(u'×') << 252;
    QTest::newRow("÷250") << QChar(u'÷') << 250;
    QTest::newRow("÷0 group") << QChar(u'÷') << 0;
    QTest::newRow("other family") << QChar(u'!') << 61;
}

void TestFourOperations::unservedRangeGivesNoPage()
{
    QFETCH(QChar, family);
    QFETCH(int, range);

    ScriptedRandom random({});
    FourOperationDrill drill(random);
    const Page page = drill.page(requestOf(family, range, 10));
    QCOMPARE(page.items, 0);
    QVERIFY(page.text.isEmpty());
    QCOMPARE(random.overrun(), 0);
}

QTEST_GUILESS_MAIN(TestFourOperations)
#include "tst_fouroperations.moc"
