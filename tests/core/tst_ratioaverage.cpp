// Proportions, fractions as decimals, averages, complements, remainders,
// squares and cubes: every answer worked out here from the text of its item,
// the draws kept to their ranges, the pages built from given draws, the
// concept files and the grading of whole pages.
#include "app/core/catalogue.h"
#include "app/core/maincontroller.h"
#include "app/core/recordingview.h"
#include "content/programfiles.h"
#include "controllerfixture.h"
#include "page/pagedocument.h"
#include "page/randomsource.h"
#include "page/settingsstore.h"
#include "scriptedrandom.h"
#include "topics/averages.h"
#include "topics/ratio.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QTest>

#include <deque>
#include <numeric>

using namespace Qt::StringLiterals;
using namespace quorvel;

namespace {

const QString submitLine = u"&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp; "
                           u"<input class=button name=finish type=button size=7 value=提交答案 "
                           u"tag=十><br><br>"_s;

QString box(int item, const QString &tag)
{
    return u" <input class=text name=answer%1 type=text size=7 tag=%2>"_s.arg(item).arg(tag);
}

struct Window : ControllerFixture<ScriptedRandom>
{
    Window(const char *tab, quint64 seed = 1, int itemCount = 10) : ControllerFixture(seed)
    {
        onTab(QString::fromLatin1(tab));
        controller.state.defaultTiCount = itemCount;
    }
    // Submits the page with every box typed as its key, except the boxes
    // named in wrong; returns the result line.
    QString submitWrong(const QSet<QString> &wrong = {})
    {
        QHash<QString, QString> typed;
        for (const QString &name : wrong)
            typed.insert(name, u"x"_s);
        for (const DomEdit &e : submit(typed))
            if (e.kind == DomEdit::Kind::InsertHtmlAfter && e.target == "finish"_L1)
                return e.text;
        return {};
    }
};

// The items of a page that is exactly intro, items 1, 2, … and the submit
// line, each "第i题：" question box "<br><br>": per item the captures of
// the question, then the tag. Empty on a page of any other shape.
QList<QStringList> pageItems(const QString &page, const QString &intro, const QString &question)
{
    const QRegularExpression item(u"第(\\d+)题："_s + question +
                                  u" <input class=text name=answer(\\d+) type=text size=7 "
                                  u"tag=([^ >]*)><br><br>"_s);
    QList<QStringList> items;
    qsizetype pos = intro.size();
    for (QRegularExpressionMatch m; (m = item.match(page, pos, QRegularExpression::NormalMatch,
                                                    QRegularExpression::AnchorAtOffsetMatchOption))
                                        .hasMatch();
         pos = m.capturedEnd()) {
        const QString number = QString::number(items.size() + 1);
        const int last = m.lastCapturedIndex();
        if (m.captured(1) != number || m.captured(last - 1) != number)
            return {};
        items.push_back(m.capturedTexts().mid(2, last - 3) << m.captured(last));
    }
    return page.startsWith(intro) && page.mid(pos) == submitLine ? items : QList<QStringList>{};
}

// Whether text is value numerator ÷ denominator rounded half up to at most
// `places` decimals and written without trailing zeros (no "." when whole).
bool isRoundedHalfUp(const QString &text, qint64 numerator, qint64 denominator, int places)
{
    // Every place written, as an answer rounded to that many places is.
    static const QRegularExpression form(u"^(\\d+)\\.(\\d+)$"_s);
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch() || (m.captured(1).size() > 1 && m.captured(1).startsWith(u'0')) ||
        m.captured(2).size() != places)
        return false;
    qint64 scale = 1;
    for (int i = 0; i < places; ++i)
        scale *= 10;
    const QString decimals = m.captured(2).leftJustified(places, u'0');
    const qint64 t = m.captured(1).toLongLong() * scale + (places ? decimals.toLongLong() : 0);
    // t − ½ <= value × scale < t + ½
    return 2 * scale * numerator >= (2 * t - 1) * denominator &&
           2 * scale * numerator < (2 * t + 1) * denominator;
}

const QStringList allLevels{u"简单"_s, u"中等"_s, u"较难"_s};

} // namespace

class TestRatioAverage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void proportionPages_data();
    void proportionPages();
    void decimalText_data();
    void decimalText();
    void fractionPages_data();
    void fractionPages();
    void easyFractionsRunOut();
    void averageText_data();
    void averageText();
    void averagePages_data();
    void averagePages();
    void complementPages_data();
    void complementPages();
    void remainderPages_data();
    void remainderPages();
    void scriptedItems_data();
    void scriptedItems();
    void powerPages_data();
    void powerPages();
    void conceptNodes_data();
    void conceptNodes();
    void grading_data();
    void grading();
};

