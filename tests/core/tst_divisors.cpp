// The tab "约数和倍数": drill answers worked out here from the numbers on the
// page, the example nodes, pages and revealed answers, and the products
// written in the texts.
#include "app/core/catalogue.h"
#include "app/core/maincontroller.h"
#include "app/core/recordingview.h"
#include "content/programfiles.h"
#include "content/storedtexts.h"
#include "controllerfixture.h"
#include "page/pagedocument.h"
#include "page/randomsource.h"
#include "page/settingsstore.h"
#include "scriptedrandom.h"
#include "topics/divisors.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringEncoder>
#include <QTest>

#include <deque>
#include <numeric>
#include <tuple>

using namespace Qt::StringLiterals;
using namespace quorvel;

namespace {

const QString submitLine = u"&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp; "
                           u"<input class=button name=finish type=button size=7 value=提交答案 "
                           u"tag=十><br><br>"_s;
const QString revealButton = u"<br><br>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp; <input class=button "
                             u"name=finish type=button size=7 value=查看答案 tag=十><br><br>"_s;
const QString factorIntro =
    u"用键盘上的*号代替乘号，填入的数字请按从小到大的顺序排列，否则按答错处理。<br><br>"_s;

QString shippedExamples()
{
    QFile file(DiskProgramFiles::locate(QStringLiteral(QUORVEL_TEST_BIN_DIR)) +
               u"/zimu/fenjiezhiyinshu.txt"_s);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

struct Window : ControllerFixture<ScriptedRandom>
{
    explicit Window(quint64 seed = 1, const QByteArray &examples = shippedExamples().toUtf8())
        : ControllerFixture(WithFiles{{{u"zimu/fenjiezhiyinshu.txt"_s, examples}}}, seed)
    {
        onTab(u"T9");
    }
    void selectDivisorTab() { onTab(u"T9"); }
    // Submits the page with every box typed as its key; returns what was
    // inserted after "finish".
    QStringList submitAll()
    {
        QStringList inserted;
        for (const DomEdit &e : submit())
            if (e.kind == DomEdit::Kind::InsertHtmlAfter && e.target == "finish"_L1)
                inserted.append(e.text);
        return inserted;
    }
};

// The items of a page that is exactly intro, items 1, 2, … and the submit
// line: per item the numbers of the question, then the tag. Empty on a
// page of any other shape.
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

QList<QList<int>> levelPrimes(const QString &key)
{
    if (key == "q8888702"_L1)
        return {{2, 3, 5}, {2, 3, 5}, {2, 3, 5, 7}};
    if (key == "q8888703"_L1)
        return {{2, 3, 5}, {3, 5, 7, 11}, {3, 5, 7, 11}};
    return {{3, 5, 7, 11}, {5, 7, 11, 13}, {7, 11, 13, 17}};
}

// The tag checked against n: three primes ascending, one from each list of
// the level, whose product is n.
bool factorsOf(int n, const QString &tag, const QList<QList<int>> &lists)
{
    QList<int> f;
    for (const QString &part : tag.split(u'*'))
        f.append(part.toInt());
    if (f.size() != 3 || !std::is_sorted(f.cbegin(), f.cend()) || f[0] * f[1] * f[2] != n)
        return false;
    do
        if (lists[0].contains(f[0]) && lists[1].contains(f[1]) && lists[2].contains(f[2]))
            return true;
    while (std::next_permutation(f.begin(), f.end()));
    return false;
}

int productCount(const QList<QList<int>> &lists)
{
    QSet<int> products;
    for (int a : lists[0])
        for (int b : lists[1])
            for (int c : lists[2])
                products.insert(a * b * c);
    return int(products.size());
}

} // namespace

class TestDivisors : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void drillPages_data();
    void drillPages();
    void scriptedItems_data();
    void scriptedItems();
    void factorisationRunsOut_data();
    void factorisationRunsOut();
    void fixedPages_data();
    void fixedPages();
    void exampleNodesOncePerTree_data();
    void exampleNodesOncePerTree();
    void exampleFileRules_data();
    void exampleFileRules();
    void revealedAnswers_data();
    void revealedAnswers();
    void productsInTheTextsAreRight();
};

