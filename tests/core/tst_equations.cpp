// Linear equation pages: the exact item texts, every equation solved again
// from the text on the page, the ranges of the drawn numbers, and the page in
// the main window with its grading.
#include "app/core/maincontroller.h"
#include "app/core/recordingview.h"
#include "content/programfiles.h"
#include "controllerfixture.h"
#include "page/pagedocument.h"
#include "page/randomsource.h"
#include "page/settingsstore.h"
#include "scriptedrandom.h"
#include "topics/equations.h"

#include <QRegularExpression>
#include <QTest>

#include <deque>

using namespace Qt::StringLiterals;
using namespace quorvel;

namespace {

const QString answerIndent = u"<br>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp; x = "_s;
const QString finishLine = u"&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp; "
                           u"<input class=button name=finish type=button size=7 value=提交答案 "
                           u"tag=十><br><br>"_s;

struct Item
{
    int number = 0;
    QString equation; // between "题：" and the answer line
    QString tag;
};

// The items of a page in order; fails on any text between them that is not
// the item format.
QList<Item> itemsOf(const QString &page)
{
    static const QRegularExpression item(u"第(\\d+)题：(.*?)<br>(?:&nbsp;){7} x = <input "
                                         u"class=text name=answer(\\d+) type=text size=7 "
                                         u"tag=([^ >]*)><br><br>"_s);
    QList<Item> items;
    qsizetype at = 0;
    for (const auto &m : item.globalMatch(page)) {
        if (m.capturedStart() != at || m.captured(1) != m.captured(3))
            return {};
        items.append({m.captured(1).toInt(), m.captured(2), m.captured(4)});
        at = m.capturedEnd();
    }
    return page.mid(at) == finishLine ? items : QList<Item>{};
}

// One side of an equation as a·x + b.
struct Linear
{
    qint64 a = 0;
    qint64 b = 0;
    bool ok = true;
};

// Reads terms such as "23", "x", "6x", joined by " + " and " - ".
Linear readSide(const QString &side)
{
    Linear result;
    static const QRegularExpression term(u"([+-]?)(\\d*)(x?)"_s);
    QString text = side;
    text.remove(u' ');
    if (text.isEmpty())
        return {0, 0, false};
    qsizetype at = 0;
    while (at < text.size()) {
        const auto m = term.match(text, at, QRegularExpression::NormalMatch,
                                  QRegularExpression::AnchorAtOffsetMatchOption);
        if (!m.hasMatch() || m.capturedLength() == 0 || (at > 0 && m.captured(1).isEmpty()) ||
            (m.captured(2).isEmpty() && m.captured(3).isEmpty()))
            return {0, 0, false};
        const int sign = m.captured(1) == "-"_L1 ? -1 : 1;
        const qint64 value = m.captured(2).isEmpty() ? 1 : m.captured(2).toLongLong();
        (m.captured(3).isEmpty() ? result.b : result.a) += sign * value;
        at = m.capturedEnd();
    }
    return result;
}

// The solution of "left = right" when it is one whole number.
std::optional<qint64> solve(const QString &equation)
{
    const QStringList sides = equation.split(u'=');
    if (sides.size() != 2)
        return {};
    const Linear left = readSide(sides[0]);
    const Linear right = readSide(sides[1]);
    const qint64 a = left.a - right.a;
    const qint64 b = right.b - left.b;
    if (!left.ok || !right.ok || a == 0 || b % a != 0)
        return {};
    return b / a;
}

struct Window : ControllerFixture<>
{
    Window() : ControllerFixture(11) { onTab(u"T8"); }
};

} // namespace

class TestEquations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void exactItems_data();
    void exactItems();
    void everyEquationSolvesToItsTag_data();
    void everyEquationSolvesToItsTag();
    void numbersWithoutADrill_data();
    void numbersWithoutADrill();
    void pagesInTheWindow_data();
    void pagesInTheWindow();
};

