// Money and interest pages: every money answer worked out again from the
// amounts in its question, the exact items of the worked cases, the change
// page of ten items, the two-box grading of 元 and 角; the interest pages'
// values recomputed in exact hundredths of a 元, the rate table file and its
// node, and the interest pages graded by the general item grading.
#include "app/core/catalogue.h"
#include "app/core/maincontroller.h"
#include "app/core/recordingview.h"
#include "content/programfiles.h"
#include "controllerfixture.h"
#include "page/pagedocument.h"
#include "page/randomsource.h"
#include "page/settingsstore.h"
#include "scriptedrandom.h"
#include "topics/interest.h"
#include "topics/money.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

#include <deque>

using namespace Qt::StringLiterals;
using namespace quorvel;

namespace {

const QString submitLine = u"&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp; "
                           u"<input class=button name=finish type=button size=7 value=提交答案 "
                           u"tag=十><br><br>"_s;

struct MoneyItem
{
    QString question; // between "题：" and the first box
    QString tag;      // the single box (answers in 角)
    QString yuan;     // the two boxes
    QString jiao;
};

// The items of a page that is exactly an intro, items 1, 2, … and the
// submit line; empty on a page of any other shape.
QList<MoneyItem> moneyItems(const QString &page)
{
    static const QRegularExpression item(
        u"第(\\d+)题：([^<]*?) (?:<input class=text name=answer(\\d+) type=text size=7 "
        u"tag=([^ >]*)>角|<input class=text name=answerleft(\\d+) type=text size=7 "
        u"tag=([^ >]*)>元 <input class=text name=answerright(\\d+) type=text size=7 "
        u"tag=([^ >]*)>角)<br><br>"_s);
    QList<MoneyItem> items;
    qsizetype pos = page.indexOf(u"第1题："_s);
    if (pos < 0)
        return {};
    for (QRegularExpressionMatch m; (m = item.match(page, pos, QRegularExpression::NormalMatch,
                                                    QRegularExpression::AnchorAtOffsetMatchOption))
                                        .hasMatch();
         pos = m.capturedEnd()) {
        const QString number = QString::number(items.size() + 1);
        const bool single = m.hasCaptured(3);
        if (m.captured(1) != number ||
            (single ? m.captured(3) != number : m.captured(5) != number || m.captured(7) != number))
            return {};
        items.append({m.captured(2), m.captured(4), m.captured(6), m.captured(8)});
    }
    return page.mid(pos) == submitLine ? items : QList<MoneyItem>{};
}

// "12元3角" in 角; -1 when the text is no such amount.
int jiaoOf(const QString &text)
{
    static const QRegularExpression amount(u"^(?:(\\d+)元)?(\\d+)角$"_s);
    const auto m = amount.match(text);
    return m.hasMatch() ? m.captured(1).toInt() * 10 + m.captured(2).toInt() : -1;
}

// Hundredths of a 元 as a child writes the amount: no trailing zeros.
QString hundredthsText(qint64 hundredths)
{
    QString text = QString::number(hundredths / 100);
    QString fraction = QString::number(hundredths % 100).rightJustified(2, u'0');
    while (fraction.endsWith(u'0'))
        fraction.chop(1);
    return fraction.isEmpty() ? text : text + u'.' + fraction;
}

struct Window : ControllerFixture<ScriptedRandom>
{
    explicit Window(quint64 seed = 1) : ControllerFixture(seed) {}
    void selectTab(const char *key) { onTab(QString::fromLatin1(key)); }
    // Submits the page with every box typed as its key, except the boxes
    // named in `typed`, which get the given text. Returns the inserted edits
    // as "target: text".
    QStringList submitTyped(const QHash<QString, QString> &typed = {})
    {
        QStringList inserted;
        for (const DomEdit &e : submit(typed))
            if (e.kind == DomEdit::Kind::InsertHtmlAfter ||
                e.kind == DomEdit::Kind::InsertTextAfter)
                inserted.append(e.target + u": "_s + e.text);
        return inserted;
    }
};

} // namespace