void TestDivisors::drillPages_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("low"); // 0: a factorisation level
    QTest::addColumn<int>("high");
    QTest::addColumn<int>("requested");
    const QList<std::tuple<const char *, QString, int, int>> levels = {
        {"gcd easy", u"q7002"_s, 1, 50},       {"gcd middle", u"q7003"_s, 1, 200},
        {"gcd hard", u"q7004"_s, 1, 1000},     {"lcm easy", u"q8002"_s, 2, 20},
        {"lcm middle", u"q8003"_s, 10, 59},    {"lcm hard", u"q8004"_s, 60, 309},
        {"factors easy", u"q8888702"_s, 0, 0}, {"factors middle", u"q8888703"_s, 0, 0},
        {"factors hard", u"q8888704"_s, 0, 0}};
    for (const auto &[name, key, low, high] : levels)
        for (int count : {10, 20, 50})
            QTest::addRow("%s, %d", name, count) << key << low << high << count;
}

void TestDivisors::drillPages()
{
    QFETCH(QString, key);
    QFETCH(int, low);
    QFETCH(int, high);
    QFETCH(int, requested);
    const bool gcd = key.startsWith("q7"_L1);
    const bool factors = low == 0;
    const int written = factors ? std::min(requested, productCount(levelPrimes(key))) : requested;
    Window w(quint64(requested * 100 + high));
    w.controller.state.defaultTiCount = requested;
    bool sawCoprime = false;
    for (int page = 0; page < 30; ++page) {
        const QList<QStringList> items = factors
                                             ? pageItems(w.click(key), factorIntro, u"(\\d+)="_s)
                                             : pageItems(w.click(key), {},
                                                         gcd ? u"(\\d+)和(\\d+)的最大公约数 = "_s
                                                             : u"(\\d+)和(\\d+)的最小公倍数 = "_s);
        QCOMPARE(items.size(), written);
        QCOMPARE(w.controller.state.pageItemCount, written);
        QSet<QString> asked;
        for (const QStringList &item : items) {
            if (factors) {
                QVERIFY2(factorsOf(item[0].toInt(), item[1], levelPrimes(key)),
                         qPrintable(item.join(u' ')));
                asked.insert(item[0]);
                continue;
            }
            const int a = item[0].toInt();
            const int b = item[1].toInt();
            QVERIFY(a >= low && a <= high && b >= low && b <= high && a != b);
            sawCoprime = sawCoprime || std::gcd(a, b) == 1;
            QCOMPARE(item[2], QString::number(gcd ? std::gcd(a, b) : std::lcm(a, b)));
            asked.insert(QString::number(std::min(a, b)) + u'/' + QString::number(std::max(a, b)));
        }
        QCOMPARE(asked.size(), items.size()); // no question twice on a page
    }
    QCOMPARE(sawCoprime, !gcd && !factors);
}

