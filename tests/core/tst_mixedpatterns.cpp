// The tabs "四则运算" (chains and bracketed expressions) and "规律运算"
// (number rows and picture comparisons): every answer is worked out here
// again from the page text, the bracketed ones with exact fractions.
#include "app/core/catalogue.h"
#include "app/core/maincontroller.h"
#include "app/core/recordingview.h"
#include "content/programfiles.h"
#include "controllerfixture.h"
#include "page/pagedocument.h"
#include "page/randomsource.h"
#include "page/settingsstore.h"
#include "scriptedrandom.h"
#include "topics/mixedoperations.h"

#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <deque>
#include <numeric>
#include <optional>

using namespace Qt::StringLiterals;
using namespace quorvel;

namespace {

const QString submitLine = u"&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp; "
                           u"<input class=button name=finish type=button size=7 value=提交答案 "
                           u"tag=十><br><br>"_s;
const QString decimalIntro = u"请保留2位小数，第3位四舍五入到2位。<br><br>"_s;

struct Window : ControllerFixture<ScriptedRandom>
{
    explicit Window(const char *tab, quint64 seed = 1, int itemsPerPage = 10)
        : ControllerFixture(seed)
    {
        onTab(QString::fromLatin1(tab));
        controller.applyOptions(itemsPerPage, 5, 1);
    }
};

struct Item
{
    QString question;
    QString answer;
};

// The items of a page that is exactly intro, items 1, 2, … and the submit
// line, each "第i题：" question "= " box; empty on a page of another shape.
QList<Item> pageItems(const QString &page, const QString &intro)
{
    static const QRegularExpression item(u"第(\\d+)题：([^ <]*)=  <input class=text "
                                         u"name=answer(\\d+) type=text size=7 tag=([^ >]*)>"
                                         u"<br><br>"_s);
    QList<Item> items;
    qsizetype pos = intro.size();
    for (QRegularExpressionMatch m; (m = item.match(page, pos, QRegularExpression::NormalMatch,
                                                    QRegularExpression::AnchorAtOffsetMatchOption))
                                        .hasMatch();
         pos = m.capturedEnd()) {
        const QString number = QString::number(items.size() + 1);
        if (m.captured(1) != number || m.captured(3) != number)
            return {};
        items.append({m.captured(2), m.captured(4)});
    }
    return page.startsWith(intro) && page.mid(pos) == submitLine ? items : QList<Item>{};
}

// Exact fractions for the bracketed expressions.
struct Fraction
{
    qint64 num = 0;
    qint64 den = 1;
    Fraction(qint64 n = 0, qint64 d = 1) : num(n), den(d)
    {
        if (den < 0) {
            num = -num;
            den = -den;
        }
        const qint64 g = std::gcd(num, den);
        if (g > 1) {
            num /= g;
            den /= g;
        }
    }
    friend Fraction operator+(Fraction x, Fraction y)
    {
        return {x.num * y.den + y.num * x.den, x.den * y.den};
    }
    friend Fraction operator-(Fraction x, Fraction y)
    {
        return {x.num * y.den - y.num * x.den, x.den * y.den};
    }
    friend Fraction operator*(Fraction x, Fraction y) { return {x.num * y.num, x.den * y.den}; }
    friend Fraction operator/(Fraction x, Fraction y) { return {x.num * y.den, x.den * y.num}; }
};

// Recursive descent over the shown text (×, ÷, brackets), left to right.
class ShownExpression
{
public:
    static std::optional<Fraction> value(const QString &text)
    {
        ShownExpression e(text);
        const std::optional<Fraction> v = e.sum();
        return v && e.m_pos == text.size() ? v : std::nullopt;
    }

private:
    explicit ShownExpression(const QString &text) : m_text(text) {}
    bool take(QChar ch)
    {
        if (m_pos < m_text.size() && m_text[m_pos] == ch) {
            ++m_pos;
            return true;
        }
        return false;
    }
    std::optional<Fraction> sum()
    {
        std::optional<Fraction> v = product();
        while (v) {
            if (take(u'+')) {
                const auto r = product();
                v = r ? std::optional(*v + *r) : std::nullopt;
            } else if (take(u'-')) {
                const auto r = product();
                v = r ? std::optional(*v - *r) : std::nullopt;
            } else {
                break;
            }
        }
        return v;
    }
    std::optional<Fraction> product()
    {
        std::optional<Fraction> v = factor();
        while (v) {
            if (take(u'×')) {
                const auto r = factor();
                v = r ? std::optional(*v * *r) : std::nullopt;
            } else if (take(u'÷')) {
                const auto r = factor();
                v = r && r->num != 0 ? std::optional(*v / *r) : std::nullopt;
            } else {
                break;
            }
        }
        return v;
    }
    std::optional<Fraction> factor()
    {
        if (take(u'(')) {
            const auto v = sum();
            return v && take(u')') ? v : std::nullopt;
        }
        const qsizetype start = m_pos;
        while (m_pos < m_text.size() && m_text[m_pos].isDigit())
            ++m_pos;
        if (m_pos == start || (m_text[start] == u'0' && m_pos - start > 1))
            return std::nullopt;
        return Fraction(m_text.mid(start, m_pos - start).toLongLong());
    }
    QString m_text;
    qsizetype m_pos = 0;
};

// Half-up to hundredths of a non-negative fraction, as children write it.
QString hundredthsText(Fraction f)
{
    // Rounded to two places, both written.
    const qint64 hundredths = (200 * f.num + f.den) / (2 * f.den);
    return QString::number(hundredths / 100) + u'.' +
           QString::number(hundredths % 100).rightJustified(2, u'0');
}

QList<int> numbersIn(const QString &text)
{
    static const QRegularExpression number(u"\\d+"_s);
    QList<int> numbers;
    for (const QRegularExpressionMatch &m : number.globalMatch(text))
        numbers.append(m.captured().toInt());
    return numbers;
}

struct LevelRange
{
    int low, high;
};
LevelRange rangeOf(int level)
{
    return level == 1 ? LevelRange{2, 21} : level == 2 ? LevelRange{20, 69} : LevelRange{50, 149};
}
bool inRange(int n, LevelRange r)
{
    return n >= r.low && n <= r.high;
}

const QList<quint64> seeds = {1, 2, 3, 7, 11, 19, 42, 99, 123, 2024, 31337, 65535};

} // namespace

