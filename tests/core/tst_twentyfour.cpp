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
    void typedAnswersAreChecked_data();
    void typedAnswersAreChecked();
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
    QTest::addColumn<QStringList>("answers");
    const QStringList eight = {u"8÷(3−8÷3)"_s};
    QTest::newRow("3 3 8 8") << QList<int>{3, 3, 8, 8} << eight;
    QTest::newRow("8 3 8 3: any order of the cards") << QList<int>{8, 3, 8, 3} << eight;
    // Both pairings of 2, 3, 7, 8, found whatever the order of the cards.
    const QStringList twoThreeSevenEight = {u"(2+7)×8÷3"_s,   u"(2+7)÷(3÷8)"_s, u"(2+7)÷3×8"_s,
                                            u"(2−8)×(3−7)"_s, u"(7+8−3)×2"_s,   u"(7−(3−8))×2"_s,
                                            u"(7−3)×(8−2)"_s, u"(7−3+8)×2"_s,   u"(8−(3−7))×2"_s,
                                            u"(8−3+7)×2"_s,   u"8÷(3÷(2+7))"_s, u"8÷(7÷3−2)"_s};
    QTest::newRow("2 3 8 7") << QList<int>{2, 3, 8, 7} << twoThreeSevenEight;
    QTest::newRow("7 8 2 3") << QList<int>{7, 8, 2, 3} << twoThreeSevenEight;
    // A sum is one answer however its terms are ordered and grouped.
    QTest::newRow("4 6 8 6") << QList<int>{4, 6, 8, 6}
                             << QStringList{u"(4−6÷6)×8"_s, u"(6+6)×8÷4"_s,   u"(6+6)÷(4÷8)"_s,
                                            u"(6+6)÷4×8"_s, u"(6−8÷4)×6"_s,   u"4+6+6+8"_s,
                                            u"6×6−(4+8)"_s, u"6×6−4−8"_s,     u"6×6−8−4"_s,
                                            u"6×8÷(6−4)"_s, u"6×8−4×6"_s,     u"6÷((6−4)÷8)"_s,
                                            u"6÷(6−4)×8"_s, u"8÷((6−4)÷6)"_s, u"8÷(4÷(6+6))"_s,
                                            u"8÷(6−4)×6"_s};
    QTest::newRow("1 1 2 7: the other pairing")
        << QList<int>{1, 1, 2, 7} << QStringList{u"(1+2)×(1+7)"_s};
    QTest::newRow("1 1 1 1") << QList<int>{1, 1, 1, 1} << QStringList{};
    QTest::newRow("5 5 5 1") << QList<int>{5, 5, 5, 1} << QStringList{u"(5−1÷5)×5"_s};
}

void TestTwentyFour::exactSolutions()
{
    QFETCH(QList<int>, deal);
    QFETCH(QStringList, answers);
    const twentyfour::Deal cards{deal[0], deal[1], deal[2], deal[3]};
    QCOMPARE(twentyfour::solve(cards), answers);
    // Every answer is one a child could type and have accepted.
    for (const QString &answer : answers)
        QVERIFY2(twentyfour::isSolution(answer, cards), qPrintable(answer));
}

void TestTwentyFour::everyOrderedDeal()
{
    int solvable = 0;
    for (int a = 1; a <= 10; ++a)
        for (int b = 1; b <= 10; ++b)
            for (int c = 1; c <= 10; ++c)
                for (int d = 1; d <= 10; ++d) {
                    const bool found = !twentyfour::solve({a, b, c, d}).isEmpty();
                    solvable += found;
                    // The search of every shape agrees, set by set of cards.
                    if (a <= b && b <= c && c <= d)
                        QCOMPARE(found, reference24::makes24({a, b, c, d}));
                }
    QCOMPARE(solvable, 8558); // the old search of two shapes found 8402
}

void TestTwentyFour::typedAnswersAreChecked_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("right");
    QTest::newRow("the program's form") << u"(8−2)×(7−3)"_s << true;
    QTest::newRow("another order") << u"(7-3)*(8-2)"_s << true;
    QTest::newRow("full-width") << u"（８－２）×（７－３）"_s << true;
    QTest::newRow("spaces and brackets of another kind") << u"[8 - 2] * [7 - 3]"_s << true;
    QTest::newRow("a card twice") << u"8*3"_s << false;
    QTest::newRow("24 from other numbers") << u"(8-2)*4*1"_s << false;
    QTest::newRow("not 24") << u"8+2+7+3"_s << false;
    QTest::newRow("letters") << u"2x3x8x7"_s << false;
    QTest::newRow("a percent") << u"(8-2)*(7-3)%"_s << false;
}

void TestTwentyFour::typedAnswersAreChecked()
{
    QFETCH(QString, typed);
    QFETCH(bool, right);
    QCOMPARE(twentyfour::isSolution(typed, {2, 3, 8, 7}), right);
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
             u"tag=8÷(3−8÷3)><br>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;"
             u"&nbsp; <input class=button name=finish type=button size=7 value=提交答案 tag=十>"
             u"<br><br>"_s);

    for (int i = 0; i < 42; ++i)
        w.controller.tickPageSeconds();
    // The box the child filled is checked; the reveal lists every answer.
    PageDocument page({{u"answer1"_s, {}, u"text"_s, u"8/(3-8/3)"_s, u"8÷(3−8÷3)"_s},
                       {u"finish"_s, {}, u"button"_s, u"提交答案"_s, u"十"_s}});
    w.view.main.edits.clear();
    w.controller.pageEvent(u"click"_s, u"finish"_s, page);
    QCOMPARE(marksOnly(w.view.main.edits),
             (DomEdits{DomEdit::insertTextAfter(u"answer1"_s, u"(√)"_s),
                       DomEdit::insertHtmlAfter(
                           u"finish"_s, u"<br>全部答案：<br>8÷(3−8÷3)<br>思考时间：42秒！"_s)}));
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
    for (int value : {1, 1, 1, 1})
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
    // Read as every answer is: spaces dropped, full-width digits folded.
    QTest::newRow("with spaces") << u"10 3 7 5 9 1 2 10"_s << u"(√)"_s;
    QTest::newRow("full-width digits") << u"１０３７５９１２１０"_s << u"(√)"_s;
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
    const DomEdits edits = marksOnly(w.view.main.edits);
    QCOMPARE(edits.at(edits.size() - 2),
             DomEdit::insertHtmlAfter(u"finish"_s, u"<br>正确答案:<br>1037591210，用时9秒！"_s));
    QCOMPARE(edits.last(), DomEdit::insertTextAfter(u"answer"_s, mark));
    QVERIFY(!w.controller.state.pageGradable);
}

QTEST_GUILESS_MAIN(TestTwentyFour)
#include "tst_twentyfour.moc"