void TestDivisors::scriptedItems_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<QString>("item"); // the last item the draws make
    const QString gcd = u"%1和%2的最大公约数 =  <input class=text name=answer%4 type=text size=7 "
                        u"tag=%3><br><br>"_s;
    const QString lcm = QString(gcd).replace(u"最大公约数"_s, u"最小公倍数"_s);
    const QString factor = u"%1= <input class=text name=answer%3 type=text size=7 tag=%2><br>"_s;
    QTest::newRow("12和18 after an equal and a coprime pair")
        << u"q7004"_s
        << QList<int>{5, 1000, 1, 5, 1000, 1, 7, 1000, 1, 9, 1000, 1, 12, 1000, 1, 18, 1000, 1}
        << gcd.arg(12).arg(18).arg(6).arg(1);
    QTest::newRow("gcd ends, 1 never asked")
        << u"q7004"_s << QList<int>{1, 1000, 1, 500, 1000, 1, 1000, 1000, 1, 2, 1000, 1}
        << gcd.arg(1000).arg(2).arg(2).arg(1);
    QTest::newRow("gcd easy pair again, reversed")
        << u"q7002"_s << QList<int>{12, 50, 1, 18, 50, 1, 18, 50, 1, 12, 50, 1, 50, 50, 1, 2, 50, 1}
        << gcd.arg(50).arg(2).arg(2).arg(2);
    QTest::newRow("61和67 coprime") << u"q8004"_s << QList<int>{61, 250, 60, 67, 250, 60}
                                    << lcm.arg(61).arg(67).arg(4087).arg(1);
    QTest::newRow("lcm equal pair, then the ends")
        << u"q8004"_s << QList<int>{99, 250, 60, 99, 250, 60, 309, 250, 60, 60, 250, 60}
        << lcm.arg(309).arg(60).arg(6180).arg(1);
    QTest::newRow("lcm easy ends")
        << u"q8002"_s << QList<int>{20, 19, 2, 2, 19, 2} << lcm.arg(20).arg(2).arg(20).arg(1);
    QTest::newRow("lcm middle ends")
        << u"q8003"_s << QList<int>{59, 50, 10, 10, 50, 10} << lcm.arg(59).arg(10).arg(590).arg(1);
    QTest::newRow("8=2*2*2") << u"q8888702"_s << QList<int>{1, 3, 1, 1, 3, 1, 1, 4, 1}
                             << factor.arg(8).arg(u"2*2*2"_s).arg(1);
    QTest::newRow("175=5*5*7") << u"q8888702"_s << QList<int>{3, 3, 1, 3, 3, 1, 4, 4, 1}
                               << factor.arg(175).arg(u"5*5*7"_s).arg(1);
    QTest::newRow("5, 2, 5 sorted") << u"q8888702"_s << QList<int>{3, 3, 1, 1, 3, 1, 3, 4, 1}
                                    << factor.arg(50).arg(u"2*5*5"_s).arg(1);
    QTest::newRow("30 twice, then 27")
        << u"q8888702"_s << QList<int>{1, 3, 1, 2, 3, 1, 3, 4, 1, 3, 3, 1, 1, 3,
                                       1, 2, 4, 1, 2, 3, 1, 2, 3, 1, 2, 4, 1}
        << factor.arg(27).arg(u"3*3*3"_s).arg(2);
    QTest::newRow("middle 2, 11, 3") << u"q8888703"_s << QList<int>{1, 3, 1, 4, 4, 1, 1, 4, 1}
                                     << factor.arg(66).arg(u"2*3*11"_s).arg(1);
    QTest::newRow("hard 11, 13, 17") << u"q8888704"_s << QList<int>{4, 4, 1, 4, 4, 1, 4, 4, 1}
                                     << factor.arg(2431).arg(u"11*13*17"_s).arg(1);
}

void TestDivisors::scriptedItems()
{
    QFETCH(QString, key);
    QFETCH(QList<int>, draws);
    QFETCH(QString, item);
    Window w;
    w.random.push(draws);
    const QString page = w.click(key);
    QVERIFY(w.random.draws.empty());
    const QString number = item.section(u"name=answer"_s, 1).section(u' ', 0, 0);
    const QString label = u"第"_s + number + u"题："_s;
    QVERIFY2(page.mid(page.indexOf(label) + label.size()).startsWith(item), qPrintable(page));
    if (key.startsWith("q88887"_L1))
        QVERIFY(page.startsWith(factorIntro + u"第1题："_s));
}

void TestDivisors::factorisationRunsOut_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("stuck");
    QTest::newRow("easy") << u"q8888702"_s << false;
    QTest::newRow("easy, every draw the same") << u"q8888702"_s << true;
    QTest::newRow("hard, every draw the same") << u"q8888704"_s << true;
}

