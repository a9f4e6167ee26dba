// The fraction arithmetic pages: every answer recomputed from the fractions
// a page shows, the ranges and rules of each kind, the exact item text, the
// pages that run out of denominator pairs, and the grading of the two boxes.
#include "app/core/grading.h"
#include "app/core/maincontroller.h"
#include "app/core/recordingview.h"
#include "content/programfiles.h"
#include "content/storedtexts.h"
#include "controllerfixture.h"
#include "page/pagedocument.h"
#include "page/pageformat.h"
#include "page/randomsource.h"
#include "page/settingsstore.h"
#include "scriptedrandom.h"
#include "topics/fractions.h"

#include <QRegularExpression>
#include <QTest>

#include <deque>
#include <numeric>

using namespace Qt::StringLiterals;
using namespace quorvel;

namespace {

// What a node's caption promises about its pages.
struct Promise
{
    QChar sign;
    bool unit = false;
    int lowest = 0;  // denominators
    int highest = 0; // inclusive
    int pairs = 0;   // different denominator pairs the kind offers
};

Promise promiseOf(const QString &caption)
{
    Promise p;
    p.sign = caption.contains(u"加法"_s)   ? u'+'
             : caption.contains(u"减法"_s) ? u'-'
             : caption.contains(u"乘法"_s) ? u'×'
                                           : u'÷';
    p.unit = caption.contains(u"分子为1"_s);
    const int level = caption.startsWith(u"简单"_s) ? 0 : caption.startsWith(u"中等"_s) ? 1 : 2;
    p.lowest = QList<int>{2, 9, 25}[level];
    p.highest = QList<int>{9, 26, 104}[level];
    if (level == 0)
        p.pairs = !p.unit          ? (p.sign == u'-' ? 48 : 49)
                  : p.sign == u'-' ? 28
                  : p.sign == u'÷' ? 56
                                   : 64;
    else if (level == 1)
        p.pairs = p.unit && p.sign == u'-' ? 153 : p.unit && p.sign == u'÷' ? 306 : 324;
    else
        p.pairs = p.unit && p.sign == u'-' ? 3160 : p.unit && p.sign == u'÷' ? 6320 : 6400;
    return p;
}

// One item as the page shows it.
struct ShownItem
{
    QString label;
    qint64 a = 0, b = 0, c = 0, d = 0;
    QString sign;
    QString upName, upTag, downName, downTag, markId;
};

// Reads the items back from the page text: the cells of each table in order,
// the boxes' names and tags, the mark cell's id.
QList<ShownItem> shownItems(const QString &page)
{
    static const QRegularExpression table(u"<table.*?</table>"_s,
                                          QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression cell(u"<td[^>]*>(.*?)</td>"_s,
                                         QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression attribute(u"(\\w+)='([^']*)'"_s);
    const auto attributes = [](const QString &html) {
        QHash<QString, QString> values;
        for (const auto &m : attribute.globalMatch(html))
            values.insert(m.captured(1), m.captured(2));
        return values;
    };
    QList<ShownItem> items;
    for (const auto &t : table.globalMatch(page)) {
        QStringList cells;
        for (const auto &m : cell.globalMatch(t.captured(0)))
            cells.append(m.captured(1));
        if (cells.size() != 10)
            return {};
        // Row 1: label, a, sign, c, "= ", the numerator box, the mark cell;
        // row 2: b, d, the denominator box.
        const auto up = attributes(cells[5]);
        const auto down = attributes(cells[9]);
        items.append({cells[0], cells[1].toLongLong(), cells[7].toLongLong(), cells[3].toLongLong(),
                      cells[8].toLongLong(), cells[2], up.value(u"name"_s), up.value(u"tag"_s),
                      down.value(u"name"_s), down.value(u"tag"_s),
                      attributes(cells[6]).value(u"id"_s)});
    }
    return items;
}

// "a/b op c/d=N/D" of a shown item.
QString equation(const ShownItem &i)
{
    return u"%1/%2%3%4/%5=%6/%7"_s.arg(i.a).arg(i.b).arg(i.sign).arg(i.c).arg(i.d).arg(i.upTag,
                                                                                       i.downTag);
}

// Whether the tags hold the value of the shown item in lowest terms.
bool tagsAreTheReducedResult(const ShownItem &i)
{
    qint64 num = 0, den = 0;
    if (i.sign == "+"_L1)
        num = i.a * i.d + i.c * i.b, den = i.b * i.d;
    else if (i.sign == "-"_L1)
        num = i.a * i.d - i.c * i.b, den = i.b * i.d;
    else if (i.sign == "×"_L1)
        num = i.a * i.c, den = i.b * i.d;
    else if (i.sign == "÷"_L1)
        num = i.a * i.d, den = i.b * i.c;
    bool upOk = false, downOk = false;
    const qint64 n = i.upTag.toLongLong(&upOk);
    const qint64 d = i.downTag.toLongLong(&downOk);
    return upOk && downOk && n > 0 && d > 0 && std::gcd(n, d) == 1 && n * den == num * d &&
           i.upTag == QString::number(n) && i.downTag == QString::number(d);
}

// The text of item i for these values, written out in full.
QString expectedItem(int i, int a, const QString &sign, int c, int b, int d, int n, int nd)
{
    const auto t = [](int v) { return QString::number(v); };
    return u"<table border='0' width='646' cellspacing='0' cellpadding='0'>\r\n<tr>\r\n"
           u"<td width='81' rowspan='2' align='center'>第%1题：</td>\r\n"
           u"<td width='24' height='23' style='border-bottom: 3px solid #000000'>%2</td>\r\n"
           u"<td width='16' rowspan='2' align='center'>%3</td>\r\n"
           u"<td width='26' height='23' style='border-bottom: 3px solid #000000'>%4</td>\r\n"
           u"<td width='17' rowspan='2' align='center'>= </td>\r\n"
           u"<td width='33' align='center' valign='top' height='23' style='border-bottom: 3px "
           u"solid #000000; padding-left: 4px; padding-right: 4px; padding-top: 1px; "
           u"padding-bottom: 1px'><input type='text' name='answerup%1' tag='%7' size='3' "
           u"style='padding-left: 4px; padding-right: 4px; padding-top: 1px; padding-bottom: "
           u"0px; text-align:center; '></td>\r\n<td width='506' rowspan='2'><p align='left' "
           u"id='fenshupl%1'>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;</p></td>\r\n</tr>\r\n"
           u"<tr>\r\n<td width='24' valign='top' align='center'>%5</td>\r\n"
           u"<td width='26' valign='top' align='center'>%6</td>\r\n"
           u"<td width='41' align='center'><input type='text' name='answerdown%1' tag='%8' "
           u"size='3' style='padding-left: 4px; padding-right: 4px; padding-top: 1px; "
           u"padding-bottom: 0px; text-align:center; '></td>\r\n</tr>\r\n</table>\r\n"_s.arg(
               t(i), t(a), sign, t(c), t(b), t(d), t(n), t(nd));
}

// Queues the draws that give these values: b then d for unit kinds, b, a, d,
// c for drawn numerators, item after item.
void queueDraws(ScriptedRandom &random, int tagNumber, const QList<int> &values)
{
    // Rows of three levels: unit addition, unit subtraction, drawn addition,
    // drawn subtraction, unit multiplication, unit division, drawn
    // multiplication, drawn division.
    const int row = (tagNumber - 5002) / 3;
    const bool unit = row == 0 || row == 1 || row == 4 || row == 5;
    static const int span[] = {8, 18, 80}, lowest[] = {2, 9, 25};
    const int level = (tagNumber - 5002) % 3;
    for (qsizetype i = 0; i < values.size(); ++i) {
        const bool numerator = !unit && i % 2 == 1;
        if (numerator)
            random.push(values[i], values[i - 1] - 2, 2);
        else
            random.push(values[i], span[level], lowest[level]);
    }
}

struct Window : ControllerFixture<BorrowedRandom>
{
    explicit Window(RandomSource &source) : ControllerFixture(source) { onTab(u"T5"); }
};

// The snapshot of a fraction page: the two boxes of every item hold what
// `typed` gives for the item, the mark cells have their ids.
PageDocument answered(const QList<ShownItem> &items,
                      const std::function<std::pair<QString, QString>(const ShownItem &)> &typed)
{
    QList<PageElement> elements;
    for (const ShownItem &item : items) {
        const auto [up, down] = typed(item);
        elements.append({item.upName, {}, u"text"_s, up, item.upTag});
        elements.append({{}, item.markId, u"p"_s, {}, {}});
        elements.append({item.downName, {}, u"text"_s, down, item.downTag});
    }
    elements.append({u"finish"_s, {}, u"button"_s, u"提交答案"_s, u"十"_s});
    return PageDocument(elements);
}

} // namespace

class TestFractions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyPageIsRight_data();
    void everyPageIsRight();
    void onlyTheGroupsNumbers();
    void exactItems_data();
    void exactItems();
    void wholeItemText_data();
    void wholeItemText();
    void itemTemplate();
    void longPagesEndWithThePairs_data();
    void longPagesEndWithThePairs();
    void repeatingSourceEndsThePage_data();
    void repeatingSourceEndsThePage();
    void grading_data();
    void grading();
};

void TestFractions::everyPageIsRight_data()
{
    QTest::addColumn<int>("tagNumber");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("items");
    ScriptedRandom unused;
    Window w(unused);
    int nodes = 0;
    for (const TopicNode &node : w.controller.tree().nodes()) {
        if (node.parentKey != "q500"_L1)
            continue;
        ++nodes;
        for (int items : {10, 20, 50})
            QTest::addRow("%s %d", qPrintable(node.caption), items)
                << node.tag.mid(1).toInt() << node.caption << items;
    }
    QCOMPARE(nodes, 24);
}

void TestFractions::everyPageIsRight()
{
    QFETCH(int, tagNumber);
    QFETCH(QString, caption);
    QFETCH(int, items);
    const Promise p = promiseOf(caption);
    const std::optional<FractionKind> kind = fractionKind(tagNumber);
    QVERIFY(kind);
    QCOMPARE(usablePairCount(*kind), p.pairs);

    for (quint64 seed = 1; seed <= 20; ++seed) {
        SeededRandom random(seed);
        FractionPages pages(random);
        const Page page = pages.page(tagNumber, items, texts::fractionItemTemplate());
        const QList<ShownItem> shown = shownItems(page.text);
        QCOMPARE(page.items, std::min(items, p.pairs));
        QCOMPARE(shown.size(), page.items);
        QVERIFY(page.text.endsWith(page::submitLine()));

        QSet<std::pair<qint64, qint64>> pairs;
        for (int i = 1; i <= shown.size(); ++i) {
            const ShownItem &item = shown[i - 1];
            const QByteArray where = equation(item).toUtf8() + " item " + QByteArray::number(i) +
                                     " seed " + QByteArray::number(seed);
            QCOMPARE(item.label, u"第%1题："_s.arg(i));
            QCOMPARE(item.upName, u"answerup%1"_s.arg(i));
            QCOMPARE(item.downName, u"answerdown%1"_s.arg(i));
            QCOMPARE(item.markId, u"fenshupl%1"_s.arg(i));
            QCOMPARE(item.sign, QString(p.sign));
            QVERIFY2(tagsAreTheReducedResult(item), where);
            QVERIFY2(item.b >= p.lowest && item.b <= p.highest, where);
            QVERIFY2(item.d >= p.lowest && item.d <= p.highest, where);
            if (p.unit) {
                QVERIFY2(item.a == 1 && item.c == 1, where);
            } else {
                QVERIFY2(item.a >= 2 && item.a < item.b, where);
                QVERIFY2(item.c >= 2 && item.c < item.d, where);
            }
            QVERIFY2(item.a != item.b && item.c != item.d, where);
            if (p.sign == u'-')
                QVERIFY2(item.a * item.d > item.c * item.b, where);
            if (p.unit && p.sign == u'-')
                QVERIFY2(item.b < item.d, where);
            if (p.unit && p.sign == u'÷')
                QVERIFY2(item.b != item.d, where);
            QVERIFY2(!pairs.contains({item.b, item.d}), where);
            pairs.insert({item.b, item.d});
        }
    }
}

void TestFractions::onlyTheGroupsNumbers()
{
    QVERIFY(!fractionKind(5001));
    QVERIFY(!fractionKind(5026));
    SeededRandom random(1);
    FractionPages pages(random);
    const Page page = pages.page(5026, 10, texts::fractionItemTemplate());
    QCOMPARE(page.items, 0);
    QVERIFY(page.text.isEmpty());
}

void TestFractions::exactItems_data()
{
    QTest::addColumn<int>("tagNumber");
    QTest::addColumn<QList<int>>("values");
    QTest::addColumn<QStringList>("equations");

    QTest::newRow("1/3 ÷ 1/6 is 2 over 1")
        << 5017 << QList<int>{3, 6} << QStringList{u"1/3÷1/6=2/1"_s};
    QTest::newRow("2/9 × 3/4 is 1 over 6")
        << 5020 << QList<int>{9, 2, 4, 3} << QStringList{u"2/9×3/4=1/6"_s};
    QTest::newRow("1/4 − 1/6 is 1 over 12")
        << 5005 << QList<int>{4, 6} << QStringList{u"1/4-1/6=1/12"_s};
    QTest::newRow("3/4 + 2/3 stays improper")
        << 5008 << QList<int>{4, 3, 3, 2} << QStringList{u"3/4+2/3=17/12"_s};
    QTest::newRow("1/2 + 1/2 is 1 over 1")
        << 5002 << QList<int>{2, 2} << QStringList{u"1/2+1/2=1/1"_s};
    QTest::newRow("unit subtraction redrawn until the first is larger")
        << 5005 << QList<int>{6, 4, 5, 5, 4, 6} << QStringList{u"1/4-1/6=1/12"_s};
    QTest::newRow("unit division of equal fractions redrawn")
        << 5018 << QList<int>{20, 20, 10, 26} << QStringList{u"1/10÷1/26=13/5"_s};
    QTest::newRow("numerator over 2 equals the denominator")
        << 5008 << QList<int>{2, 2, 5, 3, 5, 3, 7, 2} << QStringList{u"3/5+2/7=31/35"_s};
    QTest::newRow("drawn subtraction redrawn until positive")
        << 5011 << QList<int>{5, 2, 3, 2, 5, 4, 3, 2} << QStringList{u"4/5-2/3=2/15"_s};
    QTest::newRow("drawn division may share the denominator")
        << 5023 << QList<int>{5, 2, 5, 3} << QStringList{u"2/5÷3/5=2/3"_s};
    QTest::newRow("a used pair is redrawn, the reversed one is new")
        << 5002 << QList<int>{3, 5, 3, 5, 5, 3}
        << QStringList{u"1/3+1/5=8/15"_s, u"1/5+1/3=8/15"_s};
    QTest::newRow("same pair, other numerators, still used")
        << 5021 << QList<int>{10, 3, 12, 5, 10, 7, 12, 11, 12, 7, 10, 3}
        << QStringList{u"3/10×5/12=1/8"_s, u"7/12×3/10=7/40"_s};
    QTest::newRow("hard denominators at both ends")
        << 5016 << QList<int>{25, 104} << QStringList{u"1/25×1/104=1/2600"_s};
    QTest::newRow("hard drawn division")
        << 5025 << QList<int>{104, 103, 25, 24} << QStringList{u"103/104÷24/25=2575/2496"_s};
}

void TestFractions::exactItems()
{
    QFETCH(int, tagNumber);
    QFETCH(QList<int>, values);
    QFETCH(QStringList, equations);
    ScriptedRandom random;
    queueDraws(random, tagNumber, values);
    FractionPages pages(random);
    const Page page = pages.page(tagNumber, int(equations.size()), texts::fractionItemTemplate());
    QStringList shown;
    for (const ShownItem &item : shownItems(page.text))
        shown.append(equation(item));
    QCOMPARE(shown, equations);
    QCOMPARE(page.items, equations.size());
    QVERIFY(random.draws.empty()); // every draw used, in order, none extra
}

void TestFractions::wholeItemText_data()
{
    QTest::addColumn<int>("tagNumber");
    QTest::addColumn<QList<int>>("values");
    QTest::addColumn<QString>("lastItem");
    QTest::newRow("1/3 ÷ 1/6 alone")
        << 5017 << QList<int>{3, 6} << expectedItem(1, 1, u"÷"_s, 1, 3, 6, 2, 1);
    QTest::newRow("the tenth item")
        << 5002 << QList<int>{2, 3, 2, 4, 2, 5, 2, 6, 2, 7, 2, 8, 2, 9, 3, 2, 3, 4, 7, 9}
        << expectedItem(10, 1, u"+"_s, 1, 7, 9, 16, 63);
}

void TestFractions::wholeItemText()
{
    QFETCH(int, tagNumber);
    QFETCH(QList<int>, values);
    QFETCH(QString, lastItem);
    ScriptedRandom random;
    queueDraws(random, tagNumber, values);
    FractionPages pages(random);
    const QString text =
        pages.page(tagNumber, int(values.size() / 2), texts::fractionItemTemplate()).text;
    // The item, its two line breaks and the submit line end the page.
    QVERIFY(text.endsWith(lastItem + u"<br><br>"_s + page::submitLine()));
    QCOMPARE(text.count(u"<table "_s), values.size() / 2);
    QVERIFY(text.startsWith(u"<table "_s));
}

void TestFractions::itemTemplate()
{
    const QString text = texts::fractionItemTemplate();
    QVERIFY(!text.isEmpty());
    for (const QString &placeholder :
         {u"第几题："_s, u"a1"_s, u"a2"_s, u"a3"_s, u"a4"_s, u"运算符"_s, u"answerup"_s,
          u"answerdown"_s, u"fenshupl"_s, u"答案up"_s, u"答案down"_s})
        QVERIFY2(text.count(placeholder) == 1, qPrintable(placeholder));
    QCOMPARE(text.count(u'\n'), text.count(u"\r\n"_s));
    QVERIFY(!text.contains(u'"'));
}

void TestFractions::longPagesEndWithThePairs_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("items");
    QTest::newRow("easy unit subtraction: 28 pairs") << u"q5005"_s << 28;
    QTest::newRow("easy drawn addition: 49 pairs") << u"q5008"_s << 49;
    QTest::newRow("easy drawn subtraction: 48 pairs") << u"q5011"_s << 48;
    QTest::newRow("easy drawn multiplication: 49 pairs") << u"q5020"_s << 49;
    QTest::newRow("easy drawn division: 49 pairs") << u"q5023"_s << 49;
    QTest::newRow("easy unit division fills the page") << u"q5017"_s << 50;
    QTest::newRow("middle unit subtraction fills the page") << u"q5006"_s << 50;
}