void TestEquations::exactItems_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QList<QList<int>>>("draws"); // value, k, m of each draw in order
    QTest::addColumn<QString>("equation");
    QTest::addColumn<QString>("solution");

    using Draws = QList<QList<int>>;
    QTest::newRow("x + 30 = 42") << 79681 << Draws{{12, 45, 3}, {30, 45, 3}} << u" x + 30 = 42"_s
                                 << u"12"_s;
    QTest::newRow("42 - x = 30") << 79682 << Draws{{12, 45, 3}, {30, 45, 3}} << u" 42 - x = 30"_s
                                 << u"12"_s;
    QTest::newRow("3x + 10 = 22") << 79683 << Draws{{10, 45, 3}, {4, 15, 3}, {3, 7, 2}}
                                  << u" 3x + 10 = 22"_s << u"4"_s;
    QTest::newRow("22 - 3x = 10") << 79684 << Draws{{10, 45, 3}, {4, 15, 3}, {3, 7, 2}}
                                  << u" 22 - 3x = 10"_s << u"4"_s;
    QTest::newRow("largest of type 1 hard")
        << 79683 << Draws{{47, 45, 3}, {17, 15, 3}, {8, 7, 2}} << u" 8x + 47 = 183"_s << u"17"_s;
    // Type 3: P = m(p - q), d drawn below P - 2, e = P - d.
    QTest::newRow("5x  = x + 12") << 79685 << Draws{{5, 15, 3}, {1, 4, 1}, {3, 8, 2}, {0, 10, 0}}
                                  << u" 5x  = x + 12"_s << u"3"_s;
    QTest::newRow("7x - 5 = 3x + 11")
        << 79685 << Draws{{7, 15, 3}, {3, 6, 1}, {4, 8, 2}, {5, 14, 0}} << u" 7x - 5 = 3x + 11"_s
        << u"4"_s;
    QTest::newRow("9x - 20 = x + 4")
        << 79685 << Draws{{9, 15, 3}, {1, 8, 1}, {3, 8, 2}, {20, 22, 0}} << u" 9x - 20 = x + 4"_s
        << u"3"_s;
    QTest::newRow("12x  = 5x + 14")
        << 79685 << Draws{{12, 15, 3}, {5, 11, 1}, {2, 8, 2}, {0, 12, 0}} << u" 12x  = 5x + 14"_s
        << u"2"_s;
    QTest::newRow("P = 2 leaves no d to draw")
        << 79685 << Draws{{3, 15, 3}, {2, 2, 1}, {2, 8, 2}, {0, 0, 0}} << u" 3x  = 2x + 2"_s
        << u"2"_s;
    QTest::newRow("hard p = 47") << 79686 << Draws{{47, 45, 3}, {46, 46, 1}, {9, 8, 2}, {6, 7, 0}}
                                 << u" 47x - 6 = 46x + 3"_s << u"9"_s;
    QTest::newRow("23 - 6x = 7 - 2x")
        << 79687 << Draws{{6, 15, 3}, {2, 5, 1}, {4, 8, 2}, {7, 10, 2}} << u" 23 - 6x = 7 - 2x"_s
        << u"4"_s;
    QTest::newRow("coefficient 1 on the right")
        << 79687 << Draws{{4, 15, 3}, {1, 3, 1}, {5, 8, 2}, {2, 10, 2}} << u" 17 - 4x = 2 - x"_s
        << u"5"_s;
    QTest::newRow("hard e = 21") << 79688 << Draws{{30, 45, 3}, {10, 29, 1}, {2, 8, 2}, {21, 20, 2}}
                                 << u" 61 - 30x = 21 - 10x"_s << u"2"_s;
}

void TestEquations::exactItems()
{
    QFETCH(int, kind);
    QFETCH(QList<QList<int>>, draws);
    QFETCH(QString, equation);
    QFETCH(QString, solution);
    ScriptedRandom random;
    for (const QList<int> &draw : draws)
        random.push(draw[0], draw[1], draw[2]);

    const Page page = equations::QiuFangCheng(kind, 1, random);
    QCOMPARE(page.text, u"第1题："_s + equation + answerIndent +
                            u"<input class=text name=answer1 type=text size=7 tag="_s + solution +
                            u"><br><br>"_s + finishLine);
    QCOMPARE(page.items, 1);
    QVERIFY(random.draws.empty()); // exactly the listed draws, in that order
    QCOMPARE(solve(equation), solution.toLongLong());
}

void TestEquations::everyEquationSolvesToItsTag_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("shape");     // the equation's form, numbers captured
    QTest::addColumn<QList<int>>("ranges"); // lowest and highest of each capture, 0 0 unchecked
    QTest::addColumn<int>("lowest");        // of the solution
    QTest::addColumn<int>("highest");

    // Captures: the numbers of the equation from left to right.
    QTest::newRow("类型1简单") << 79681 << u"^ x \\+ (\\d+) = (\\d+)$"_s << QList<int>{3, 47, 6, 94}
                               << 3 << 47;
    QTest::newRow("类型2简单") << 79682 << u"^ (\\d+) - x = (\\d+)$"_s << QList<int>{6, 94, 3, 47}
                               << 3 << 47;
    QTest::newRow("类型1较难") << 79683 << u"^ (\\d+)x \\+ (\\d+) = (\\d+)$"_s
                               << QList<int>{2, 8, 3, 47, 9, 183} << 3 << 17;
    QTest::newRow("类型2较难") << 79684 << u"^ (\\d+) - (\\d+)x = (\\d+)$"_s
                               << QList<int>{9, 183, 2, 8, 3, 47} << 3 << 17;
    QTest::newRow("类型3简单") << 79685 << u"^ (\\d+)x(?: - (\\d+)| ) = (\\d*)x \\+ (\\d+)$"_s
                               << QList<int>{3, 17, 1, 141, 2, 16, 2, 144} << 2 << 9;
    QTest::newRow("类型3较难") << 79686 << u"^ (\\d+)x(?: - (\\d+)| ) = (\\d*)x \\+ (\\d+)$"_s
                               << QList<int>{3, 47, 1, 411, 2, 46, 2, 414} << 2 << 9;
    QTest::newRow("类型4简单") << 79687 << u"^ (\\d+) - (\\d+)x = (\\d+) - (\\d*)x$"_s
                               << QList<int>{4, 155, 3, 17, 2, 11, 2, 16} << 2 << 9;
    QTest::newRow("类型4较难") << 79688 << u"^ (\\d+) - (\\d+)x = (\\d+) - (\\d*)x$"_s
                               << QList<int>{4, 435, 3, 47, 2, 21, 2, 46} << 2 << 9;
}