void TestDivisors::factorisationRunsOut()
{
    QFETCH(QString, key);
    QFETCH(bool, stuck);
    Window w(3);
    w.random.stuck = stuck;
    w.controller.applyOptions(50, 5, 1);
    const QList<QStringList> items = pageItems(w.click(key), factorIntro, u"(\\d+)="_s);
    const int products = productCount(levelPrimes(key));
    QCOMPARE(items.size(), products);
    QCOMPARE(w.controller.state.pageItemCount, products);
    QSet<QString> asked;
    for (const QStringList &item : items) {
        QVERIFY2(factorsOf(item[0].toInt(), item[1], levelPrimes(key)), qPrintable(item[1]));
        asked.insert(item[0]);
    }
    QCOMPARE(asked.size(), products);
    // Every item written is marked.
    QCOMPARE(w.submitAll().size(), 1);
    QCOMPARE(std::count_if(w.view.main.edits.cbegin(), w.view.main.edits.cend(),
                           [](const DomEdit &e) { return e.text == u"(√)"_s; }),
             products);
}

void TestDivisors::fixedPages_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QStringList>("inOrder"); // the first opens the page
    QTest::addColumn<QString>("ending");
    QTest::newRow("gcd concept") << u"q7001"_s
                                 << QStringList{u"[求两个数最大公约数的方法]"_s, u"公有的质因数"_s}
                                 << QString();
    QTest::newRow("lcm concept") << u"q8001"_s
                                 << QStringList{u"[最小公倍数]"_s, u"方法一"_s, u"方法二"_s,
                                                u"方法三"_s}
                                 << QString();
    QTest::newRow("factorisation concept")
        << u"q8888701"_s
        << QStringList{u"<b>分解质因数：</b>"_s, u"<b>合数：</b>"_s, u"<b>质因数：</b>"_s,
                       u"<br><br>分解质因数的方法在求最大公因数和最小公倍数时有用"_s}
        << QString();
    QTest::newRow("截铜丝") << u"q7005"_s
                            << QStringList{u"有三根铜丝，第一根长24米，第二根长18米，第三根长30"
                                           u"米，现在要把它们截成长短一样的小段，每段最长能是几"
                                           u"米？一共可以截成多少段？"_s}
                            << revealButton;
    QTest::newRow("分场地") << u"q7006"_s
                            << QStringList{u"一块长方形场地，长60米，宽36米。要把它分成面积相同"
                                           u"的正方形，并使面积最大，而且正好分完没有剩余，正方"
                                           u"形的边长最长应是多少米？能分成多少个这样的正方形场"
                                           u"地？"_s}
                            << revealButton;
}

void TestDivisors::fixedPages()
{
    QFETCH(QString, key);
    QFETCH(QStringList, inOrder);
    QFETCH(QString, ending);
    Window w;
    const QString page = w.click(key);
    QVERIFY2(page.startsWith(inOrder.first()), qPrintable(page.left(60)));
    qsizetype from = 0;
    for (const QString &piece : inOrder) {
        from = page.indexOf(piece, from);
        QVERIFY2(from >= 0, qPrintable(piece));
    }
    if (!ending.isEmpty())
        QCOMPARE(page, inOrder.first() + ending);
    QVERIFY(!page.contains(u'\n') && !page.contains(u"name=answer"_s));
    if (ending.isEmpty())
        QVERIFY(!page.endsWith(u"<br>"_s));
    QCOMPARE(w.controller.state.pageItemCount, 0);
}

void TestDivisors::exampleNodesOncePerTree_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QStringList>("titles");
    QStringList lcm;
    for (int k = 1; k <= 8; ++k)
        lcm.append(u"例"_s + QString::number(k));
    QTest::newRow("common multiple") << u"q8005"_s << lcm;
    // The shipped file: every piece after a "【" is an example with an answer.
    QStringList titles;
    for (const QString &piece : shippedExamples().split(u"【"_s).mid(1)) {
        QVERIFY(piece.indexOf(u"】"_s) > 0 && piece.indexOf(u"答案="_s) > piece.indexOf(u"】"_s));
        titles.append(piece.section(u"】"_s, 0, 0));
    }
    QVERIFY(titles.size() >= 12);
    QTest::newRow("factorisation") << u"q8888705"_s << titles;
}