class TestMoneyInterest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void moneyAnswersFromTheQuestion_data();
    void moneyAnswersFromTheQuestion();
    void moneyWorkedCases_data();
    void moneyWorkedCases();
    void moneyNumbersWithoutAPage();
    void moneyGrading_data();
    void moneyGrading();
    void changePageGradesItsTenItems();
    void interestSampleValues_data();
    void interestSampleValues();
    void wordsTeachWhatTheKeysDo();
    void interestInExactHundredths_data();
    void interestInExactHundredths();
    void currentAccountFiftyItems();
    void interestGradedAsTyped_data();
    void interestGradedAsTyped();
    void rateTableNode();
    void rateTableFile();
};

void TestMoneyInterest::moneyAnswersFromTheQuestion_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("perPage");
    QTest::addColumn<quint64>("seed");
    const struct
    {
        const char *name;
        int kind;
    } kinds[] = {{"yuan to jiao", money::YuanToJiao},
                 {"jiao to yuan", money::JiaoToYuan},
                 {"addition", money::Addition},
                 {"subtraction", money::Subtraction},
                 {"multiplication", money::Multiplication},
                 {"division", money::Division}};
    for (const auto &k : kinds)
        for (int perPage : {10, 20, 50})
            for (quint64 seed : {1, 2, 3, 17, 4242})
                QTest::addRow("%s, %d items, seed %llu", k.name, perPage, seed)
                    << k.kind << perPage << seed;
}

void TestMoneyInterest::moneyAnswersFromTheQuestion()
{
    QFETCH(int, kind);
    QFETCH(int, perPage);
    QFETCH(quint64, seed);
    SeededRandom random(seed);
    const Page page = money::RenMinBi(kind, perPage, random);
    const QList<MoneyItem> items = moneyItems(page.text);
    // The conversions start at item 1; the operations explain with an example.
    const bool intro = kind != money::YuanToJiao && kind != money::JiaoToYuan;
    QCOMPARE(page.text.startsWith(u"第1题："_s), !intro);
    QCOMPARE(page.text.contains(u"应用题如："_s), intro);
    const int expectedItems = kind == money::Subtraction ? 10 : perPage;
    QCOMPARE(items.size(), expectedItems);
    QCOMPARE(page.items, expectedItems);

    static const QRegularExpression binary(u"^(\\S+) ([+×÷-]) (\\S+) = $"_s);
    for (int i = 0; i < items.size(); ++i) {
        const MoneyItem &item = items[i];
        const QString where = u"item "_s + QString::number(i + 1) + u": "_s + item.question;
        if (kind == money::YuanToJiao) {
            QVERIFY2(item.question.endsWith(u" = "_s), qPrintable(where));
            const int jiao = jiaoOf(item.question.chopped(3));
            QVERIFY2(jiao >= 11 && jiao <= 159 && jiao % 10 != 0, qPrintable(where));
            QCOMPARE(item.tag, QString::number(jiao));
            continue;
        }
        QVERIFY2(item.tag.isEmpty(), qPrintable(where));
        // The expected answer in 角, from the numbers of the question.
        int expected = -1;
        if (kind == money::JiaoToYuan) {
            static const QRegularExpression form(u"^(\\d+)角 = $"_s);
            const auto m = form.match(item.question);
            QVERIFY2(m.hasMatch(), qPrintable(where));
            expected = m.captured(1).toInt();
            QVERIFY2(expected >= 11 && expected <= 159 && expected % 10 != 0, qPrintable(where));
        } else {
            const auto m = binary.match(item.question);
            QVERIFY2(m.hasMatch(), qPrintable(where));
            const QString op = m.captured(2);
            const int left =
                op == u"-"_s ? m.captured(1).chopped(1).toInt() * 10 : jiaoOf(m.captured(1));
            QVERIFY2(left > 0 && (op != u"-"_s || m.captured(1).endsWith(u'元')),
                     qPrintable(where));
            if (op == u"+"_s) {
                QCOMPARE(kind, int(money::Addition));
                expected = left + jiaoOf(m.captured(3));
            } else if (op == u"-"_s) {
                QCOMPARE(kind, int(money::Subtraction));
                const int paid = i < 3 ? 5 : i < 6 ? 10 : i < 8 ? 50 : 100;
                QCOMPARE(left, paid * 10);
                const int price = jiaoOf(m.captured(3));
                QVERIFY2(price > 0 && price < left && price % 10 != 0, qPrintable(where));
                // A price below one 元 is written in 角 alone.
                QCOMPARE(m.captured(3).contains(u'元'), price >= 10);
                QVERIFY2(!m.captured(3).startsWith(u"0元"_s), qPrintable(where));
                expected = left - price;
            } else {
                const int times = m.captured(3).toInt();
                QVERIFY2(times >= 2 && times <= 13, qPrintable(where));
                if (op == u"×"_s) {
                    QCOMPARE(kind, int(money::Multiplication));
                    QVERIFY2(left % 10 != 0 && left <= 159, qPrintable(where));
                    expected = left * times;
                } else {
                    QCOMPARE(kind, int(money::Division));
                    QVERIFY2(left % times == 0, qPrintable(where));
                    expected = left / times;
                    QVERIFY2(expected % 10 != 0 && expected <= 159, qPrintable(where));
                }
            }
        }
        QCOMPARE(item.yuan, QString::number(expected / 10));
        QCOMPARE(item.jiao, QString::number(expected % 10));
    }
}

