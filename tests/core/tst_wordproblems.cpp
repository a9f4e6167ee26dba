// The word problems and the puzzle collections: the slot rules, a lint of
// every shipped template at the extremes of its slots (re-evaluated with
// exact fractions), the grading with explanations, and the puzzles' nodes,
// pages and reveals.
#include "content/storedtexts.h"
#include "controllerfixture.h"
#include "page/exactexpression.h"
#include "page/randomsource.h"
#include "topics/divisors.h"
#include "topics/vbexpression.h"
#include "topics/wordproblems.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace quorvel;
using namespace quorvel::wordproblems;

namespace {

// Hands out the numbers given, in order, whatever the range.
SlotChooser scripted(QList<int> numbers)
{
    return [numbers](const SlotRange &) mutable -> std::optional<int> {
        return numbers.isEmpty() ? std::nullopt : std::optional<int>(numbers.takeFirst());
    };
}

// The low or high end of every slot, slot i taking its high end when bit i
// of mask is set.
SlotChooser extremes(int mask)
{
    auto slot = std::make_shared<int>(0);
    return [mask, slot](const SlotRange &range) -> std::optional<int> {
        const bool high = mask & (1 << (*slot)++);
        int low = int(std::floor(range.low));
        int top = int(std::ceil(range.high)) - 1;
        if (range.even) {
            low += low % 2 != 0;
            top -= top % 2 != 0;
            if (low > top)
                return std::nullopt;
        }
        return high ? top : low;
    };
}

const QStringList longUnits = {
    u"平方千米"_s, u"平方分米"_s, u"平方厘米"_s, u"平方米"_s, u"立方分米"_s, u"立方厘米"_s,
    u"立方米"_s,   u"千米"_s,     u"千克"_s,     u"厘米"_s,   u"分米"_s,     u"毫米"_s,
    u"小时"_s,     u"分钟"_s,     u"公顷"_s,     u"公里"_s,   u"公斤"_s,     u"毫升"_s};

QStringList shippedLines(const QString &file)
{
    QFile f(QStringLiteral(QUORVEL_SOURCE_DIR) + u"/data/"_s + file);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll()).split(u"\r\n"_s);
}

} // namespace

class TestWordProblems : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void vbOperators_data();
    void vbOperators();
    void slotRules();
    void designExamples();
    void templateLint_data();
    void templateLint();
    void shortAndBrokenFiles();
    void gradingWithExplanations();
    void puzzleCollections();
};

void TestWordProblems::vbOperators_data()
{
    QTest::addColumn<QString>("expression");
    QTest::addColumn<double>("value"); // NaN: no value
    const double none = std::nan("");
    QTest::newRow("integer division") << u"7\\2"_s << 3.0;
    QTest::newRow("binds below *") << u"1+7\\2*2"_s << 2.0;
    QTest::newRow("Mod below \\") << u"10 Mod 4\\2"_s << 0.0;
    QTest::newRow("Mod keeps the dividend's sign") << u"-7 mod 3"_s << -1.0;
    QTest::newRow("operands rounded half to even") << u"2.5\\1+3.5 Mod 3"_s << 3.0;
    QTest::newRow("powers left to right") << u"2^3^2"_s << 64.0;
    QTest::newRow("sign below ^") << u"-2^2"_s << -4.0;
    QTest::newRow("decimals") << u"(7+5/10)*5"_s << 37.5;
    QTest::newRow("division by zero") << u"5/(3-3)"_s << none;
    QTest::newRow("integer division by zero") << u"5\\0.4"_s << none;
    QTest::newRow("not arithmetic") << u"x+1"_s << none;
}

void TestWordProblems::vbOperators()
{
    QFETCH(QString, expression);
    QFETCH(double, value);
    const std::optional<double> result = evaluateVbExpression(expression);
    if (std::isnan(value))
        QVERIFY(!result);
    else
        QCOMPARE(result, std::optional<double>(value));
}