void TestDivisors::exampleNodesOncePerTree()
{
    QFETCH(QString, group);
    QFETCH(QStringList, titles);
    const int digits = group == "q8005"_L1 ? 3 : 2;
    QList<TopicNode> expected;
    for (int k = 1; k <= titles.size(); ++k) {
        const QString suffix = QString::number(k + 1).rightJustified(digits, u'0');
        expected.append({group + suffix, titles[k - 1], group, u"{"_s + group.mid(1) + suffix,
                         NodeIcon::Topic});
    }
    Window w;
    const TopicTree &tree = w.controller.tree();
    for (int round = 0; round < 2; ++round) {
        QVERIFY(tree.childKeys(group).isEmpty());
        QCOMPARE(w.click(group), QString());
        QList<TopicNode> added;
        for (const QString &key : tree.childKeys(group))
            added.append(*tree.find(key));
        QCOMPARE(added, expected);
        QCOMPARE(w.view.shownTree.childKeys(group), tree.childKeys(group));
        // Clicking again, also after a child, adds nothing.
        const qsizetype size = w.view.shownTree.size();
        w.click(expected.last().key);
        w.click(group);
        QCOMPARE(w.view.shownTree.size(), size);
        QCOMPARE(tree.childKeys(group).size(), titles.size());
        w.controller.selectTab(0); // a new tree lacks them until the next click
        w.selectDivisorTab();
    }
}

void TestDivisors::exampleFileRules_data()
{
    QTest::addColumn<QByteArray>("file");
    const QString text = u"两道例题\r\n【甲】一 二\r\n三答案=x y\r\n四\r\n【没有标题的一段\r\n"
                         u"【乙】问题答案=答\r\n"_s;
    QTest::newRow("UTF-8") << text.toUtf8();
    QStringEncoder gbk("GBK");
    QTest::newRow("GBK") << QByteArray(gbk.encode(text));
}

void TestDivisors::exampleFileRules()
{
    QFETCH(QByteArray, file);
    Window w(1, file);
    w.click(u"q8888705"_s);
    // The piece without "】" has no node, and its number is skipped.
    QCOMPARE(w.controller.tree().childKeys(u"q8888705"_s),
             (QStringList{u"q888870502"_s, u"q888870504"_s}));
    QCOMPARE(w.click(u"q888870502"_s), u"<h1>甲</h1><h2>一&nbsp;二<br>三</h2>"_s + revealButton);
    for (int i = 0; i < 37; ++i)
        w.controller.tickPageSeconds();
    QCOMPARE(w.submitAll(), QStringList{u"<h2>x&nbsp;y<br>四<br></h2><br>思考用时37秒！"_s});
    QCOMPARE(w.click(u"q888870504"_s), u"<h1>乙</h1><h2>问题</h2>"_s + revealButton);
    QCOMPARE(w.submitAll(), QStringList{u"<h2>答<br></h2><br>思考用时0秒！"_s});

    // Suffixes end at two digits: of 100 examples, 98 get a node.
    QString hundred;
    for (int k = 1; k <= 100; ++k)
        hundred += u"【%1】问答案=%1\r\n"_s.arg(k);
    const divisors::ExampleCollection collection(hundred, 2);
    QCOMPARE(collection.entries().size(), 98);
    QCOMPARE(collection.entries().last().suffix, u"99"_s);
    QCOMPARE(collection.answerHtml(98), u"98<br>"_s);
    QVERIFY(collection.problemHtml(99).isEmpty());
}