class TestMixedPatterns : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void evaluator_data();
    void evaluator();
    void chainPages_data();
    void chainPages();
    void bracketedPages_data();
    void bracketedPages();
    void scriptedItems_data();
    void scriptedItems();
    void mixedPagesGradeAsTopicPages();
    void patternRows_data();
    void patternRows();
    void scriptedPatternRows_data();
    void scriptedPatternRows();
    void patternNoteIsTheWholePage();
    void comparisonPages_data();
    void comparisonPages();
    void comparisonGrading_data();
    void comparisonGrading();
};

void TestMixedPatterns::evaluator_data()
{
    QTest::addColumn<QString>("expression");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("twoDecimals");
    QTest::newRow("a sixth") << u"(3-2)/(9-3)"_s << true << 1.0 / 6 << u"0.17"_s;
    QTest::newRow("products divided") << u"(20*2)/(2*2)"_s << true << 10.0 << u"10.00"_s;
    QTest::newRow("real division") << u"(2+4)/(6-2)"_s << true << 1.5 << u"1.50"_s;
    QTest::newRow("exact half rounds up") << u"(3*5)/(2*12)"_s << true << 0.625 << u"0.63"_s;
    QTest::newRow("half not held exactly") << u"(29*1)/(20*10)"_s << true << 0.145 << u"0.15"_s;
    QTest::newRow("written A") << u"(1244-24*50)/22"_s << true << 2.0 << u"2.00"_s;
    QTest::newRow("precedence") << u"2+3*4-10/5"_s << true << 12.0 << u"12.00"_s;
    QTest::newRow("left to right") << u"20-5-3"_s << true << 12.0 << u"12.00"_s;
    QTest::newRow("below a hundredth") << u"1/300"_s << true << 1.0 / 300 << u"0.00"_s;
    QTest::newRow("by zero") << u"(5-3)/(4-4)"_s << false << 0.0 << QString();
    QTest::newRow("unbalanced") << u"(5-3/(4-2)"_s << false << 0.0 << QString();
    QTest::newRow("not arithmetic") << u"sin(1)"_s << false << 0.0 << QString();
    QTest::newRow("empty") << QString() << false << 0.0 << QString();
}