void TestWordProblems::slotRules()
{
    SeededRandom random(5);
    const SlotChooser choose = randomChooser(random);
    QSet<int> plain;
    QSet<int> even;
    for (int i = 0; i < 2000; ++i) {
        plain.insert(*choose({2, 10, false}));
        even.insert(*choose({3, 8, true}));
    }
    QCOMPARE(plain, (QSet<int>{2, 3, 4, 5, 6, 7, 8, 9})); // never 10
    QCOMPARE(even, (QSet<int>{4, 6}));
    QVERIFY(!choose({3, 4, true})); // no even number: no draw for ever

    // y = k·x; l only with a y slot.
    const auto y = makeProblem(u"有(x=2_9)个，(y=x*2_5)倍，共(z=y)个？"_s, scripted({4, 3}));
    QCOMPARE(y->question, u"有4个，12倍，共多少个？"_s);
    const auto noY = makeProblem(u"有(x=2_9)个，(l=1_5)个，共(z=x)个？"_s, scripted({4, 3}));
    QCOMPARE(noY->question, u"有4个，(l=1_5)个，共多少个？"_s);
    QVERIFY(!makeProblem(u"有(x=2_9)个，共(z=x+l)个？"_s, scripted({4})));

    QCOMPARE(unitAfter(u"平方厘米？"_s), u"平方厘米"_s);
    QCOMPARE(unitAfter(u"平方米？"_s), u"平方米"_s);
    QCOMPARE(unitAfter(u"千克？"_s), u"千克"_s);
    QCOMPARE(unitAfter(u"元？"_s), u"元"_s);
}

void TestWordProblems::designExamples()
{
    const auto apples =
        makeProblem(u"小明有(x=2_10)个苹果，小红的苹果是小明的(y=x*2_4)倍，两人一共有(z=x+y)个?"_s,
                    scripted({5, 3}));
    QCOMPARE(apples->question, u"小明有5个苹果，小红的苹果是小明的15倍，两人一共有多少个?"_s);
    QCOMPARE(apples->value + apples->unit + u'|' + apples->explanation, u"20个|5+15=20个"_s);

    const auto rest =
        makeProblem(u"(x=10_30)个苹果每(y=3_8)个装一袋，还剩(z=qiuu)个?"_s, scripted({17, 5}));
    QCOMPARE(rest->value + rest->unit, u"2个"_s);
    QCOMPARE(rest->explanation, u"17除以5的余数=2个"_s);
    QCOMPARE(itemHtml(3, *rest),
             u"3：17个苹果每5个装一袋，还剩多少个?<br>答案 =  <input class=text name=answer3 "
             u"type=text size=11 tag=2个|17除以5的余数=2个><br><br>"_s);
}

void TestWordProblems::templateLint_data()
{
    QTest::addColumn<QString>("file");
    for (const QString &file :
         {u"一年级应用题.txt"_s, u"二年级应用题.txt"_s, u"三年级应用题.txt"_s})
        QTest::newRow(qPrintable(file)) << file;
}

// Every line, at every combination of its slots' extremes, gives a problem:
// a value that is a finite decimal of at most two places, whose explanation
// gives it again in exact fractions, and a unit read whole.
void TestWordProblems::templateLint()
{
    QFETCH(QString, file);
    const QStringList lines = shippedLines(file);
    QVERIFY(lines.size() >= 40);
    static const QRegularExpression slot(u"\\((?:x|y|l)="_s);
    for (const QString &line : lines) {
        const int slots = int(line.count(slot));
        QVERIFY2(slots >= 1, qPrintable(line));
        for (int mask = 0; mask < (1 << slots); ++mask) {
            const std::optional<Problem> p = makeProblem(line, extremes(mask));
            QVERIFY2(p, qPrintable(line + u" mask "_s + QString::number(mask)));
            const QString where = line + u" → "_s + p->explanation;
            // The unit is read whole: a unit of several characters that the
            // line writes there is not cut short.
            const QString rest = line.mid(line.lastIndexOf(u')') + 1);
            for (const QString &unit : longUnits)
                QVERIFY2(!rest.startsWith(unit) || p->unit == unit, qPrintable(where));
            const std::optional<Rational> value = leadingNumber(p->value);
            QVERIFY2(value && value->numerator() >= 0, qPrintable(where));
            QVERIFY2((*value * Rational(100)).isInteger(), qPrintable(where));
            if (line.contains(u"qiuu"_s))
                continue;
            const QString expression = p->explanation.left(p->explanation.lastIndexOf(u'='));
            QVERIFY2(evaluateExact(expression) == value, qPrintable(where));
        }
    }
}