void TestMoneyInterest::moneyWorkedCases_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QList<QList<int>>>("draws"); // value, k, m
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("text");
    using Draws = QList<QList<int>>;
    const auto boxes = [](int item, const char *yuan, const char *jiao) {
        const QString i = QString::number(item);
        return u" <input class=text name=answerleft"_s + i + u" type=text size=7 tag="_s +
               QLatin1StringView(yuan) + u">元 <input class=text name=answerright"_s + i +
               u" type=text size=7 tag="_s + QLatin1StringView(jiao) + u">角<br><br>"_s;
    };
    QTest::newRow("3元5角 is 35角")
        << int(money::YuanToJiao) << Draws{{3, 15, 1}, {5, 9, 1}} << 1
        << u"第1题：3元5角 =  <input class=text name=answer1 type=text size=7 tag=35>角<br><br>"_s;
    QTest::newRow("75角 is 7元5角") << int(money::JiaoToYuan) << Draws{{7, 15, 1}, {5, 9, 1}} << 1
                                    << u"第1题：75角 = "_s + boxes(1, "7", "5");
    QTest::newRow("1元8角 + 2元7角 carries one 元")
        << int(money::Addition) << Draws{{1, 15, 1}, {8, 9, 1}, {2, 15, 1}, {7, 9, 1}} << 1
        << u"第1题：1元8角 + 2元7角 = "_s + boxes(1, "4", "5");
    QTest::newRow("5元 - 4元9角 leaves 1角")
        << int(money::Subtraction) << Draws{{4, 5, 0}, {9, 9, 1}} << 1
        << u"第1题：5元 - 4元9角 = "_s + boxes(1, "0", "1");
    QTest::newRow("item 2, a price below one 元")
        << int(money::Subtraction) << Draws{{1, 5, 0}, {1, 9, 1}, {0, 5, 0}, {3, 9, 1}} << 2
        << u"第2题：5元 - 3角 = "_s + boxes(2, "4", "7");
    QTest::newRow("item 9 pays 100元")
        << int(money::Subtraction)
        << Draws{{0, 5, 0},  {1, 9, 1}, {0, 5, 0},  {1, 9, 1}, {0, 5, 0},    {1, 9, 1},
                 {0, 10, 0}, {1, 9, 1}, {0, 10, 0}, {1, 9, 1}, {0, 10, 0},   {1, 9, 1},
                 {0, 50, 0}, {1, 9, 1}, {0, 50, 0}, {1, 9, 1}, {99, 100, 0}, {9, 9, 1}}
        << 9 << u"第9题：100元 - 99元9角 = "_s + boxes(9, "0", "1");
    QTest::newRow("1元5角 × 4 is 6元0角")
        << int(money::Multiplication) << Draws{{1, 15, 1}, {5, 9, 1}, {4, 12, 2}} << 1
        << u"第1题：1元5角 × 4 = "_s + boxes(1, "6", "0");
    QTest::newRow("15元9角 × 13") << int(money::Multiplication)
                                  << Draws{{15, 15, 1}, {9, 9, 1}, {13, 12, 2}} << 1
                                  << u"第1题：15元9角 × 13 = "_s + boxes(1, "206", "7");
    QTest::newRow("6元0角 ÷ 4 is 1元5角")
        << int(money::Division) << Draws{{1, 15, 1}, {5, 9, 1}, {4, 12, 2}} << 1
        << u"第1题：6元0角 ÷ 4 = "_s + boxes(1, "1", "5");
}