void TestRatioAverage::proportionPages_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QList<int>>("multipliers"); // m low, m high, n low, n high
    QTest::addColumn<int>("level");              // 1 to 3
    const QList<QList<int>> ranges{{1, 4, 2, 5}, {1, 6, 3, 7}, {1, 7, 4, 9}};
    for (int level = 1; level <= 3; ++level)
        QTest::addRow("解比例-%s", qPrintable(allLevels[level - 1]))
            << u"q987250%1"_s.arg(level + 1) << ranges[level - 1] << level;
}

// A:B = C:D with A:B the item's base ratio times m and C:D the same ratio
// times n; the two multipliers keep to their ranges and rules, and over many
// pages every allowed value turns up.
void TestRatioAverage::proportionPages()
{
    QFETCH(QString, key);
    QFETCH(QList<int>, multipliers);
    QFETCH(int, level);
    const int base[10][2] = {{2, 3}, {2, 5}, {2, 7}, {2, 9}, {3, 5},
                             {3, 7}, {3, 9}, {5, 7}, {5, 9}, {7, 9}};
    const QRegularExpression third(u"^第(\\d+)题：(\\d+):(\\d+) = "_s +
                                   u" <input class=text name=answer(\\d+) type=text size=7 "
                                   u"tag=(\\d+)> : (\\d+)<br><br>"_s);
    const QRegularExpression fourth(u"^第(\\d+)题：(\\d+):(\\d+) = (\\d+) : "_s +
                                    u"<input class=text name=answer(\\d+) type=text size=7 "
                                    u"tag=(\\d+)><br><br>"_s);
    QSet<int> seenM, seenN;
    for (const int count : {10, 20, 50}) {
        for (quint64 seed = 1; seed <= 60; ++seed) {
            Window w("T5", seed, count);
            const QString page = w.click(key);
            QVERIFY(page.endsWith(submitLine));
            QString rest = page.chopped(submitLine.size());
            for (int i = 1; i <= 10; ++i) {
                const bool askThird = i <= 5;
                const QRegularExpressionMatch m = (askThird ? third : fourth).match(rest);
                QVERIFY2(m.hasMatch(), qPrintable(rest.left(120)));
                // Captures: item, A, B, then C, box, D (box and C swap places
                // when the third term is asked).
                const int a = m.captured(2).toInt();
                const int b = m.captured(3).toInt();
                const int c = m.captured(askThird ? 5 : 4).toInt();
                const int d = m.captured(6).toInt();
                QCOMPARE(m.captured(1).toInt(), i);
                QCOMPARE(m.captured(askThird ? 4 : 5).toInt(), i);
                QCOMPARE(a * d, b * c);
                const int p = base[i - 1][0];
                const int q = base[i - 1][1];
                const int first = a / p;
                const int second = c / p;
                QCOMPARE(a, first * p);
                QCOMPARE(b, first * q);
                QCOMPARE(c, second * p);
                QCOMPARE(d, second * q);
                QVERIFY(first >= multipliers[0] && first <= multipliers[1]);
                QVERIFY(second >= multipliers[2] && second <= multipliers[3]);
                QVERIFY(second != first);
                if (level >= 2)
                    QVERIFY(second != 2 * first);
                if (level == 3)
                    QVERIFY(first != 2 * second);
                seenM.insert(first);
                seenN.insert(second);
                rest = rest.mid(m.capturedLength());
            }
            QVERIFY(rest.isEmpty());
            QCOMPARE(w.controller.state.pageItemCount, 10);
        }
    }
    QCOMPARE(seenM.size(), multipliers[1] - multipliers[0] + 1);
    QCOMPARE(seenN.size(), multipliers[3] - multipliers[2] + 1);
}