void TestMixedPatterns::evaluator()
{
    QFETCH(QString, expression);
    QFETCH(bool, valid);
    QFETCH(double, value);
    QFETCH(QString, twoDecimals);
    const std::optional<double> got = mixedops::evaluate(expression);
    QCOMPARE(got.has_value(), valid);
    if (!valid)
        return;
    QVERIFY2(std::abs(*got - value) < 1e-12, qPrintable(QString::number(*got, 'g', 17)));
    QCOMPARE(mixedops::twoDecimalText(*got), twoDecimals);
}

void TestMixedPatterns::chainPages_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("kind"); // 0 连加, 1 连减, 2 连加连减
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("itemsPerPage");
    QTest::addColumn<quint64>("seed");
    for (int n = 9010; n <= 9018; ++n)
        for (quint64 seed : seeds) {
            const int itemsPerPage = seed % 3 == 0 ? 50 : seed % 3 == 1 ? 10 : 20;
            QTest::addRow("q%d seed %llu", n, seed) << u"q"_s + QString::number(n) << (n - 9010) / 3
                                                    << (n - 9010) % 3 + 1 << itemsPerPage << seed;
        }
}

void TestMixedPatterns::chainPages()
{
    QFETCH(QString, key);
    QFETCH(int, kind);
    QFETCH(int, level);
    QFETCH(int, itemsPerPage);
    QFETCH(quint64, seed);
    Window w("T8", seed, itemsPerPage);
    const QList<Item> items = pageItems(w.click(key), {});
    QCOMPARE(items.size(), 10); // whatever the item count option says
    QCOMPARE(w.controller.state.pageItemCount, 10);
    static const QList<QString> mixedSigns = {u"++-"_s, u"+--"_s, u"+-+"_s, u"-++"_s, u"-+-"_s};
    static const QRegularExpression chain(u"^(\\d+)([+-])(\\d+)([+-])(\\d+)([+-])(\\d+)$"_s);
    for (int i = 0; i < items.size(); ++i) {
        const QRegularExpressionMatch m = chain.match(items[i].question);
        QVERIFY2(m.hasMatch(), qPrintable(items[i].question));
        const QString signs = m.captured(2) + m.captured(4) + m.captured(6);
        int value = m.captured(1).toInt();
        for (int k = 0; k < 3; ++k)
            value += (signs[k] == u'+' ? 1 : -1) * m.captured(3 + 2 * k).toInt();
        QCOMPARE(items[i].answer, QString::number(value));
        const LevelRange range = rangeOf(level);
        for (int k = 1; k <= 3; ++k)
            QVERIFY(inRange(m.captured(1 + 2 * k).toInt(), range));
        if (kind == 0) {
            QCOMPARE(signs, u"+++"_s);
            QVERIFY(inRange(m.captured(1).toInt(), range));
        } else if (kind == 1) {
            QCOMPARE(signs, u"---"_s);
            QVERIFY(inRange(value, range)); // the first number drawn
        } else {
            QCOMPARE(signs, mixedSigns[i / 2]);
            QVERIFY(inRange(m.captured(1).toInt(), range));
            QVERIFY(value >= 0);
        }
    }
}

void TestMixedPatterns::bracketedPages_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<quint64>("seed");
    for (int n = 9001; n <= 9009; ++n)
        for (quint64 seed : seeds)
            QTest::addRow("q%d seed %llu", n, seed) << n << seed;
}

