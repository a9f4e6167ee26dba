// The tab "时间转换": every answer worked out here from the times written in
// the item, the draws' ranges, the worked examples, the two-box grading of
// the minutes-to-hours and duration pages, the puzzles and their reveal, and
// the interval page that runs before every "$" page.
#include "app/core/maincontroller.h"
#include "app/core/recordingview.h"
#include "content/programfiles.h"
#include "content/storedtexts.h"
#include "controllerfixture.h"
#include "page/pagedocument.h"
#include "page/randomsource.h"
#include "page/settingsstore.h"
#include "scriptedrandom.h"
#include "topics/timepages.h"

#include <QRegularExpression>
#include <QTest>

#include <deque>
#include <functional>

using namespace Qt::StringLiterals;
using namespace quorvel;

namespace {

const QString submitLine = u"&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp; "
                           u"<input class=button name=finish type=button size=7 value=提交答案 "
                           u"tag=十><br><br>"_s;
const QString oneBox = u" <input class=text name=answer(\\d+) type=text size=7 tag=([^ >]*)>"_s;
const QString twoBoxes =
    u" <input class=text name=answerleft(\\d+) type=text size=7 tag=([^ >]*)>小时"
    u" <input class=text name=answerright(\\d+) type=text size=7 tag=([^ >]*)>分<br><br>"_s;

struct Window : ControllerFixture<ScriptedRandom>
{
    explicit Window(quint64 seed = 1) : ControllerFixture(seed) { onTab(u"T2"); }
};

// The items of a page that is exactly intro, items 1, 2, … and the submit
// line: per item the whole numbers of the question, then per box its item
// number and tag.
// Empty on a page of any other shape.
QList<QList<int>> pageItems(const QString &page, const QString &intro, const QString &itemPattern)
{
    const QRegularExpression item(u"第(\\d+)题："_s + itemPattern);
    QList<QList<int>> items;
    qsizetype pos = intro.size();
    for (QRegularExpressionMatch m; (m = item.match(page, pos, QRegularExpression::NormalMatch,
                                                    QRegularExpression::AnchorAtOffsetMatchOption))
                                        .hasMatch();
         pos = m.capturedEnd()) {
        const QString number = QString::number(items.size() + 1);
        if (m.captured(1) != number)
            return {};
        QList<int> values;
        for (int c = 2; c <= m.lastCapturedIndex(); ++c) {
            bool ok = false;
            values.append(m.captured(c).toInt(&ok));
            if (!ok)
                return {};
        }
        items.append(values);
    }
    return page.startsWith(intro) && page.mid(pos) == submitLine ? items : QList<QList<int>>{};
}

struct Kind
{
    QString intro;
    QString pattern; // after "第i题："; box name numbers are captured too
    // Checks the draws' ranges and works the answer out from the question:
    // the values are the question's numbers, then box number and tag per box.
    std::function<bool(const QList<int> &, int item)> check;
};

int minutesOf(int hours, int minutes)
{
    return hours * 60 + minutes;
}

bool in(int value, int low, int high)
{
    return value >= low && value <= high;
}

// The tags h, m of two boxes hold the duration `total` minutes.
bool holds(const QList<int> &v, qsizetype at, int item, int total)
{
    return v[at] == item && v[at + 2] == item && v[at + 1] == total / 60 && v[at + 3] == total % 60;
}

Kind kindOf(const QString &key)
{
    const QString d = u"(\\d+)"_s;
    const QString hm = d + u"小时"_s + d + u"分"_s;
    if (key == "q71"_L1 || key == "q72"_L1) {
        const int low = key == "q71"_L1 ? 2 : 11;
        const int high = key == "q71"_L1 ? 9 : 108;
        return {{}, hm + u"="_s + oneBox + u"分<br><br>"_s, [=](const QList<int> &v, int i) {
                    return in(v[0], low, high) && in(v[1], 1, 59) && v[2] == i &&
                           v[3] == minutesOf(v[0], v[1]);
                }};
    }
    if (key == "q73"_L1 || key == "q74"_L1) {
        const int low = key == "q73"_L1 ? 1 : 11;
        const int high = key == "q73"_L1 ? 8 : 108;
        return {{}, hm + d + u"秒="_s + oneBox + u"秒<br><br>"_s, [=](const QList<int> &v, int i) {
                    return in(v[0], low, high) && in(v[1], 1, 59) && in(v[2], 1, 59) && v[3] == i &&
                           v[4] == minutesOf(v[0], v[1]) * 60 + v[2];
                }};
    }
    if (key == "q75"_L1 || key == "q76"_L1) {
        const int high = key == "q75"_L1 ? 999 : 9999;
        return {{}, d + u"分="_s + twoBoxes, [=](const QList<int> &v, int i) {
                    return in(v[0], 61, high) && holds(v, 1, i, v[0]);
                }};
    }
    if (key.startsWith("q77977"_L1)) {
        const QString middle = key == "q7797703"_L1 ? u"分 到 第二天"_s : u"分 到 "_s;
        const QString pattern = d + u"点"_s + d + middle + d + u"点"_s + d + u"分 的时间间隔 = "_s +
                                oneBox + u"分钟<br><br>"_s;
        return {{}, pattern, [key](const QList<int> &v, int i) {
                    const int h1 = v[0], m1 = v[1], h2 = v[2], m2 = v[3];
                    bool ranges = false;
                    int end = minutesOf(h2, m2);
                    if (key == "q7797701"_L1)
                        ranges = in(h2, 5, 22) && in(m2, 29, 58) && in(h1, 1, h2 - 2) &&
                                 in(m1, 1, m2 - 2);
                    else if (key == "q7797702"_L1)
                        ranges = in(h2, 5, 22) && in(m2, 1, 30) && in(h1, 1, h2 - 2) &&
                                 in(m1, m2 + 2, 56);
                    else {
                        ranges =
                            in(h2, 1, 11) && in(m2, 1, 30) && in(h1, 12, 22) && in(m1, m2 + 2, 56);
                        end += 24 * 60;
                    }
                    return ranges && v[4] == i && v[5] == end - minutesOf(h1, m1) && v[5] > 0;
                }};
    }
    // The intro: a page of no items is the intro and the submit line.
    SeededRandom unused(0);
    const QString intro =
        timepages::ShiJianJiSuan(key.mid(1).toInt(), 0, unused).text.chopped(submitLine.size());
    if (key == "q7234701"_L1)
        return {intro, hm + u" \\+ "_s + hm + u" = "_s + twoBoxes, [](const QList<int> &v, int i) {
                    return in(v[0], 1, 15) && in(v[1], 1, 59) && in(v[2], 1, 15) &&
                           in(v[3], 1, 59) &&
                           holds(v, 4, i, minutesOf(v[0], v[1]) + minutesOf(v[2], v[3]));
                }};
    if (key == "q7234702"_L1)
        return {intro, hm + u" - "_s + hm + u" = "_s + twoBoxes, [](const QList<int> &v, int i) {
                    const int rest = minutesOf(v[0], v[1]) - minutesOf(v[2], v[3]);
                    return in(v[1], 0, 59) && in(v[2], 1, 15) && in(v[3], 1, 59) &&
                           in(rest / 60, 1, 15) && in(rest % 60, 1, 59) && holds(v, 4, i, rest);
                }};
    if (key == "q7234703"_L1)
        return {intro, hm + u" × "_s + d + u" = "_s + twoBoxes, [](const QList<int> &v, int i) {
                    return in(v[0], 1, 15) && in(v[1], 1, 59) && in(v[2], 1, 15) &&
                           holds(v, 3, i, minutesOf(v[0], v[1]) * v[2]);
                }};
    if (key == "q7234704"_L1)
        return {intro, hm + u" ÷ "_s + d + u" = "_s + twoBoxes, [](const QList<int> &v, int i) {
                    const int dividend = minutesOf(v[0], v[1]);
                    const int k = v[2];
                    return in(v[1], 1, 59) && in(k, 2, 16) && dividend % k == 0 &&
                           in(dividend / k / 60, 1, 15) && in(dividend / k % 60, 1, 59) &&
                           holds(v, 3, i, dividend / k);
                }};
    return {intro, hm + u" ÷ "_s + hm + u" = "_s + oneBox + u"倍<br><br>"_s,
            [](const QList<int> &v, int i) {
                const int dividend = minutesOf(v[0], v[1]);
                const int divisor = minutesOf(v[2], v[3]);
                return in(v[1], 1, 59) && in(v[2], 1, 9) && in(v[3], 1, 59) &&
                       dividend % divisor == 0 && in(dividend / divisor, 2, 16) && v[4] == i &&
                       v[5] == dividend / divisor;
            }};
}

int medalCount(Window &w)
{
    return w.controller.medalCount();
}

QStringList insertedAfter(const DomEdits &edits, const QString &target)
{
    QStringList texts;
    for (const DomEdit &e : edits)
        if ((e.kind == DomEdit::Kind::InsertHtmlAfter ||
             e.kind == DomEdit::Kind::InsertTextAfter) &&
            e.target == target)
            texts.append(e.text);
    return texts;
}

} // namespace