void TestFractions::longPagesEndWithThePairs()
{
    QFETCH(QString, key);
    QFETCH(int, items);
    for (quint64 seed : {3u, 11u, 29u}) {
        SeededRandom random(seed);
        Window w(random);
        w.controller.applyOptions(50, 5, 1);
        w.controller.nodeClicked(key);
        QCOMPARE(w.controller.state.pageItemCount, items);
        const QList<ShownItem> shown = shownItems(w.view.main.body);
        QCOMPARE(shown.size(), items);
        for (const ShownItem &item : shown)
            QVERIFY2(tagsAreTheReducedResult(item), qPrintable(equation(item)));
        QCOMPARE(w.controller.state.defaultTiCount, 50);
    }
}

void TestFractions::repeatingSourceEndsThePage_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("items");
    // Every draw is 0.5: both denominators are always 6.
    QTest::newRow("addition: one item, then only its pair") << u"q5002"_s << 1;
    QTest::newRow("subtraction: never a larger first fraction") << u"q5005"_s << 0;
}

void TestFractions::repeatingSourceEndsThePage()
{
    QFETCH(QString, key);
    QFETCH(int, items);
    ScriptedRandom random;
    Window w(random);
    w.controller.nodeClicked(key);
    QCOMPARE(w.controller.state.pageItemCount, items);
    QCOMPARE(shownItems(w.view.main.body).size(), items);
    QVERIFY(w.view.main.body.endsWith(page::submitLine()));
}