void TestDivisors::revealedAnswers_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("title"); // of an example page
    QTest::addColumn<QStringList>("shown");
    const int piece = std::gcd(std::gcd(24, 18), 30);
    QTest::newRow("截铜丝") << u"q7005"_s << QString()
                            << QStringList{u"%1米"_s.arg(piece),
                                           u"%1段"_s.arg((24 + 18 + 30) / piece)};
    const int side = std::gcd(60, 36);
    QTest::newRow("分场地") << u"q7006"_s << QString()
                            << QStringList{u"%1米"_s.arg(side),
                                           u"%1个"_s.arg((60 / side) * (36 / side))};
    QTest::newRow("例1") << u"q8005002"_s << u"例1"_s
                         << QStringList{u"%1块"_s.arg(std::lcm(8, 12))};
    QTest::newRow("例2") << u"q8005003"_s << u"例2"_s << QStringList{u"7点24分"_s};
    QTest::newRow("例4") << u"q8005005"_s << u"例4"_s
                         << QStringList{u"最小是%1"_s.arg(std::lcm(std::lcm(4, 6), 9) + 1)};
    QTest::newRow("例8") << u"q8005009"_s << u"例8"_s
                         << QStringList{u"%1（圈）"_s.arg(std::lcm(48, 36) / 48),
                                        u"%1（圈）"_s.arg(std::lcm(48, 36) / 36)};
    QTest::newRow("连续自然数") << u"q888870502"_s << u"三个连续自然数"_s
                                << QStringList{u"5、6、7"_s};
}

void TestDivisors::revealedAnswers()
{
    QFETCH(QString, key);
    QFETCH(QString, title);
    QFETCH(QStringList, shown);
    Window w;
    w.click(u"q8005"_s);
    w.click(u"q8888705"_s);
    const QString page = w.click(key);
    if (!title.isEmpty()) {
        QVERIFY2(page.startsWith(u"<h1>"_s + title + u"</h1><h2>"_s), qPrintable(page));
        QVERIFY(page.endsWith(u"</h2>"_s + revealButton));
        QVERIFY(!page.contains(u"答案="_s) && !page.contains(u'\n'));
    }
    for (int i = 0; i < 42; ++i)
        w.controller.tickPageSeconds();
    const QStringList inserted = w.submitAll();
    QCOMPARE(inserted.size(), 1);
    QVERIFY(inserted[0].startsWith(u"<h2>"_s) && !inserted[0].contains(u'\n'));
    QVERIFY(inserted[0].endsWith(u"</h2><br>思考用时42秒！"_s));
    for (const QString &fact : shown)
        QVERIFY2(inserted[0].contains(fact), qPrintable(inserted[0]));
    QVERIFY(!w.controller.state.pageGradable);
    QVERIFY(w.submitAll().isEmpty()); // shown once
}

void TestDivisors::productsInTheTextsAreRight()
{
    // "24=2×2×2×3" and "2×2×3=12": every product written is worked out again.
    static const QRegularExpression product(u"(\\d+)=(\\d+(?:×\\d+)+)(?!\\d|[÷+\\-])|"
                                            u"(?<![\\d÷+\\-（）])(\\d+(?:×\\d+)+)=(\\d+)"_s);
    const QString all = texts::gcdConcept() + texts::lcmConcept() + texts::lcmExamples() +
                        texts::factorisationConcept() + shippedExamples() +
                        divisors::gcdWordProblemAnswer(7005) + divisors::gcdWordProblemAnswer(7006);
    int checked = 0;
    for (const QRegularExpressionMatch &m : product.globalMatch(all)) {
        const QString sum = m.captured(2).isEmpty() ? m.captured(3) : m.captured(2);
        qint64 value = 1;
        for (const QString &factor : sum.split(u'×'))
            value *= factor.toLongLong();
        const QString result = m.captured(2).isEmpty() ? m.captured(4) : m.captured(1);
        QVERIFY2(QString::number(value) == result, qPrintable(m.captured(0)));
        ++checked;
    }
    QVERIFY2(checked >= 80, qPrintable(QString::number(checked)));
}

QTEST_GUILESS_MAIN(TestDivisors)
#include "tst_divisors.moc"