class TestTimePages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyAnswerRight_data();
    void everyAnswerRight();
    void workedExamples_data();
    void workedExamples();
    void twoBoxGrading_data();
    void twoBoxGrading();
    void singleBoxPagesKeepItemGrading_data();
    void singleBoxPagesKeepItemGrading();
    void puzzlesAndReveal();
    void intervalRunsBeforeEveryDollarPage_data();
    void intervalRunsBeforeEveryDollarPage();
};

void TestTimePages::everyAnswerRight_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("items");
    // The range of the question's first number, every value of which a
    // run of 1500 items reaches; 0 where the range is too wide to test so.
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");
    const struct
    {
        const char *key;
        int low, high;
    } kinds[] = {{"q71", 2, 9},       {"q72", 11, 108},    {"q73", 1, 8},
                 {"q74", 11, 108},    {"q75", 0, 0},       {"q76", 0, 0},
                 {"q7797701", 1, 20}, {"q7797702", 1, 20}, {"q7797703", 12, 22},
                 {"q7234701", 1, 15}, {"q7234702", 0, 0},  {"q7234703", 1, 15},
                 {"q7234704", 0, 0},  {"q7234705", 0, 0}};
    for (const auto &kind : kinds)
        for (int items : {10, 50})
            QTest::addRow("%s-%d", kind.key, items)
                << QString::fromLatin1(kind.key) << items << kind.low << kind.high;
}

