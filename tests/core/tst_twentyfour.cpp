// The 24-point solver and page: exact solution lists, the count over every
// ordered deal, the page and the reveal on submit, and the memory game's
// countdown in virtual time.
#include "app/core/maincontroller.h"
#include "app/core/recordingview.h"
#include "content/programfiles.h"
#include "controllerfixture.h"
#include "games/memorygame.h"
#include "games/twentyfour.h"
#include "page/pagedocument.h"
#include "page/randomsource.h"
#include "page/settingsstore.h"
#include "reference24.h"
#include "scriptedrandom.h"

#include <QRegularExpression>
#include <QTest>

#include <deque>

using namespace Qt::StringLiterals;
using namespace quorvel;

namespace {

struct Window : ControllerFixture<ScriptedRandom>
{
    Window() { onTab(u"T10"); }
};

} // namespace

class TestTwentyFour : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void exactSolutions_data();
    void exactSolutions();
    void everyOrderedDeal();
    void divisionByZeroIsAbsorbed();
    void pageAndReveal();
    void unsolvableDealsAreDealtAgain();
    void memoryCountdown_data();
    void memoryCountdown();
    void memoryCountdownStopsWithItsPage();
    void memorySubmit_data();
    void memorySubmit();
};

void TestTwentyFour::exactSolutions_data()
{
    QTest::addColumn<QList<int>>("deal");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("first");
    const QStringList eight = {u"(8/(3-(8/3)))"_s};
    QTest::newRow("3 3 8 8") << QList<int>{3, 3, 8, 8} << 1 << eight;
    QTest::newRow("8 3 8 3") << QList<int>{8, 3, 8, 3} << 1 << eight;
    QTest::newRow("8 8 3 3") << QList<int>{8, 8, 3, 3} << 1 << eight;
    QTest::newRow("3 8 3 8") << QList<int>{3, 8, 3, 8} << 1 << eight;
    QTest::newRow("6 6 6 6") << QList<int>{6, 6, 6, 6} << 4
                             << QStringList{u"(6+(6+(6+6)))"_s, u"(((6*6)-6)-6)"_s,
                                            u"((6+6)+(6+6))"_s, u"((6*6)-(6+6))"_s};
    QTest::newRow("4 4 10 10") << QList<int>{4, 4, 10, 10} << 1
                               << QStringList{u"(((10*10)-4)/4)"_s};
    QTest::newRow("5 5 5 1") << QList<int>{5, 5, 5, 1} << 1 << QStringList{u"(5*(5-(1/5)))"_s};
    QTest::newRow("1 2 3 4") << QList<int>{1, 2, 3, 4} << 45
                             << QStringList{u"(4*(3+(1+2)))"_s, u"(4*(3*(1*2)))"_s,
                                            u"(4*(3/(1/2)))"_s, u"(4/((1/2)/3))"_s};
    QTest::newRow("1 3 8 1: the largest list") << QList<int>{1, 3, 8, 1} << 82 << QStringList{};
    QTest::newRow("1 1 1 1") << QList<int>{1, 1, 1, 1} << 0 << QStringList{};
    QTest::newRow("1 1 2 7: only other pairings") << QList<int>{1, 1, 2, 7} << 0 << QStringList{};
    QTest::newRow("1 2 1 7") << QList<int>{1, 2, 1, 7} << 1 << QStringList{u"((1+2)*(1+7))"_s};
}

void TestTwentyFour::exactSolutions()
{
    QFETCH(QList<int>, deal);
    QFETCH(int, count);
    QFETCH(QStringList, first);
    const QStringList solutions = twentyfour::solve({deal[0], deal[1], deal[2], deal[3]});
    QCOMPARE(solutions.size(), count);
    QCOMPARE(solutions.mid(0, first.size()), first);
    QCOMPARE(QSet<QString>(solutions.cbegin(), solutions.cend()).size(), solutions.size());
}

void TestTwentyFour::everyOrderedDeal()
{
    int solvable = 0;
    qsizetype longest = 0;
    for (int a = 1; a <= 10; ++a)
        for (int b = 1; b <= 10; ++b)
            for (int c = 1; c <= 10; ++c)
                for (int d = 1; d <= 10; ++d) {
                    const QStringList solutions = twentyfour::solve({a, b, c, d});
                    solvable += !solutions.isEmpty();
                    longest = std::max(longest, solutions.size());
                    // The same lists, in the same order, as the plain way.
                    if ((a + b + c + d) % 7 == 0)
                        QCOMPARE(solutions, reference24::solve({a, b, c, d}));
                }
    QCOMPARE(solvable, 8402);
    QCOMPARE(longest, 82);
}