void TestRatioAverage::decimalText_data()
{
    QTest::addColumn<int>("numerator");
    QTest::addColumn<int>("denominator");
    QTest::addColumn<QString>("text");
    QTest::newRow("3/8") << 3 << 8 << u"0.375"_s;
    QTest::newRow("2/4") << 2 << 4 << u"0.500"_s;
    QTest::newRow("3/12") << 3 << 12 << u"0.250"_s;
    QTest::newRow("2/3 rounds up") << 2 << 3 << u"0.667"_s;
    QTest::newRow("4/9 rounds down") << 4 << 9 << u"0.444"_s;
    QTest::newRow("3/16 exact half") << 3 << 16 << u"0.188"_s;
    QTest::newRow("3/80 exact half") << 3 << 80 << u"0.038"_s;
    QTest::newRow("7/40 exact half") << 7 << 40 << u"0.175"_s;
    QTest::newRow("2/101 two decimals left") << 2 << 101 << u"0.020"_s;
    QTest::newRow("2/10 one decimal left") << 2 << 10 << u"0.200"_s;
    QTest::newRow("103/104") << 103 << 104 << u"0.990"_s;
}

void TestRatioAverage::decimalText()
{
    QFETCH(int, numerator);
    QFETCH(int, denominator);
    QFETCH(QString, text);
    QCOMPARE(ratio::decimalText(numerator, denominator), text);
}

void TestRatioAverage::fractionPages_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");
    QTest::addColumn<int>("count");
    const int ranges[3][2] = {{3, 10}, {9, 26}, {25, 104}};
    for (int level = 0; level < 3; ++level)
        for (const int count : {10, 20, 50})
            if (level > 0 || count < 50)
                QTest::addRow("%s分数变小数, %d", qPrintable(allLevels[level]), count)
                    << u"q769760%1"_s.arg(level + 1) << ranges[level][0] << ranges[level][1]
                    << count;
}

void TestRatioAverage::fractionPages()
{
    QFETCH(QString, key);
    QFETCH(int, low);
    QFETCH(int, high);
    QFETCH(int, count);
    const QString intro = u"请保留三位小数，第四位四舍五入到三位。<br><br>"_s;
    QSet<int> denominators;
    for (quint64 seed = 1; seed <= 80; ++seed) {
        Window w("T5", seed, count);
        const QList<QStringList> items = pageItems(w.click(key), intro, u"(\\d+)分之(\\d+)= "_s);
        QCOMPARE(items.size(), count);
        QCOMPARE(w.controller.state.pageItemCount, count);
        QSet<QString> shown;
        for (const QStringList &item : items) {
            const int d = item[0].toInt();
            const int n = item[1].toInt();
            QVERIFY(d >= low && d <= high);
            QVERIFY(n >= 2 && n < d);
            QVERIFY2(!shown.contains(item[0] + u'/' + item[1]), qPrintable(item.join(u'/')));
            shown.insert(item[0] + u'/' + item[1]);
            QVERIFY(item[2].startsWith(u"0."_s));
            QVERIFY2(isRoundedHalfUp(item[2], n, d, 3), qPrintable(item.join(u' ')));
            denominators.insert(d);
        }
    }
    QCOMPARE(denominators.size(), high - low + 1);
}

// 简单分数变小数 has 36 fractions: a 50-item page shows each once and stops.
void TestRatioAverage::easyFractionsRunOut()
{
    QCOMPARE(ratio::fractionCount(ratio::DecimalEasy), 36);
    for (quint64 seed = 1; seed <= 10; ++seed) {
        Window w("T5", seed, 50);
        const QList<QStringList> items =
            pageItems(w.click(u"q7697601"_s), u"请保留三位小数，第四位四舍五入到三位。<br><br>"_s,
                      u"(\\d+)分之(\\d+)= "_s);
        QSet<QString> shown;
        for (const QStringList &item : items)
            shown.insert(item[0] + u'/' + item[1]);
        QCOMPARE(items.size(), 36);
        QCOMPARE(shown.size(), 36);
        QCOMPARE(w.controller.state.pageItemCount, 36);
        QVERIFY(w.submitWrong().contains(u"你的得分是100分"_s));
    }
}

void TestRatioAverage::averageText_data()
{
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<QString>("text");
    QTest::newRow("12,35,7") << QList<int>{12, 35, 7} << u"18.00"_s;
    QTest::newRow("10,11,12,13") << QList<int>{10, 11, 12, 13} << u"11.50"_s;
    QTest::newRow("3,4,4 rounds up") << QList<int>{3, 4, 4} << u"3.67"_s;
    QTest::newRow("12,12,13 rounds down") << QList<int>{12, 12, 13} << u"12.33"_s;
    QTest::newRow("20,20,20 stays 20") << QList<int>{20, 20, 20} << u"20.00"_s;
    QTest::newRow("10,30,20,20 stays 20") << QList<int>{10, 30, 20, 20} << u"20.00"_s;
    QTest::newRow("quarter") << QList<int>{3, 3, 3, 4} << u"3.25"_s;
    QTest::newRow("fifth") << QList<int>{10, 10, 10, 11, 10} << u"10.20"_s;
    QTest::newRow("47s") << QList<int>{47, 47, 47, 47, 46} << u"46.80"_s;
}