void TestMixedPatterns::bracketedPages()
{
    QFETCH(int, number);
    QFETCH(quint64, seed);
    // 9002-9004 加减乘, 9005-9007 whole quotients, 9008, 9009 and 9001 decimals.
    const int kind = number == 9001 ? 2 : (number - 9002) / 3;
    const int level = number == 9001 ? 3 : (number - 9002) % 3 + 1;
    const LevelRange range = rangeOf(level);
    Window w("T8", seed, 20);
    const QList<Item> items =
        pageItems(w.click(u"q"_s + QString::number(number)), kind == 2 ? decimalIntro : QString());
    QCOMPARE(items.size(), 10);

    static const QStringList multiplyRows = {u"^(\\d+)×(\\d+)-(\\d+)×(\\d+)$"_s,
                                             u"^(\\d+)×(\\d+)\\+(\\d+)×(\\d+)$"_s,
                                             u"^\\((\\d+)-(\\d+)\\)×\\((\\d+)-(\\d+)\\)$"_s,
                                             u"^\\((\\d+)\\+(\\d+)\\)×\\((\\d+)-(\\d+)\\)$"_s,
                                             u"^\\((\\d+)\\+(\\d+)\\)×\\((\\d+)\\+(\\d+)\\)$"_s};
    static const QStringList quotientRows = {
        u"^\\((\\d+)-(\\d+)\\)÷\\((\\d+)-(\\d+)\\)$"_s,
        u"^\\((\\d+)\\+(\\d+)\\)÷\\((\\d+)-(\\d+)\\)$"_s, u"^\\((\\d+)-(\\d+)×(\\d+)\\)÷(\\d+)$"_s,
        u"^\\((\\d+)×(\\d+)\\)÷\\((\\d+)×(\\d+)\\)$"_s, u"^\\((\\d+)\\+(\\d+)×(\\d+)\\)÷(\\d+)$"_s};
    QStringList shown;
    for (int i = 0; i < items.size(); ++i) {
        const Item &item = items[i];
        const int row = i / 2;
        const QRegularExpression shape((kind == 0 ? multiplyRows : quotientRows)[row]);
        const QRegularExpressionMatch m = shape.match(item.question);
        QVERIFY2(m.hasMatch(), qPrintable(item.question));
        QList<int> x = numbersIn(item.question);
        if (kind != 0 && row == 2) {
            // A = a + b × c written as one number: a is what is left over.
            x[0] -= x[1] * x[2];
        }
        for (int v : std::as_const(x))
            QVERIFY2(inRange(v, range), qPrintable(item.question));
        const std::optional<Fraction> value = ShownExpression::value(item.question);
        QVERIFY2(value, qPrintable(item.question));
        QVERIFY2(value->num >= 0, qPrintable(item.question));
        if (kind == 0 && row == 2)
            QVERIFY(x[0] > x[1] && x[2] > x[3]);
        if (kind != 0 && row == 0)
            QVERIFY(x[0] > x[1] && x[2] > x[3]);
        if (kind == 2) {
            QCOMPARE(item.answer, hundredthsText(*value));
        } else {
            QVERIFY2(value->den == 1, qPrintable(item.question)); // whole results only
            QCOMPARE(item.answer, QString::number(value->num));
        }
        if (kind != 0)
            QVERIFY2(!shown.contains(item.question), qPrintable(item.question));
        shown.append(item.question);
    }
}