void TestFractions::grading_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("perPage");
    QTest::addColumn<QList<int>>("wrongItems");
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("score");

    QTest::newRow("all right") << u"q5002"_s << 10 << QList<int>{} << QString() << 100;
    QTest::newRow("numerator off by one") << u"q5013"_s << 10 << QList<int>{3} << u"up"_s << 90;
    QTest::newRow("unreduced answer") << u"q5014"_s << 20 << QList<int>{1, 20} << u"double"_s << 90;
    QTest::newRow("denominator left empty")
        << u"q5025"_s << 10 << QList<int>{10} << u"empty"_s << 90;
    QTest::newRow("boxes swapped") << u"q5019"_s << 50 << QList<int>{2, 49} << u"swap"_s << 96;
    QTest::newRow("nothing right")
        << u"q5003"_s << 10 << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10} << u"empty"_s << 0;
    QTest::newRow("28-item page all right") << u"q5005"_s << 50 << QList<int>{} << QString() << 100;
    QTest::newRow("28-item page one wrong") << u"q5005"_s << 50 << QList<int>{28} << u"up"_s << 96;
    QTest::newRow("49-item page all right") << u"q5023"_s << 50 << QList<int>{} << QString() << 100;
}

void TestFractions::grading()
{
    QFETCH(QString, key);
    QFETCH(int, perPage);
    QFETCH(QList<int>, wrongItems);
    QFETCH(QString, how);
    QFETCH(int, score);

    SeededRandom random(5);
    Window w(random);
    w.controller.applyOptions(perPage, 5, 1);
    w.controller.nodeClicked(key);
    w.controller.tickPageSeconds();
    w.controller.tickPageSeconds();
    const QList<ShownItem> items = shownItems(w.view.main.body);
    QCOMPARE(items.size(), w.controller.state.pageItemCount);

    PageDocument page = answered(items, [&](const ShownItem &item) {
        const int i = item.upName.mid(8).toInt();
        if (!wrongItems.contains(i))
            return std::pair{item.upTag, item.downTag};
        if (how == "up"_L1)
            return std::pair{QString::number(item.upTag.toInt() + 1), item.downTag};
        if (how == "double"_L1)
            return std::pair{QString::number(item.upTag.toInt() * 2),
                             QString::number(item.downTag.toInt() * 2)};
        if (how == "swap"_L1)
            return std::pair{item.downTag, item.upTag};
        return std::pair{item.upTag, QString()};
    });
    const qsizetype editsBefore = w.view.main.edits.size();
    w.controller.pageEvent(u"click"_s, u"finish"_s, page);

    DomEdits expected;
    for (const ShownItem &item : items) {
        const int i = item.upName.mid(8).toInt();
        const QString mark = wrongItems.contains(i)
                                 ? u"(×，正确答案："_s + item.upTag + u'/' + item.downTag + u')'
                                 : u"(√)"_s;
        expected.append(DomEdit::setInnerHtml(item.markId, mark));
    }
    expected.append(DomEdit::insertHtmlAfter(u"finish"_s, resultLine(score, 2)));
    QCOMPARE(marksOnly(w.view.main.edits.mid(editsBefore)), expected);
    QCOMPARE(w.controller.medalCount(), score == 100 ? 1 : 0);
    QVERIFY(!w.controller.state.pageGradable);
    QVERIFY(!w.view.timer(TimerId::PageSeconds).isEnabled());
    QVERIFY(w.view.messages.isEmpty());
}

QTEST_GUILESS_MAIN(TestFractions)
#include "tst_fractions.moc"