void TestRatioAverage::averageText()
{
    QFETCH(QList<int>, numbers);
    QFETCH(QString, text);
    QCOMPARE(averages::averageText(numbers), text);
}

void TestRatioAverage::averagePages_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("numbers");
    QTest::addColumn<int>("count");
    for (int level = 0; level < 3; ++level)
        for (const int count : {10, 50})
            QTest::addRow("%s, %d", qPrintable(allLevels[level]), count)
                << u"q772770%1"_s.arg(level + 2) << level + 3 << count;
}

void TestRatioAverage::averagePages()
{
    QFETCH(QString, key);
    QFETCH(int, numbers);
    QFETCH(int, count);
    QSet<int> seen;
    for (quint64 seed = 1; seed <= 40; ++seed) {
        Window w("T4", seed, count);
        const QList<QStringList> items = pageItems(
            w.click(key), u"四舍五入，保留2位小数！<br><br>"_s, u"([\\d,]+)的平均数 = "_s);
        QCOMPARE(items.size(), count);
        QCOMPARE(w.controller.state.pageItemCount, count);
        for (const QStringList &item : items) {
            const QStringList parts = item[0].split(u',');
            QCOMPARE(parts.size(), numbers);
            qint64 sum = 0;
            for (const QString &part : parts) {
                QVERIFY(part.toInt() >= 3 && part.toInt() <= 47);
                seen.insert(part.toInt());
                sum += part.toInt();
            }
            QVERIFY2(isRoundedHalfUp(item[1], sum, numbers, 2), qPrintable(item.join(u' ')));
        }
    }
    QCOMPARE(seen.size(), 45);
}

void TestRatioAverage::complementPages_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("base");
    QTest::newRow("简单") << u"q7787702"_s << 100;
    QTest::newRow("中等") << u"q7787703"_s << 1000;
    QTest::newRow("较难") << u"q7787704"_s << 10000;
}

void TestRatioAverage::complementPages()
{
    QFETCH(QString, key);
    QFETCH(int, base);
    int smallest = base, largest = 0;
    for (quint64 seed = 1; seed <= 40; ++seed) {
        Window w("T4", seed, 50);
        const QList<QStringList> items = pageItems(w.click(key), {}, u"(\\d+) - (\\d+) = "_s);
        QCOMPARE(items.size(), 50);
        for (const QStringList &item : items) {
            const int x = item[1].toInt();
            QCOMPARE(item[0].toInt(), base);
            QVERIFY(x >= 3 && x <= base - 3);
            QCOMPARE(item[2].toInt() + x, base);
            QCOMPARE(item[2], QString::number(item[2].toInt()));
            smallest = std::min(smallest, x);
            largest = std::max(largest, x);
        }
    }
    if (base == 100) {
        QCOMPARE(smallest, 3);
        QCOMPARE(largest, 97);
    }
}

void TestRatioAverage::remainderPages_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");
    QTest::newRow("简单") << u"q7597501"_s << 3 << 10;
    QTest::newRow("中等") << u"q7597502"_s << 9 << 26;
    QTest::newRow("较难") << u"q7597503"_s << 25 << 104;
}

void TestRatioAverage::remainderPages()
{
    QFETCH(QString, key);
    QFETCH(int, low);
    QFETCH(int, high);
    QSet<int> dividends;
    bool smallestDivisor = false, largestDivisor = false;
    for (quint64 seed = 1; seed <= 40; ++seed) {
        Window w("T4", seed, 50);
        const QList<QStringList> items = pageItems(w.click(key), {}, u"(\\d+)除以(\\d+)的余数= "_s);
        QCOMPARE(items.size(), 50);
        for (const QStringList &item : items) {
            const int a = item[0].toInt();
            const int b = item[1].toInt();
            QVERIFY(a >= low && a <= high);
            QVERIFY2(b >= 2 && b < a, qPrintable(item.join(u' ')));
            const int r = item[2].toInt();
            QVERIFY(r >= 0 && r < b && (a - r) % b == 0);
            dividends.insert(a);
            smallestDivisor |= b == 2;
            largestDivisor |= b == a - 1;
        }
    }
    QCOMPARE(dividends.size(), high - low + 1);
    QVERIFY(smallestDivisor && largestDivisor);
}