void TestMixedPatterns::scriptedItems_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QList<int>>("draws"); // four numbers an item, from item 1
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("answer");
    const QList<int> decimalDraws = {3, 2, 9, 3,  15, 7, 9, 5, 2,  4,  6,  2, 10, 2,
                                     9, 3, 5, 3,  4,  6, 2, 2, 2,  8,  20, 2, 2,  2,
                                     3, 5, 2, 12, 2,  3, 5, 8, 21, 21, 21, 21};
    QTest::newRow("a sixth") << u"q9008"_s << decimalDraws << 1 << u"(3-2)÷(9-3)"_s << u"0.17"_s;
    QTest::newRow("whole") << u"q9008"_s << decimalDraws << 2 << u"(15-7)÷(9-5)"_s << u"2.00"_s;
    QTest::newRow("one decimal") << u"q9008"_s << decimalDraws << 3 << u"(2+4)÷(6-2)"_s
                                 << u"1.50"_s;
    QTest::newRow("below one") << u"q9008"_s << decimalDraws << 5 << u"(17-3×4)÷6"_s << u"0.83"_s;
    QTest::newRow("a quarter") << u"q9008"_s << decimalDraws << 6 << u"(6-2×2)÷8"_s << u"0.25"_s;
    QTest::newRow("ten not one") << u"q9008"_s << decimalDraws << 7 << u"(20×2)÷(2×2)"_s
                                 << u"10.00"_s;
    QTest::newRow("half up") << u"q9008"_s << decimalDraws << 8 << u"(3×5)÷(2×12)"_s << u"0.63"_s;
    QTest::newRow("half up again")
        << u"q9008"_s << decimalDraws << 9 << u"(2+3×5)÷8"_s << u"2.13"_s;
    const QList<int> zeroDraws = {5, 5, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5,
                                  5, 5, 6, 2, 6, 2, 7, 2, 7, 2, 3, 4, 9, 9};
    QTest::newRow("bracket of zero") << u"q9002"_s << zeroDraws << 7 << u"(3+4)×(9-9)"_s << u"0"_s;
    const QList<int> middleDraws = {30, 20, 25, 20, 40, 20, 25, 20, 30, 20,
                                    25, 20, 40, 20, 25, 20, 44, 24, 50, 22};
    QTest::newRow("A written whole")
        << u"q9006"_s << middleDraws << 5 << u"(1244-24×50)÷22"_s << u"2"_s;
    QTest::newRow("whole quotient")
        << u"q9006"_s << middleDraws << 1 << u"(30-20)÷(25-20)"_s << u"2"_s;
    const QList<int> chainDraws = {7, 3, 4, 5};
    QTest::newRow("chain subtraction") << u"q9013"_s << chainDraws << 1 << u"19-3-4-5"_s << u"7"_s;
}

void TestMixedPatterns::scriptedItems()
{
    QFETCH(QString, key);
    QFETCH(QList<int>, draws);
    QFETCH(int, item);
    QFETCH(QString, question);
    QFETCH(QString, answer);
    Window w("T8", 5);
    const int level = key == "q9006"_L1 ? 2 : 1;
    for (int v : std::as_const(draws))
        w.random.push(v, level == 1 ? 20 : 50, level == 1 ? 2 : 20);
    const QString intro = key == "q9008"_L1 ? decimalIntro : QString();
    const QList<Item> items = pageItems(w.click(key), intro);
    QCOMPARE(items.size(), 10);
    QCOMPARE(items[item - 1].question, question);
    QCOMPARE(items[item - 1].answer, answer);
}

void TestMixedPatterns::mixedPagesGradeAsTopicPages()
{
    Window w("T8", 8);
    w.click(u"q9009"_s);
    const QList<Item> items = pageItems(w.view.main.body, decimalIntro);
    QCOMPARE(items.size(), 10);
    // The key keeps both places; the same number written shorter is right
    // too, another number is not.
    QVERIFY(items[0].answer.contains(u'.'));
    QString shorter = items[0].answer;
    while (shorter.endsWith(u'0'))
        shorter.chop(1);
    const DomEdits edits =
        w.submit({{u"answer1"_s, shorter}, {u"answer2"_s, items[1].answer + u'1'}});
    QCOMPARE(edits[0], DomEdit::insertTextAfter(u"answer1"_s, u"(√)"_s));
    QCOMPARE(edits[1], DomEdit::insertTextAfter(u"answer2"_s,
                                                u"(×，正确答案："_s + items[1].answer + u")"_s));
    QVERIFY(edits.last().text.contains(u"你的得分是90分"_s));
    QCOMPARE(w.controller.medalCount(), 0);

    w.click(u"q9016"_s);
    QVERIFY(w.submit().last().text.contains(u"非常不错！你的得分是100分"_s));
    QCOMPARE(w.controller.medalCount(), 1);
}

void TestMixedPatterns::patternRows_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("itemsPerPage");
    QTest::addColumn<quint64>("seed");
    for (int n = 91; n <= 95; ++n)
        for (quint64 seed : seeds)
            QTest::addRow("*%d seed %llu", n, seed) << n << (seed % 2 ? 20 : 50) << seed;
}