void TestTwentyFour::divisionByZeroIsAbsorbed()
{
    // 5/(3-3) is infinite; the solve goes on and finds the real solutions.
    const QStringList solutions = twentyfour::solve({3, 3, 5, 8});
    for (const QString &s : solutions)
        QVERIFY2(!s.contains(u"/(3-3)"_s), qPrintable(s));
    QVERIFY(twentyfour::countsAs24(8.0 / (3.0 - 8.0 / 3.0)));
    QVERIFY(!twentyfour::countsAs24(std::numeric_limits<double>::infinity()));
    QVERIFY(!twentyfour::countsAs24(std::numeric_limits<double>::quiet_NaN()));
    QVERIFY(!twentyfour::countsAs24(23.99));
}

void TestTwentyFour::pageAndReveal()
{
    Window w;
    // Deal 3, 8, 3, 8 of suit 2.
    for (int value : {3, 8, 3, 8})
        w.random.push(value, 10, 1);
    w.random.push(2, 4, 1);
    w.controller.nodeClicked(u"q61"_s);
    QCOMPARE(w.view.main.body,
             u"<img src=24/3b.gif><img src=24/8b.gif><br><img src=24/3b.gif><img src=24/8b.gif>"
             u"<br><br>一共有1种答案！<br>1：<input class=text name=answer1 type=text size=27 "
             u"tag=(8/(3-(8/3)))><br>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;"
             u"&nbsp; <input class=button name=finish type=button size=7 value=提交答案 tag=十>"
             u"<br><br>"_s);

    for (int i = 0; i < 42; ++i)
        w.controller.tickPageSeconds();
    PageDocument page({{u"answer1"_s, {}, u"text"_s, u"(8/(3-(8/3)))"_s, u"(8/(3-(8/3)))"_s},
                       {u"finish"_s, {}, u"button"_s, u"提交答案"_s, u"十"_s}});
    w.controller.pageEvent(u"click"_s, u"finish"_s, page);
    QCOMPARE(w.view.main.edits.last(),
             DomEdit::insertHtmlAfter(u"finish"_s,
                                      u"<br>全部答案：<br>(8/(3-(8/3)))<br>思考时间：42秒！"_s));
    QVERIFY(!w.controller.state.pageGradable);
    QVERIFY(!w.view.timer(TimerId::PageSeconds).isEnabled());
    QCOMPARE(w.controller.medalCount(), 0); // no marks, no score, no medal

    const qsizetype edits = w.view.main.edits.size();
    w.controller.pageEvent(u"click"_s, u"finish"_s, page);
    QCOMPARE(w.view.main.edits.size(), edits);

    // A student is refused, the page stays as it is.
    w.controller.accounts().confirmLogin(u"wrong"_s);
    w.controller.accounts().Password = u"x"_s;
    w.controller.nodeClicked(u"q61"_s);
    w.view.messages.clear();
    w.controller.pageEvent(u"click"_s, u"finish"_s, page);
    QCOMPARE(w.view.messages, QStringList{u"你的密码不对，不能查看答案！请向高级用户咨询密码！"_s});
    QVERIFY(w.controller.state.pageGradable);
}

void TestTwentyFour::unsolvableDealsAreDealtAgain()
{
    Window w;
    for (int value : {1, 1, 2, 7})
        w.random.push(value, 10, 1);
    w.random.push(1, 4, 1);
    for (int value : {1, 2, 1, 7})
        w.random.push(value, 10, 1);
    w.random.push(4, 4, 1);
    w.controller.nodeClicked(u"q61"_s);
    QVERIFY(w.view.main.body.startsWith(u"<img src=24/1d.gif><img src=24/2d.gif><br>"_s));
    QVERIFY(w.view.main.body.contains(u"一共有1种答案！"_s));
}

void TestTwentyFour::memoryCountdown_data()
{
    QTest::addColumn<int>("seconds");
    QTest::newRow("3 seconds") << 3;
    QTest::newRow("5 seconds") << 5;
    QTest::newRow("8 seconds") << 8;
}