void TestEquations::everyEquationSolvesToItsTag()
{
    QFETCH(int, kind);
    QFETCH(QString, shape);
    QFETCH(QList<int>, ranges);
    QFETCH(int, lowest);
    QFETCH(int, highest);
    const QRegularExpression form(shape);

    QSet<qint64> solutions;
    int withoutCoefficient = 0; // "x" written for 1x on the right
    int withoutTerm = 0;        // "px  =" with the zero term left out
    for (quint64 seed = 1; seed <= 60; ++seed) {
        SeededRandom random(seed);
        const int count = seed % 3 == 0 ? 50 : seed % 3 == 1 ? 10 : 20;
        const Page page = equations::QiuFangCheng(kind, count, random);
        const QList<Item> items = itemsOf(page.text);
        QCOMPARE(items.size(), count);
        QCOMPARE(page.items, count);
        for (const Item &item : items) {
            const auto m = form.match(item.equation);
            if (!m.hasMatch())
                QFAIL(qPrintable(u"not of its form: "_s + item.equation));
            for (int c = 1; c <= m.lastCapturedIndex(); ++c) {
                const QString number = m.captured(c);
                if (number.isEmpty()) {
                    // an empty coefficient stands for 1, an empty term for 0
                    (c == 2 && (kind == 79685 || kind == 79686) ? withoutTerm
                                                                : withoutCoefficient)++;
                    continue;
                }
                // Written coefficients start at 2 and terms at 1 in every range.
                QVERIFY2(!number.startsWith(u'0'), qPrintable(item.equation));
                const int value = number.toInt();
                QVERIFY2(value >= ranges[2 * (c - 1)] && value <= ranges[2 * c - 1],
                         qPrintable(item.equation));
            }
            const std::optional<qint64> x = solve(item.equation);
            QVERIFY2(x.has_value(), qPrintable(item.equation));
            QCOMPARE(item.tag, QString::number(*x));
            QVERIFY(*x >= lowest && *x <= highest);
            solutions.insert(*x);
        }
    }
    // Every solution of the range turns up.
    QCOMPARE(solutions.size(), highest - lowest + 1);
    if (kind >= 79685) {
        QVERIFY(withoutCoefficient > 0);
        if (kind <= 79686)
            QVERIFY(withoutTerm > 0);
    }
}

void TestEquations::numbersWithoutADrill_data()
{
    QTest::addColumn<int>("number");
    QTest::newRow("the group 7968") << 7968;
    QTest::newRow("79680") << 79680;
    QTest::newRow("79689") << 79689;
    QTest::newRow("796811") << 796811;
}

void TestEquations::numbersWithoutADrill()
{
    QFETCH(int, number);
    ScriptedRandom random;
    const Page page = equations::QiuFangCheng(number, 10, random);
    QVERIFY(page.text.isEmpty());
    QCOMPARE(page.items, 0);
}

void TestEquations::pagesInTheWindow_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("perPage");
    QTest::newRow("类型1简单, 10") << u"q79681"_s << 10;
    QTest::newRow("类型2较难, 20") << u"q79684"_s << 20;
    QTest::newRow("类型3较难, 50") << u"q79686"_s << 50;
    QTest::newRow("类型4简单, 20") << u"q79687"_s << 20;
}

void TestEquations::pagesInTheWindow()
{
    QFETCH(QString, key);
    QFETCH(int, perPage);
    Window w;
    w.controller.state.defaultTiCount = perPage;
    w.controller.nodeClicked(key);

    const QList<Item> items = itemsOf(w.view.main.body);
    QCOMPARE(items.size(), perPage);
    QCOMPARE(w.controller.state.pageItemCount, perPage);
    for (const Item &item : items)
        QCOMPARE(item.tag, QString::number(solve(item.equation).value_or(-1)));

    PageDocument page = w.answered();
    w.controller.gradePage(page);
    QCOMPARE(marksOnly(page.edits()).size(), perPage + 1);
    for (int i = 0; i < perPage; ++i)
        QCOMPARE(page.edits()[i].text, u"(√)"_s);
    QVERIFY(marksOnly(page.edits()).last().text.contains(u"得分是100分"_s));
    QCOMPARE(w.controller.medalCount(), 1);

    // The group node itself has no page.
    w.controller.nodeClicked(u"q7968"_s);
    QVERIFY(w.view.main.body.isEmpty());
    QCOMPARE(w.controller.state.pageItemCount, 0);
}

QTEST_APPLESS_MAIN(TestEquations)
#include "tst_equations.moc"