void TestRatioAverage::scriptedItems_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("text"); // the item the draws make
    QList<int> fiveEasy;               // m = 1, n = 2 for items 1 to 5
    for (int i = 0; i < 5; ++i)
        fiveEasy << 1 << 4 << 1 << 2 << 4 << 2;
    QTest::newRow("easy proportion 1, m 2 n 3")
        << u"q9872502"_s << QList<int>{2, 4, 1, 3, 4, 2} << 1
        << u"第1题：4:6 = "_s + box(1, u"6"_s) + u" : 9<br><br>"_s;
    QTest::newRow("easy proportion 6, m 1 n 4")
        << u"q9872502"_s << fiveEasy + QList<int>{1, 4, 1, 4, 4, 2} << 6
        << u"第6题：3:7 = 12 :"_s + box(6, u"28"_s) + u"<br><br>"_s;
    QTest::newRow("easy equal multipliers drawn again")
        << u"q9872502"_s << QList<int>{3, 4, 1, 3, 4, 2, 4, 4, 1, 5, 4, 2} << 1
        << u"第1题：8:12 = "_s + box(1, u"10"_s) + u" : 15<br><br>"_s;
    QTest::newRow("middle doubled drawn again")
        << u"q9872503"_s << QList<int>{2, 6, 1, 4, 5, 3, 3, 6, 1, 7, 5, 3} << 1
        << u"第1题：6:9 = "_s + box(1, u"14"_s) + u" : 21<br><br>"_s;
    QTest::newRow("hard doubled drawn again")
        << u"q9872504"_s << QList<int>{4, 7, 1, 8, 6, 4, 7, 7, 1, 9, 6, 4} << 1
        << u"第1题：14:21 = "_s + box(1, u"18"_s) + u" : 27<br><br>"_s;
    QTest::newRow("fraction 8分之3") << u"q7697601"_s << QList<int>{8, 8, 3, 3, 6, 2} << 1
                                     << u"第1题：8分之3= "_s + box(1, u"0.375"_s) + u"<br><br>"_s;
    QTest::newRow("average 12,35,7")
        << u"q7727702"_s << QList<int>{12, 45, 3, 35, 45, 3, 7, 45, 3} << 1
        << u"第1题：12,35,7的平均数 = "_s + box(1, u"18.00"_s) + u"<br><br>"_s;
    QTest::newRow("complement 10000 - 9997")
        << u"q7787704"_s << QList<int>{9997, 9995, 3} << 1
        << u"第1题：10000 - 9997 = "_s + box(1, u"3"_s) + u"<br><br>"_s;
    QTest::newRow("remainder 7除以3")
        << u"q7597501"_s << QList<int>{7, 8, 3, 3, 5, 2} << 1
        << u"第1题：7除以3的余数= "_s + box(1, u"1"_s) + u"<br><br>"_s;
    QTest::newRow("remainder exact 8除以4")
        << u"q7597501"_s << QList<int>{8, 8, 3, 4, 6, 2} << 1
        << u"第1题：8除以4的余数= "_s + box(1, u"0"_s) + u"<br><br>"_s;
}

void TestRatioAverage::scriptedItems()
{
    QFETCH(QString, key);
    QFETCH(QList<int>, draws);
    QFETCH(int, item);
    QFETCH(QString, text);
    Window w(key.startsWith(u"q9"_s) || key.startsWith(u"q76976"_s) ? "T5" : "T4");
    w.random.push(draws);
    const QString page = w.click(key);
    QCOMPARE(page.mid(page.indexOf(u"第%1题："_s.arg(item)), text.size()), text);
}

void TestRatioAverage::powerPages_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("power");
    QTest::newRow("平方计算10以内") << u"q7598901"_s << 1 << 2;
    QTest::newRow("平方计算20以内") << u"q7598902"_s << 11 << 2;
    QTest::newRow("立方计算") << u"q7598903"_s << 1 << 3;
}