void TestTwentyFour::memoryCountdown()
{
    QFETCH(int, seconds);
    Window w;
    w.controller.applyOptions(10, seconds, 1);
    w.controller.nodeClicked(u"q62"_s);
    const QString shown = QString::number(seconds);
    QVERIFY(w.view.main.body.startsWith(u"你有"_s + shown +
                                        u"秒记忆下面的牌：<input class=text name=miao type=text "
                                        u"size=27 value="_s +
                                        shown + u"><br><br><a name=img8>"_s));
    QVERIFY(w.view.timer(TimerId::MemoryGame).isEnabled());
    for (int left = seconds - 1; left >= 0; --left) {
        w.controller.tick(TimerId::MemoryGame);
        QVERIFY(w.view.main.edits.contains(DomEdit::setValue(u"miao"_s, QString::number(left))));
        QCOMPARE(w.view.timer(TimerId::MemoryGame).isEnabled(), left > 0);
    }
    QCOMPARE(w.view.main.edits.last(),
             DomEdit::setInnerHtml(u"img8"_s, u"<img src=24/pp.gif>"_s.repeated(8)));

    // A new page starts again from the full time.
    w.controller.nodeClicked(u"q62"_s);
    w.controller.tick(TimerId::MemoryGame);
    QCOMPARE(w.view.main.edits.last(), DomEdit::setValue(u"miao"_s, QString::number(seconds - 1)));
}

void TestTwentyFour::memoryCountdownStopsWithItsPage()
{
    Window w;
    w.controller.nodeClicked(u"q62"_s);
    w.controller.tick(TimerId::MemoryGame);
    w.controller.toolbarClicked(u"w9"_s); // the medal page replaces it
    QVERIFY(w.view.timer(TimerId::MemoryGame).isEnabled());
    const qsizetype edits = w.view.main.edits.size();
    w.controller.tick(TimerId::MemoryGame);
    QVERIFY(!w.view.timer(TimerId::MemoryGame).isEnabled());
    QCOMPARE(w.view.main.edits.size(), edits);

    // Leaving after two seconds: the game opened again starts at 5.
    w.controller.nodeClicked(u"q62"_s);
    w.controller.tick(TimerId::MemoryGame);
    w.controller.tick(TimerId::MemoryGame);
    w.controller.nodeClicked(u"q61"_s);
    QVERIFY(!w.view.timer(TimerId::MemoryGame).isEnabled());
    w.controller.nodeClicked(u"q62"_s);
    QVERIFY(w.view.main.body.contains(u"value=5>"_s));
    w.controller.tick(TimerId::MemoryGame);
    QCOMPARE(w.view.main.edits.last(), DomEdit::setValue(u"miao"_s, u"4"_s));
}

void TestTwentyFour::memorySubmit_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("mark");
    QTest::newRow("right") << u"1037591210"_s << u"(√)"_s;
    QTest::newRow("with spaces") << u"10 3 7 5 9 1 2 10"_s << u"(×)"_s;
    QTest::newRow("full-width digits") << u"１０３７５９１２１０"_s << u"(×)"_s;
    QTest::newRow("empty") << QString() << u"(×)"_s;
}

void TestTwentyFour::memorySubmit()
{
    QFETCH(QString, typed);
    QFETCH(QString, mark);
    Window w;
    for (int value : {10, 3, 7, 5, 9, 1, 2, 10}) {
        w.random.push(value, 10, 1);
        w.random.push(1, 4, 1);
    }
    w.controller.nodeClicked(u"q62"_s);
    QVERIFY(w.view.main.body.contains(u"name=answer type=text size=27 tag=1037591210>"_s));
    QVERIFY(w.view.main.body.endsWith(
        u"tag=1037591210><br><br>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;"
        u" "
        u"<input class=button name=finish type=button size=7 value=提交答案 tag=十><br><br>"_s));
    for (int i = 0; i < 9; ++i)
        w.controller.tickPageSeconds();

    PageDocument page({{u"answer"_s, {}, u"text"_s, typed, u"1037591210"_s},
                       {u"finish"_s, {}, u"button"_s, u"提交答案"_s, u"十"_s}});
    w.controller.pageEvent(u"click"_s, u"finish"_s, page);
    const DomEdits &edits = w.view.main.edits;
    QCOMPARE(edits.at(edits.size() - 2),
             DomEdit::insertHtmlAfter(u"finish"_s, u"<br>正确答案:<br>1037591210，用时9秒！"_s));
    QCOMPARE(edits.last(), DomEdit::insertTextAfter(u"answer"_s, mark));
    QVERIFY(!w.controller.state.pageGradable);
}

QTEST_GUILESS_MAIN(TestTwentyFour)
#include "tst_twentyfour.moc"