void TestTimePages::everyAnswerRight()
{
    QFETCH(QString, key);
    QFETCH(int, items);
    QFETCH(int, low);
    QFETCH(int, high);
    const Kind kind = kindOf(key);
    QSet<int> firstNumbers;
    for (quint64 seed = 1; seed <= 30; ++seed) {
        Window w(seed);
        w.controller.applyOptions(items, 5, 1);
        const QString page = w.click(key);
        const QList<QList<int>> parsed = pageItems(page, kind.intro, kind.pattern);
        QCOMPARE(parsed.size(), items);
        QCOMPARE(w.controller.state.pageItemCount, items);
        for (int i = 0; i < parsed.size(); ++i) {
            QVERIFY2(kind.check(parsed[i], i + 1),
                     qPrintable(u"seed %1 item %2"_s.arg(seed).arg(i + 1)));
            firstNumbers.insert(parsed[i][0]);
        }
    }
    if (items == 50 && high > 0)
        QCOMPARE(firstNumbers.size(), high - low + 1);
}

void TestTimePages::workedExamples_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<QString>("firstItem");
    const auto boxes = [](const char *h, const char *m) {
        return u" <input class=text name=answerleft1 type=text size=7 tag="_s +
               QLatin1StringView(h) +
               u">小时 <input class=text name=answerright1 type=text size=7 tag="_s +
               QLatin1StringView(m) + u">分<br><br>"_s;
    };
    const QString box = u" <input class=text name=answer1 type=text size=7 tag="_s;
    QTest::newRow("3小时15分 is 195 minutes") << u"q71"_s << QList<int>{3, 8, 2, 15, 59, 1}
                                              << u"第1题：3小时15分="_s + box + u"195>分<br><br>"_s;
    QTest::newRow("130 minutes is 2 hours 10")
        << u"q75"_s << QList<int>{130, 939, 61} << u"第1题：130分="_s + boxes("2", "10");
    QTest::newRow("22:50 to 3:20 next day is 270")
        << u"q7797703"_s << QList<int>{3, 11, 1, 20, 30, 1, 22, 11, 12, 50, 35, 22}
        << u"第1题：22点50分 到 第二天3点20分 的时间间隔 = "_s + box + u"270>分钟<br><br>"_s;
    QTest::newRow("1:48 + 2:27 carries into 4:15")
        << u"q7234701"_s << QList<int>{1, 15, 1, 48, 59, 1, 2, 15, 1, 27, 59, 1}
        << u"第1题：1小时48分 + 2小时27分 = "_s + boxes("4", "15");
    QTest::newRow("4:15 - 2:27 borrows to 1:48")
        << u"q7234702"_s << QList<int>{1, 15, 1, 48, 59, 1, 2, 15, 1, 27, 59, 1}
        << u"第1题：4小时15分 - 2小时27分 = "_s + boxes("1", "48");
    QTest::newRow("1:27 × 5") << u"q7234703"_s << QList<int>{1, 15, 1, 27, 59, 1, 5, 15, 1}
                              << u"第1题：1小时27分 × 5 = "_s + boxes("7", "15");
    // 1:10 × 6 is 7:00: drawn again, so 7小时0分 never shows.
    QTest::newRow("whole-hour dividend drawn again")
        << u"q7234704"_s << QList<int>{1, 15, 1, 10, 59, 1, 6, 15, 2, 2, 15, 1, 7, 59, 1, 3, 15, 2}
        << u"第1题：6小时21分 ÷ 3 = "_s + boxes("2", "7");
    QTest::newRow("ratio: whole-hour dividend drawn again")
        << u"q7234705"_s << QList<int>{1, 9, 1, 30, 59, 1, 2, 15, 2, 3, 9, 1, 30, 59, 1, 3, 15, 2}
        << u"第1题：10小时30分 ÷ 3小时30分 = "_s + box + u"3>倍<br><br>"_s;
}