void TestMoneyInterest::moneyWorkedCases()
{
    QFETCH(int, kind);
    QFETCH(QList<QList<int>>, draws);
    QFETCH(int, item);
    QFETCH(QString, text);
    ScriptedRandom random;
    for (const QList<int> &draw : draws)
        random.push(draw[0], draw[1], draw[2]);
    const QString page = money::RenMinBi(kind, 10, random).text;
    const qsizetype start = page.indexOf(u"第"_s + QString::number(item) + u"题："_s);
    QVERIFY(start >= 0);
    QCOMPARE(page.mid(start, text.size()), text);
}

void TestMoneyInterest::moneyNumbersWithoutAPage()
{
    SeededRandom random(1);
    for (int number : {78997, 7899700, 7899707}) {
        const Page page = money::RenMinBi(number, 10, random);
        QVERIFY(page.text.isEmpty());
        QCOMPARE(page.items, 0);
    }
    // The group node shows an empty page, not a page of another group.
    Window w;
    w.selectTab("T2");
    QCOMPARE(w.click(u"q78997"_s), QString());
}

void TestMoneyInterest::moneyGrading_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("box");   // typed wrong; empty: all right
    QTest::addColumn<QString>("typed"); // what is typed into it
    QTest::addColumn<int>("score");
    QTest::addRow("元转角 all right") << u"q7899701"_s << QString() << QString() << 100;
    QTest::addRow("元转角 one wrong") << u"q7899701"_s << u"answer4"_s << u"1"_s << 90;
    QTest::addRow("元转角 typed with a space") << u"q7899701"_s << u"answer1"_s << u" "_s << 90;
    for (const char *key : {"q7899702", "q7899703", "q7899704", "q7899705", "q7899706"}) {
        QTest::addRow("%s all right", key)
            << QString::fromLatin1(key) << QString() << QString() << 100;
        QTest::addRow("%s 元 wrong", key)
            << QString::fromLatin1(key) << u"answerleft3"_s << u"x"_s << 90;
        QTest::addRow("%s 角 left empty", key)
            << QString::fromLatin1(key) << u"answerright10"_s << QString() << 90;
    }
}

void TestMoneyInterest::moneyGrading()
{
    QFETCH(QString, key);
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(int, score);
    Window w(7);
    w.selectTab("T2");
    w.controller.state.defaultTiCount = 10;
    const QString body = w.click(key);
    const int medals = w.controller.medalCount();
    QHash<QString, QString> answers;
    if (!box.isEmpty())
        answers.insert(box, typed);
    const QStringList inserted = w.submitTyped(answers);

    // One mark per item: after the 角 box of a two-box item, after the box
    // of a one-box item; never after a 元 box.
    const bool twoBoxes = key != "q7899701"_L1;
    static const QRegularExpression tag(u"name=(\\w+) type=text size=7 tag=([^ >]*)>"_s);
    QHash<QString, QString> tags;
    for (const auto &m : tag.globalMatch(body))
        tags.insert(m.captured(1), m.captured(2));
    QCOMPARE(inserted.size(), 11);
    static const QRegularExpression trailingNumber(u"(\\d+)$"_s);
    const int wrongItem = box.isEmpty() ? 0 : trailingNumber.match(box).captured(1).toInt();
    for (int i = 1; i <= 10; ++i) {
        const QString n = QString::number(i);
        const QString target = twoBoxes ? u"answerright"_s + n : u"answer"_s + n;
        const bool wrong = i == wrongItem;
        const QString mark = !wrong     ? u"(√)"_s
                             : twoBoxes ? u"(×，正确答案："_s + tags[u"answerleft"_s + n] +
                                              u"元"_s + tags[u"answerright"_s + n] + u"角)"_s
                                        : u"(×，正确答案："_s + tags[u"answer"_s + n] + u")"_s;
        QCOMPARE(inserted[i - 1], target + u": "_s + mark);
    }
    QCOMPARE(inserted.last(), u"finish: "_s + resultLine(score, 0));
    QCOMPARE(w.controller.medalCount(), medals + (score == 100 ? 1 : 0));
    QVERIFY(!w.controller.state.pageGradable);
    // A second submit changes nothing.
    QVERIFY(w.submitTyped().isEmpty());
}