void TestWordProblems::shortAndBrokenFiles()
{
    SeededRandom random(1);
    // Fewer than ten usable lines: as many problems as there are, no hang.
    const Page three =
        page(QStringList{u"有(x=2_5)个，吃了(y=1_2)个，剩(z=x-y)个？"_s, u""_s, u"没有槽的一行"_s,
                         u"(x=3#4)个，(z=x)个？"_s, u"有(x=2_5)个，(z=x/0)个？"_s,
                         u"有(x=5_9)个，又来(y=1_3)个，共(z=x+y)个？"_s,
                         u"有(x=5_9)个，每(y=2_3)个一组，剩(z=qiuu)个?"_s},
             random);
    QCOMPARE(three.items, 3);
    QVERIFY(three.text.contains(u"name=answer3 "_s));
    QVERIFY(!three.text.contains(u"inf"_s) && !three.text.contains(u"nan"_s));
    for (const std::optional<QStringList> &nothing :
         {std::optional<QStringList>(), std::optional<QStringList>(QStringList{u""_s})}) {
        const Page none = page(nothing, random);
        QCOMPARE(none.items, 0);
        QCOMPARE(none.text, u"应用题没能读出来，请检查程序文件夹里的应用题文件。"_s);
    }
}

void TestWordProblems::gradingWithExplanations()
{
    const QByteArray templates = "小明有(x=2_10)个苹果，又买了(y=2_10)个，一共有(z=x+y)个?\r\n"
                                 "小红有(x=2_10)元，花了(y=1_2)元，还剩(z=x-y)元?";
    ControllerFixture<> f(WithFiles{{{u"一年级应用题.txt"_s, templates}}}, 3);
    f.onTab(u"T11");
    f.click(u"q57"_s);
    const PageDocument page = f.view.main.document.snapshot();
    const Key first = keyOf(page.find(u"answer1"_s)->tag);
    const Key second = keyOf(page.find(u"answer2"_s)->tag);

    // Value and unit: right; the number alone: wrong, with the explanation.
    const QString number = second.answer.left(second.answer.size() - 1);
    const DomEdits marks = f.submit({{u"answer1"_s, first.answer}, {u"answer2"_s, number}});
    QCOMPARE(marks.at(0), DomEdit::insertTextAfter(u"answer1"_s,
                                                   u"(√，正确答案："_s + first.explanation + u')'));
    QCOMPARE(marks.at(1), DomEdit::insertTextAfter(u"answer2"_s, u"(×，正确答案："_s +
                                                                     second.explanation + u')'));
    QVERIFY(marks.last().text.contains(u"你的得分是50分"_s));
    QCOMPARE(f.controller.medalCount(), 0);

    f.click(u"q57"_s);
    const PageDocument again = f.view.main.document.snapshot();
    f.submit({{u"answer1"_s, keyOf(again.find(u"answer1"_s)->tag).answer},
              {u"answer2"_s, u" "_s + keyOf(again.find(u"answer2"_s)->tag).answer}});
    QCOMPARE(f.controller.medalCount(), 1);

    // The student account sees no answers.
    f.controller.accounts().loginAsStudent();
    f.click(u"q57"_s);
    QVERIFY(f.submit().isEmpty());
    QCOMPARE(f.view.messages.last(), u"你的密码不对，不能查看答案！请向高级用户咨询密码！"_s);

    // Unless the parent lets the student have marks: right or wrong only.
    f.controller.state.studentMayGrade = true;
    f.click(u"q57"_s);
    const PageDocument alone = f.view.main.document.snapshot();
    const DomEdits studentMarks =
        f.submit({{u"answer1"_s, keyOf(alone.find(u"answer1"_s)->tag).answer}});
    QCOMPARE(studentMarks.at(0), DomEdit::insertTextAfter(u"answer1"_s, u"(√)"_s));
    QCOMPARE(studentMarks.at(1), DomEdit::insertTextAfter(u"answer2"_s, u"(×)"_s));
    QVERIFY(studentMarks.at(2).text.contains(u"你的得分是50分"_s));
}