void TestTimePages::workedExamples()
{
    QFETCH(QString, key);
    QFETCH(QList<int>, draws);
    QFETCH(QString, firstItem);
    Window w;
    w.random.push(draws);
    const QString page = w.click(key);
    const QString intro = kindOf(key).intro;
    QVERIFY(page.startsWith(intro));
    QCOMPARE(page.mid(intro.size(), firstItem.size()), firstItem);
}

void TestTimePages::twoBoxGrading_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("items");
    QTest::addColumn<QString>("wrongBox"); // typed wrong in item 1; empty: all right
    QTest::addColumn<QString>("typed");    // "%h": item 1's hours
    QTest::addColumn<int>("score");
    for (const char *key : {"q75", "q76", "q7234701", "q7234702", "q7234703", "q7234704"}) {
        const QString k = QString::fromLatin1(key);
        QTest::addRow("%s all right of 20", key) << k << 20 << QString() << QString() << 100;
        QTest::addRow("%s minutes wrong", key) << k << 20 << u"answerright1"_s << u"99"_s << 95;
        QTest::addRow("%s hours wrong", key) << k << 10 << u"answerleft1"_s << u"0"_s << 90;
        // A space before the hours is read past, as in every answer box.
        QTest::addRow("%s hours with a space", key)
            << k << 10 << u"answerleft1"_s << u" %h"_s << 100;
    }
}

void TestTimePages::twoBoxGrading()
{
    QFETCH(QString, key);
    QFETCH(int, items);
    QFETCH(QString, wrongBox);
    QFETCH(QString, typed);
    QFETCH(int, score);
    Window w;
    w.controller.applyOptions(items, 5, 1);
    const QString page = w.click(key);
    const QList<QList<int>> parsed = pageItems(page, kindOf(key).intro, kindOf(key).pattern);
    QCOMPARE(parsed.size(), items);
    const QList<int> first = parsed[0];
    const QString hours = QString::number(first[first.size() - 3]);
    const QString minutes = QString::number(first[first.size() - 1]);
    QHash<QString, QString> boxes;
    if (!wrongBox.isEmpty())
        boxes[wrongBox] = QString(typed).replace(u"%h"_s, hours);
    w.controller.state.elapsedSeconds = 41;
    const DomEdits edits = w.submit(boxes);

    // Every mark stands after the minutes box; none after an hours box.
    for (int i = 1; i <= items; ++i) {
        const QStringList marks = insertedAfter(edits, u"answerright"_s + QString::number(i));
        QCOMPARE(marks.size(), 1);
        QVERIFY(insertedAfter(edits, u"answerleft"_s + QString::number(i)).isEmpty());
        if (i > 1 || score == 100)
            QCOMPARE(marks[0], u"(√)"_s);
        else
            QCOMPARE(marks[0], u"(×，正确答案："_s + hours + u"小时"_s + minutes + u"分)"_s);
    }
    QCOMPARE(insertedAfter(edits, u"finish"_s), QStringList{resultLine(score, 41)});
    QCOMPARE(edits.size(), items + 1);
    QCOMPARE(medalCount(w), score == 100 ? 1 : 0);

    // Graded once: the page closes, a second press marks nothing and awards
    // no second medal.
    QVERIFY(!w.controller.state.pageGradable);
    QVERIFY(!w.pageTimerOn());
    const DomEdits again = w.submit(boxes);
    QVERIFY(again.isEmpty());
    QCOMPARE(medalCount(w), score == 100 ? 1 : 0);
}

void TestTimePages::singleBoxPagesKeepItemGrading_data()
{
    QTest::addColumn<QString>("key");
    for (const char *key : {"q71", "q74", "q7797702", "q7234705"})
        QTest::newRow(key) << QString::fromLatin1(key);
}