void TestMoneyInterest::changePageGradesItsTenItems()
{
    for (int perPage : {20, 50}) {
        Window w(3);
        w.selectTab("T2");
        w.controller.state.defaultTiCount = perPage;
        const QString body = w.click(u"q7899704"_s);
        QVERIFY(body.contains(u"第10题：100元 - "_s));
        QVERIFY(!body.contains(u"第11题"_s));
        QCOMPARE(w.controller.state.pageItemCount, 10);
        const QStringList inserted = w.submitTyped({{u"answerleft9"_s, u"0"_s}});
        QCOMPARE(inserted.last(), u"finish: "_s + resultLine(90, 0));
    }
}

void TestMoneyInterest::interestSampleValues_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("questions"); // items 1, 2, …
    QTest::addColumn<QStringList>("tags");
    QTest::newRow("三月整存") << int(interest::ThreeMonths)
                              << QStringList{u"1个月"_s, u"2个月"_s, u"3个月"_s,
                                             u"4个月"_s, u"5个月"_s, u"6个月"_s}
                              << QStringList{u"3"_s,     u"6"_s,     u"56.25"_s,
                                             u"59.25"_s, u"62.25"_s, u"112.5"_s};
    QTest::newRow("六月整存") << int(interest::SixMonths)
                              << QStringList{u"4个月"_s, u"5个月"_s, u"6个月"_s, u"7个月"_s}
                              << QStringList{u"12"_s, u"15"_s, u"125"_s, u"128"_s};
    QTest::newRow("一年整存") << int(interest::OneYear)
                              << QStringList{u"8个月"_s, u"10个月"_s, u"12个月"_s, u"14个月"_s}
                              << QStringList{u"24"_s, u"30"_s, u"275"_s, u"281"_s};
    QTest::newRow("二年整存, not compounded")
        << int(interest::TwoYears) << QStringList{u"6个月"_s, u"12个月"_s, u"18个月"_s, u"24个月"_s}
        << QStringList{u"18"_s, u"36"_s, u"54"_s, u"710"_s};
    QTest::newRow("三年整存") << int(interest::ThreeYears)
                              << QStringList{u"18个月"_s, u"36个月"_s, u"54个月"_s}
                              << QStringList{u"54"_s, u"1245"_s, u"1299"_s};
    QTest::newRow("五年整存") << int(interest::FiveYears)
                              << QStringList{u"30个月"_s, u"60个月"_s, u"90个月"_s}
                              << QStringList{u"90"_s, u"2275"_s, u"2365"_s};
    QTest::newRow("活期") << int(interest::CurrentAccount)
                          << QStringList{u"15天"_s, u"30天"_s, u"45天"_s, u"60天"_s}
                          << QStringList{u"1.5"_s, u"3"_s, u"4.5"_s, u"6"_s};
}

void TestMoneyInterest::interestSampleValues()
{
    QFETCH(int, kind);
    QFETCH(QStringList, questions);
    QFETCH(QStringList, tags);
    const QString page = interest::QiuLiXi(kind, 10).text;
    for (int i = 0; i < questions.size(); ++i) {
        const QString n = QString::number(i + 1);
        const QString item = u"第"_s + n + u"题："_s + questions[i] +
                             u"的利息 =  <input class=text name=answer"_s + n +
                             u" type=text size=7 tag="_s + tags[i] + u"> 元<br><br>"_s;
        QVERIFY2(page.contains(item), qPrintable(item));
    }
}