void TestWordProblems::puzzleCollections()
{
    ControllerFixture<> f(1);
    f.onTab(u"T12");

    // 智力体操: 40 puzzles on the first click, not again.
    f.click(u"q59"_s);
    QStringList children = f.controller.tree().childKeys(u"q59"_s);
    QCOMPARE(children.size(), 40);
    QCOMPARE(children.first(), u"q59002"_s);
    QCOMPARE(children.last(), u"q59041"_s);
    f.click(u"q59"_s);
    QCOMPARE(f.controller.tree().childKeys(u"q59"_s).size(), 40);

    const divisors::ExampleCollection puzzles(texts::puzzles(), 3);
    const QString answer = puzzles.answerHtml(1);
    QVERIFY(!answer.isEmpty());
    QVERIFY(!f.click(u"q59002"_s).contains(answer));
    QVERIFY(
        f.view.main.body.startsWith(u"<h1>"_s + f.controller.tree().find(u"q59002"_s)->caption));
    f.controller.state.elapsedSeconds = 12;
    QCOMPARE(f.submit(), (DomEdits{DomEdit::insertHtmlAfter(
                             u"finish"_s, u"<h2>"_s + answer + u"</h2><br>思考用时12秒！"_s)}));

    // 脑力体操 and the examples: every puzzle has its node's title, a page
    // with the reveal button and an answer.
    struct Collection
    {
        QString text;
        QString tab;
        QString keyPrefix; // the key of piece k is keyPrefix + (first + k)
        int first;
        int count;
    };
    for (const Collection &c : {Collection{texts::brainTeasers(), u"T12"_s, u"q5"_s, 10, 68},
                                Collection{texts::geometryExamples(), u"T11"_s, u"q580"_s, 0, 8}}) {
        f.onTab(c.tab);
        const divisors::ExampleCollection pieces(c.text, 2);
        QCOMPARE(pieces.entries().size(), c.count);
        for (int k = 1; k <= c.count; ++k) {
            const QString key = c.keyPrefix + QString::number(c.first + k);
            const TopicNode *node = f.controller.tree().find(key);
            QVERIFY2(node, qPrintable(key));
            QCOMPARE(pieces.entries()[k - 1].title, node->caption);
            QVERIFY(f.click(key).contains(u"name=finish"_s));
            QVERIFY2(!pieces.answerHtml(k).isEmpty(), qPrintable(key));
            f.controller.state.elapsedSeconds = 3;
            QCOMPARE(f.submit().last().text,
                     u"<br><br>"_s + pieces.answerHtml(k) + u"<br>思考用时3秒！"_s);
        }
    }
    f.onTab(u"T12");

    // 标准智力测试题: the reveal once a page; the 智力题 group: the button alone.
    f.click(u"q52"_s);
    QCOMPARE(f.submit().size(), 1);
    QVERIFY(f.submit().isEmpty());
    QCOMPARE(f.click(u"q55555"_s), divisors::revealButton() + u"<br><br>"_s);
}

QTEST_GUILESS_MAIN(TestWordProblems)
#include "tst_wordproblems.moc"