void TestTimePages::singleBoxPagesKeepItemGrading()
{
    QFETCH(QString, key);
    Window w;
    w.click(key);
    const DomEdits edits = w.submit({{u"answer2"_s, u"1"_s}});
    QCOMPARE(insertedAfter(edits, u"answer1"_s), QStringList{u"(√)"_s});
    QVERIFY(insertedAfter(edits, u"answer2"_s).value(0).startsWith(u"(×，正确答案："_s));
    QCOMPARE(insertedAfter(edits, u"finish"_s), QStringList{resultLine(90, 0)});
    QVERIFY(!w.controller.state.pageGradable);
}

void TestTimePages::puzzlesAndReveal()
{
    // The data: a heading, then puzzle and answer lines for grades 1 to 6 in
    // the same order.
    const QStringList puzzles = texts::timePuzzles().split(u"\r\n"_s);
    const QStringList answers = texts::timePuzzleAnswers().split(u"\r\n"_s);
    QCOMPARE(puzzles.size(), 8);
    QCOMPARE(answers.size(), 7);
    QCOMPARE(puzzles[0], u"各个年级的时间题："_s);
    QVERIFY(puzzles.last().isEmpty() && answers.last().isEmpty());
    for (int grade = 1; grade <= 6; ++grade) {
        QVERIFY(puzzles[grade].startsWith(QString::number(grade) + u"年级题："_s));
        QVERIFY(puzzles[grade].size() > 12);
        QVERIFY(answers[grade - 1].startsWith(QString::number(grade) + u"年级答案："_s));
        QVERIFY(answers[grade - 1].size() > 8);
    }

    Window w;
    const QString page = w.click(u"q78"_s);
    QString expected;
    for (int grade = 0; grade <= 6; ++grade)
        expected += puzzles[grade] + u"<br><br>"_s;
    expected += u"&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp; <input "
                u"class=button name=finish type=button size=7 value=查看答案 tag=十><br><br>"_s;
    QCOMPARE(page, expected);

    w.controller.state.elapsedSeconds = 73;
    const DomEdits edits = w.submit();
    QCOMPARE(edits.size(), 1);
    const QString reveal = insertedAfter(edits, u"finish"_s).value(0);
    QVERIFY(reveal.startsWith(u"<br><br>1年级答案："_s));
    QVERIFY(reveal.endsWith(u"<br><br>思考用时73秒！"_s));
    QVERIFY(!reveal.contains(u"年纪"_s));
    for (int grade = 1; grade <= 6; ++grade)
        QVERIFY(reveal.contains(answers[grade - 1] + u"<br><br>"_s));
    // The reveal: no medal, and the page closes.
    QVERIFY(!w.controller.state.pageGradable);
    QVERIFY(!w.pageTimerOn());
    QCOMPARE(medalCount(w), 0);
    // The puzzles' own sums.
    QVERIFY(answers[2].contains(u"8小时30分"_s) && 24 * 60 - (21 * 60 + 40) + 6 * 60 + 10 == 510);
    QVERIFY(answers[3].contains(u"3时44分"_s) && 16 * 60 - 8 * 2 == 15 * 60 + 44);
}

void TestTimePages::intervalRunsBeforeEveryDollarPage_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("interval");
    QTest::newRow("easy") << u"q7797701"_s << true;
    QTest::newRow("hard") << u"q7797703"_s << true;
    QTest::newRow("interval group") << u"q77977"_s << false;
    QTest::newRow("conversion") << u"q72"_s << false;
    QTest::newRow("duration") << u"q7234703"_s << false;
    QTest::newRow("duration group") << u"q72347"_s << false;
    QTest::newRow("puzzles") << u"q78"_s << false;
}

void TestTimePages::intervalRunsBeforeEveryDollarPage()
{
    QFETCH(QString, key);
    QFETCH(bool, interval);
    Window w;
    const QString page = w.click(key);
    QCOMPARE(page.contains(u"的时间间隔 = "_s), interval);
    QCOMPARE(page.isEmpty(), key == "q77977"_L1 || key == "q72347"_L1);
    // One item per answer box, or per hours-and-minutes pair.
    static const QRegularExpression itemBox(u"name=answer(right)?\\d+ "_s);
    QCOMPARE(w.controller.state.pageItemCount, int(page.count(itemBox)));
    // No number outside the three drills gives an interval page.
    for (int number : {7797700, 7797704, 77977, 71, 7234701})
        QVERIFY(timepages::sjjg(number, 10, w.random).text.isEmpty());
    QCOMPARE(timepages::sjjg(7797702, 10, w.random).items, 10);
}

QTEST_GUILESS_MAIN(TestTimePages)
#include "tst_timepages.moc"