void TestMixedPatterns::patternRows()
{
    QFETCH(int, number);
    QFETCH(int, itemsPerPage);
    QFETCH(quint64, seed);
    Window w("T4", seed, itemsPerPage);
    const QString page = w.click(u"q"_s + QString::number(number));
    QCOMPARE(w.controller.state.pageItemCount, itemsPerPage);
    QVERIFY(page.endsWith(submitLine));
    const QStringList rows = page.chopped(submitLine.size()).split(u"<br><br>"_s);
    QCOMPARE(rows.size(), itemsPerPage + 1);
    QVERIFY(rows.last().isEmpty());
    static const QRegularExpression boxPattern(
        u"^ <input class=text name=answer(\\d+) type=text size=7 tag=(\\d+)>$"_s);
    for (int i = 1; i <= itemsPerPage; ++i) {
        QString row = rows[i - 1];
        const QString label = u"第"_s + QString::number(i) + u"题："_s;
        QVERIFY(row.startsWith(label));
        QVERIFY(row.endsWith(u';'));
        const QStringList cells = row.mid(label.size()).chopped(1).split(u';');
        QCOMPARE(cells.size(), 8);
        QList<qint64> x;
        int gap = 0;
        for (int j = 0; j < 8; ++j) {
            const QRegularExpressionMatch box = boxPattern.match(cells[j]);
            if (box.hasMatch()) {
                QCOMPARE(gap, 0); // a single box
                QCOMPARE(box.captured(1).toInt(), i);
                gap = j + 1;
                x.append(box.captured(2).toLongLong());
            } else {
                bool ok = false;
                x.append(cells[j].toLongLong(&ok));
                QVERIFY2(ok, qPrintable(cells[j]));
            }
        }
        QVERIFY(gap >= 2 && gap <= 7); // never the first or the last
        QList<qint64> d;
        for (int j = 1; j < 8; ++j)
            d.append(x[j] - x[j - 1]);
        const auto constantStep = [&d] {
            return std::ranges::all_of(d, [&d](qint64 v) { return v == d[0]; });
        };
        if (number == 91 || number == 92) {
            const int step = number - 90;
            QVERIFY(constantStep());
            QCOMPARE(d[0], step);
            QVERIFY(x[0] - step >= 2 && x[0] - step <= 9);
        } else if (number == 93) {
            QVERIFY(constantStep());
            QVERIFY(d[0] >= 3 && d[0] <= 9);
        } else if (number == 94 && i % 2 == 1) {
            QVERIFY(constantStep());
            QVERIFY(d[0] <= -2 && d[0] >= -9);
            QVERIFY(x[7] >= 1);
        } else if (number == 94) {
            for (int j = 2; j < 7; ++j)
                QCOMPARE(d[j], d[j - 2]);
            QVERIFY(d[0] != d[1]);
            QVERIFY(d[0] >= 1 && d[0] <= 9 && d[1] >= 1 && d[1] <= 9);
        } else if (i % 2 == 1) {
            for (int j = 1; j < 8; ++j)
                QCOMPARE(x[j], 2 * x[j - 1]);
            QVERIFY(x[0] >= 1);
        } else {
            for (int j = 1; j < 7; ++j)
                QCOMPARE(d[j], d[j - 1] + 1);
            QVERIFY(d[0] >= 1 && d[0] <= 5);
        }
    }
    // Every box typed right: 100 points on the topic grading.
    QVERIFY(w.submit().last().text.contains(u"你的得分是100分"_s));
}

void TestMixedPatterns::scriptedPatternRows_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("gap");
    QTest::addColumn<QString>("row");
    const QString box = u" <input class=text name=answer1 type=text size=7 tag="_s;
    QTest::newRow("by one") << u"q91"_s << 3 << 4
                            << u"第1题：4;5;6;"_s + box + u"7>;8;9;10;11;<br><br>"_s;
    QTest::newRow("by two") << u"q92"_s << 2 << 2
                            << u"第1题：4;"_s + box + u"6>;8;10;12;14;16;18;<br><br>"_s;
    QTest::newRow("last gap") << u"q91"_s << 9 << 7
                              << u"第1题：10;11;12;13;14;15;"_s + box + u"16>;17;<br><br>"_s;
}