void TestRatioAverage::powerPages()
{
    QFETCH(QString, key);
    QFETCH(int, first);
    QFETCH(int, power);
    const QString intro = power == 3 ? u"我们应该背下10以内的立方结果。<br><br>"_s
                                     : u"我们应该背下20以内的平方结果。<br><br>"_s;
    Window w("T4", 7, 50);
    const QString page = w.click(key);
    const QList<QStringList> items =
        pageItems(page, intro, power == 3 ? u"(\\d+)的立方 = "_s : u"(\\d+)的平方 = "_s);
    QCOMPARE(items.size(), 10);
    QCOMPARE(w.controller.state.pageItemCount, 10);
    for (int k = 0; k < 10; ++k) {
        const int base = first + k;
        QCOMPARE(items[k][0].toInt(), base);
        int product = 1;
        for (int i = 0; i < power; ++i)
            product *= base;
        QCOMPARE(items[k][1], QString::number(product));
    }
    QCOMPARE(items.last()[1], power == 3 ? u"1000"_s : first == 11 ? u"400"_s : u"100"_s);
    Window other("T4", 99, 10);
    QCOMPARE(other.click(key), page);
}

void TestRatioAverage::conceptNodes_data()
{
    QTest::addColumn<QString>("tab");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("terms");
    QTest::newRow("比和比例的概念")
        << u"T5"_s << u"q9872501"_s << u"zimu/bili.htm"_s
        << QStringList{u"前项"_s, u"后项"_s, u"比值"_s, u"外项"_s, u"内项"_s, u"解比例"_s};
    QTest::newRow("平均数") << u"T4"_s << u"q7727701"_s << u"zimu/平均数.htm"_s
                            << QStringList{u"平均数 = 总数 ÷ 份数"_s, u"3.67"_s};
    QTest::newRow("补数") << u"T4"_s << u"q7787701"_s << u"zimu/补数.htm"_s
                          << QStringList{u"补数"_s, u"10000 − 9997 = 3"_s};
}

// The concept node shows its shipped file in the second pane and clears the
// main pane; the file is UTF-8 HTML with CR LF line ends.
void TestRatioAverage::conceptNodes()
{
    QFETCH(QString, tab);
    QFETCH(QString, key);
    QFETCH(QString, file);
    QFETCH(QStringList, terms);
    Window w(tab.toLatin1().constData());
    w.controller.context().applyToMainPane({DomEdit::setBody(u"old"_s)});
    w.click(key);
    QCOMPARE(w.view.front, PaneId::Second);
    QVERIFY2(w.view.second.loadedFile.endsWith(file), qPrintable(w.view.second.loadedFile));
    QCOMPARE(w.view.main.body, QString());
    QCOMPARE(w.controller.state.pageItemCount, 0);

    QFile shipped(DiskProgramFiles::locate(QStringLiteral(QUORVEL_TEST_BIN_DIR)) + u'/' + file);
    QVERIFY2(shipped.open(QIODevice::ReadOnly), qPrintable(shipped.fileName()));
    const QByteArray bytes = shipped.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    QVERIFY(!utf8.hasError());
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
    QVERIFY(text.contains(u"<meta charset=\"utf-8\">"_s));
    for (const QString &term : terms)
        QVERIFY2(text.contains(term), qPrintable(term));
}

void TestRatioAverage::grading_data()
{
    QTest::addColumn<QString>("tab");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("items"); // on a page of 20
    QTest::newRow("解比例-中等") << u"T5"_s << u"q9872503"_s << 10;
    QTest::newRow("中等分数变小数") << u"T5"_s << u"q7697602"_s << 20;
    QTest::newRow("平均数 较难") << u"T4"_s << u"q7727704"_s << 20;
    QTest::newRow("补数 简单") << u"T4"_s << u"q7787702"_s << 20;
    QTest::newRow("余数 中等") << u"T4"_s << u"q7597502"_s << 20;
    QTest::newRow("平方计算20以内") << u"T4"_s << u"q7598902"_s << 10;
}

// All typed as tagged scores 100 and earns a medal; one wrong box costs its
// share of the page's own item count.
void TestRatioAverage::grading()
{
    QFETCH(QString, tab);
    QFETCH(QString, key);
    QFETCH(int, items);
    Window perfect(tab.toLatin1().constData(), 3, 20);
    perfect.click(key);
    QVERIFY(perfect.submitWrong().contains(u"非常不错！你的得分是100分"_s));
    QCOMPARE(perfect.controller.medalCount(), 1);

    Window oneWrong(tab.toLatin1().constData(), 3, 20);
    oneWrong.click(key);
    const QString expected = u"你的得分是%1分"_s.arg(qRound(100.0 * (items - 1) / items));
    QVERIFY(oneWrong.submitWrong({u"answer2"_s}).contains(expected));
    QCOMPARE(oneWrong.controller.medalCount(), 0);
}

QTEST_GUILESS_MAIN(TestRatioAverage)
#include "tst_ratioaverage.moc"