void TestMoneyInterest::wordsTeachWhatTheKeysDo()
{
    // Whole terms at the fixed rate, the rest at the current rate.
    for (int kind :
         {int(interest::ThreeMonths), int(interest::SixMonths), int(interest::OneYear),
          int(interest::TwoYears), int(interest::ThreeYears), int(interest::FiveYears)}) {
        const QString page = interest::QiuLiXi(kind, 10).text;
        QVERIFY(page.contains(u"满一个存期的部分按整存利率计算，不满一个存期的部分按活期计算"_s));
        QVERIFY(!page.contains(u"超过"_s));
    }
    // Sums of money can be divided by each other; they cannot be multiplied.
    Window w;
    w.selectTab("T2");
    for (const QString &key : {u"q7899703"_s, u"q7899704"_s}) {
        const QString page = w.click(key);
        QVERIFY(page.startsWith(u"钱数和钱数之间不能相乘。"_s));
        QVERIFY(!page.contains(u"只有加减法"_s));
    }
}

void TestMoneyInterest::interestInExactHundredths_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("perPage");
    QTest::addColumn<int>("termMonths"); // 0: the current account
    QTest::addColumn<int>("rate");       // hundredths of a per cent a year
    const struct
    {
        const char *name;
        int kind;
        int months;
        int rate;
    } kinds[] = {
        {"活期", interest::CurrentAccount, 0, 36}, {"三月", interest::ThreeMonths, 3, 225},
        {"六月", interest::SixMonths, 6, 250},     {"一年", interest::OneYear, 12, 275},
        {"二年", interest::TwoYears, 24, 355},     {"三年", interest::ThreeYears, 36, 415},
        {"五年", interest::FiveYears, 60, 455},
    };
    for (const auto &k : kinds)
        for (int perPage : {10, 20, 50})
            QTest::addRow("%s, %d items", k.name, perPage)
                << k.kind << perPage << k.months << k.rate;
}

void TestMoneyInterest::interestInExactHundredths()
{
    QFETCH(int, kind);
    QFETCH(int, perPage);
    QFETCH(int, termMonths);
    QFETCH(int, rate);
    const Page page = interest::QiuLiXi(kind, perPage);
    QCOMPARE(page.items, perPage);
    // The page opens with its question about 壹万元.
    const qsizetype firstItem = page.text.indexOf(u"第1题："_s);
    QVERIFY(firstItem > 0 && page.text.left(firstItem).contains(u"壹万元"_s));
    QVERIFY(page.text.endsWith(u"> 元<br><br>"_s + submitLine));

    static const QRegularExpression item(u"第(\\d+)题：(\\d+)(天|个月)的利息 =  <input class=text "
                                         u"name=answer(\\d+) type=text size=7 tag=([^ >]*)> 元"
                                         u"<br><br>"_s);
    int count = 0;
    int lastPeriod = 0;
    for (const auto &m : item.globalMatch(page.text)) {
        ++count;
        QCOMPARE(m.captured(1).toInt(), count);
        QCOMPARE(m.captured(4).toInt(), count);
        const int period = m.captured(2).toInt();
        QVERIFY(period > lastPeriod); // every item asks a longer period
        lastPeriod = period;
        // 10000 元 at 0.36 % a year is 1 元 for 10 days: 10 hundredths a day.
        qint64 hundredths = 0;
        if (termMonths == 0) {
            QCOMPARE(m.captured(3), u"天"_s);
            hundredths = 10 * period;
        } else {
            QCOMPARE(m.captured(3), u"个月"_s);
            // One term: 10000 × rate/10000 % × months/12 元, in hundredths.
            const qint64 perTerm = qint64(rate) * termMonths * 100;
            QCOMPARE(perTerm % 12, 0);
            hundredths = period / termMonths * (perTerm / 12) + 10 * 30 * (period % termMonths);
        }
        QCOMPARE(m.captured(5), hundredthsText(hundredths));
    }
    QCOMPARE(count, perPage);
}