void TestMixedPatterns::scriptedPatternRows()
{
    QFETCH(QString, key);
    QFETCH(int, start);
    QFETCH(int, gap);
    QFETCH(QString, row);
    Window w("T4", 3);
    w.random.push(start, 8, 2);
    w.random.push(gap, 6, 2);
    QVERIFY(w.click(key).startsWith(row));
}

void TestMixedPatterns::patternNoteIsTheWholePage()
{
    Window w("T4");
    QCOMPARE(w.click(u"q9"_s), u"规律运算说明：请看数学讲座，对这种形式的题有专门的讲解！"_s);
}

void TestMixedPatterns::comparisonPages_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("camelsMore");
    QTest::addColumn<int>("largest");
    QTest::addColumn<quint64>("seed");
    const struct
    {
        const char *key;
        bool camelsMore;
        int largest;
    } pages[] = {{"q81", true, 19}, {"q82", false, 19}, {"q83", true, 49}, {"q84", false, 49}};
    for (const auto &p : pages)
        for (quint64 seed : seeds)
            QTest::addRow("%s seed %llu", p.key, seed)
                << QString::fromLatin1(p.key) << p.camelsMore << p.largest << seed;
}

void TestMixedPatterns::comparisonPages()
{
    QFETCH(QString, key);
    QFETCH(bool, camelsMore);
    QFETCH(int, largest);
    QFETCH(quint64, seed);
    Window w("T4", seed);
    const QString page = w.click(key);
    static const QRegularExpression shape(
        u"^((?:<img src=flash/t2\\.gif>)+)<p>((?:<img src=flash/t3\\.gif>)+)<p>"
        u"骆驼比兔子(多|少)多少？<input class=text name=bj type=text size=7 tag=(\\d+)>"
        u"<br><br>&nbsp; <input class=button name=finish type=button size=7 value=提交答案 "
        u"tag=十><br><br>$"_s);
    const QRegularExpressionMatch m = shape.match(page);
    QVERIFY2(m.hasMatch(), qPrintable(page));
    const int camels = int(m.captured(1).count(u"<img"_s));
    const int rabbits = int(m.captured(2).count(u"<img"_s));
    QCOMPARE(m.captured(3), camelsMore ? u"多"_s : u"少"_s);
    const int larger = camelsMore ? camels : rabbits;
    const int smaller = camelsMore ? rabbits : camels;
    QVERIFY(larger >= 5 && larger <= largest);
    QVERIFY(smaller >= 2 && larger - smaller >= 2);
    QCOMPARE(m.captured(4), QString::number(larger - smaller));
}

void TestMixedPatterns::comparisonGrading_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("typeRight");
    QTest::addColumn<QString>("typedWrong");
    QTest::newRow("right") << u"q81"_s << true << QString();
    QTest::newRow("wrong") << u"q84"_s << false << u"1"_s;
    QTest::newRow("empty") << u"q82"_s << false << QString();
    QTest::newRow("spaced") << u"q83"_s << false << u" "_s;
}

void TestMixedPatterns::comparisonGrading()
{
    QFETCH(QString, key);
    QFETCH(bool, typeRight);
    QFETCH(QString, typedWrong);
    Window w("T4", 17);
    const QString page = w.click(key);
    static const QRegularExpression bj(u"name=bj type=text size=7 tag=(\\d+)>"_s);
    const QString difference = bj.match(page).captured(1);
    QVERIFY(!difference.isEmpty());
    const DomEdits edits = w.submit(typeRight ? QHash<QString, QString>{}
                                              : QHash<QString, QString>{{u"bj"_s, typedWrong}});
    QCOMPARE(edits.size(), 1); // the mark only: no score line
    QCOMPARE(edits[0].kind, DomEdit::Kind::InsertTextAfter);
    QCOMPARE(edits[0].target, u"bj"_s);
    QCOMPARE(edits[0].text, typeRight ? u"(√)"_s : u"(×，正确答案："_s + difference + u")"_s);
    QCOMPARE(w.controller.medalCount(), 0);
    QVERIFY(!w.controller.state.pageGradable);
    QVERIFY(w.submit().isEmpty()); // graded once
}

QTEST_GUILESS_MAIN(TestMixedPatterns)
#include "tst_mixedpatterns.moc"