void TestMoneyInterest::currentAccountFiftyItems()
{
    Window w;
    w.selectTab("T9");
    w.controller.state.defaultTiCount = 50;
    const QString body = w.click(u"q7537501"_s);
    QVERIFY(body.endsWith(u"第50题：750天的利息 =  <input class=text name=answer50 type=text "
                          u"size=7 tag=75> 元<br><br>"_s +
                          submitLine));
    QCOMPARE(w.controller.state.pageItemCount, 50);
    // The page is the same on every visit.
    QCOMPARE(w.click(u"q7537501"_s), body);
}

void TestMoneyInterest::interestGradedAsTyped_data()
{
    QTest::addColumn<QString>("typed"); // into item 3 of 三月整存利息, 56.25
    QTest::addColumn<int>("score");
    QTest::newRow("56.25") << u"56.25"_s << 100;
    QTest::newRow("56.250 is the same number") << u"56.250"_s << 100;
    QTest::newRow("56.3") << u"56.3"_s << 90;
}

void TestMoneyInterest::interestGradedAsTyped()
{
    QFETCH(QString, typed);
    QFETCH(int, score);
    Window w;
    w.selectTab("T9");
    w.click(u"q7537502"_s);
    const int medals = w.controller.medalCount();
    const QStringList inserted = w.submitTyped({{u"answer3"_s, typed}});
    QCOMPARE(inserted.size(), 11);
    QCOMPARE(inserted[2], score == 100 ? u"answer3: (√)"_s : u"answer3: (×，正确答案：56.25)"_s);
    QCOMPARE(inserted.last(), u"finish: "_s + resultLine(score, 0));
    QCOMPARE(w.controller.medalCount(), medals + (score == 100 ? 1 : 0));
}

void TestMoneyInterest::rateTableNode()
{
    Window w;
    w.selectTab("T9");
    w.view.frontChanges.clear();
    QCOMPARE(w.click(u"q7537508"_s), submitLine);
    QCOMPARE(w.view.front, PaneId::Second);
    QCOMPARE(w.view.frontChanges.last(), PaneId::Second);
    QCOMPARE(w.view.second.navigations.size(), 1);
    QVERIFY(w.view.second.loadedFile.endsWith(u"zimu/最新银行利率表.htm"_s));
    QCOMPARE(w.controller.state.pageItemCount, 0);
    // A later interest page comes back to the main pane.
    w.click(u"q7537501"_s);
    QCOMPARE(w.view.front, PaneId::Main);
}

void TestMoneyInterest::rateTableFile()
{
    QFile file(DiskProgramFiles::locate(QStringLiteral(QUORVEL_TEST_BIN_DIR)) + u"/"_s +
               QString::fromUtf16(interest::rateTableFile));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    const QByteArray bytes = file.readAll();
    QVERIFY(!bytes.contains("\r\r"));
    QCOMPARE(bytes.count("\n"), bytes.count("\r\n"));
    const QString text = QString::fromUtf8(bytes);
    QVERIFY(!text.contains(QChar::ReplacementCharacter));
    QVERIFY(text.contains(u"charset=\"utf-8\""_s) || text.contains(u"charset=utf-8"_s));
    // Every rate the pages use, in its row.
    static const QRegularExpression row(
        u"<td>([^<]+)</td><td class=\"key-figure\">([\\d.]+)</td></tr>"_s);
    QHash<QString, QString> rates;
    for (const auto &m : row.globalMatch(text))
        rates.insert(m.captured(1), m.captured(2));
    const QHash<QString, QString> expected = {{u"随存随取"_s, u"0.36"_s}, {u"三个月"_s, u"2.25"_s},
                                              {u"六个月"_s, u"2.50"_s},   {u"一年"_s, u"2.75"_s},
                                              {u"二年"_s, u"3.55"_s},     {u"三年"_s, u"4.15"_s},
                                              {u"五年"_s, u"4.55"_s}};
    QCOMPARE(rates, expected);
}

QTEST_GUILESS_MAIN(TestMoneyInterest)
#include "tst_moneyinterest.moc"
