// The arithmetic level game in virtual time: the tests call the timer ticks
// and send the page's mouse events themselves.
#include "app/core/gamefamily.h"
#include "app/core/maincontroller.h"
#include "app/core/recordingview.h"
#include "content/programfiles.h"
#include "page/pagedocument.h"
#include "page/randomsource.h"
#include "page/settingsstore.h"

#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace quorvel;

namespace {

// The named elements of a page as the page script would report them.
PageDocument snapshotOf(const QString &html)
{
    QList<PageElement> elements;
    static const QRegularExpression tagPattern(u"<(input|span)([^>]*)>"_s);
    static const QRegularExpression attribute(u"(\\w+)(?:=(\\S+))?"_s);
    for (auto it = tagPattern.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        PageElement e;
        e.type = m.captured(1);
        for (auto a = attribute.globalMatch(m.captured(2)); a.hasNext();) {
            const QRegularExpressionMatch am = a.next();
            const QString name = am.captured(1);
            const QString value = am.captured(2);
            if (name == "name"_L1)
                e.name = value;
            else if (name == "id"_L1)
                e.id = value;
            else if (name == "type"_L1)
                e.type = value;
            else if (name == "tag"_L1)
                e.tag = value;
            else if (name == "checked"_L1)
                e.checked = true;
        }
        elements.append(e);
    }
    return PageDocument(elements);
}

struct Game
{
    Game()
    {
        // The game's clocks as they stand while a message box is open.
        view.onMessage = [this](const QString &) {
            clocksWhileMessageOpen = {questionTimer().isEnabled(), secondsTimer().isEnabled()};
        };
        files.addFile(u"help.htm"_s, "<html><body></body></html>");
        controller.start();
    }

    TimerControl &questionTimer() { return view.timer(TimerId::LevelQuestion); }
    TimerControl &secondsTimer() { return view.timer(TimerId::LevelSeconds); }
    LevelGame &game() { return controller.families().games->levelGame; }

    // A click on a page element: mouse down, then up.
    void click(const QString &name, PageDocument &page)
    {
        controller.pageEvent(u"mousedown"_s, name, page);
        controller.pageEvent(u"mouseup"_s, name, page);
    }

    // The choice of the question on screen that holds the answer.
    static QString rightChoice(const PageDocument &page)
    {
        const QString answer = page.find(u"answerguoguan"_s)->tag;
        for (int j = 1; j <= 4; ++j)
            if (page.find(u"R"_s + QString::number(j))->tag == answer)
                return u"R"_s + QString::number(j);
        return {};
    }

    void answerRight(PageDocument &page) { click(rightChoice(page), page); }

    // The edits made to the page on screen since its body was written.
    DomEdits editsOfThisPage() const
    {
        DomEdits edits;
        for (const DomEdit &e : view.main.edits) {
            if (e.kind == DomEdit::Kind::SetBody)
                edits.clear();
            edits.append(e);
        }
        return edits;
    }

    RecordingView view;
    MemoryProgramFiles files;
    MemorySettingsStore settings;
    SeededRandom random{3};
    MainWindowController controller{view, files, settings, random};
    QList<bool> clocksWhileMessageOpen;
};

} // namespace

class TestLevelGame : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void difficultyChoiceSetsTheQuestionClock();
    void questionPageFormat();
    void tenRightAnswersFinishTheLevel();
    void secondClickOnAChoiceRestarts();
    void missedQuestionRestarts();
    void rangesOfTheNextLevel_data();
    void rangesOfTheNextLevel();
    void productsStayWithinTheRange();
    void choicesNeverGoBelowZero();
    void countdownShowsTheSecondsLeft();
    void nodeClickStopsTheGame();
};

void TestLevelGame::difficultyChoiceSetsTheQuestionClock()
{
    Game g;
    g.controller.nodeClicked(u"q5111"_s);
    QCOMPARE(
        g.view.main.body,
        u"难度选择：<br><br>"
        u"<input type=radio name=n1 value=V2 tag=容易 "
        u"checked>初级算术魔法师：9秒一道题&nbsp;&nbsp;<br>"
        u"<input type=radio name=n2 value=V2 tag=中等>中级算术魔法师：7秒一道题&nbsp;&nbsp;<br>"
        u"<input type=radio name=n3 value=V2 tag=较难>高级算术魔法师：5秒一道题&nbsp;&nbsp;<br>"_s);

    PageDocument page = snapshotOf(g.view.main.body);
    g.click(u"n2"_s, page);
    QCOMPARE(g.game().milliseconds, 7000);
    QVERIFY(g.view.main.edits.contains(DomEdit::setChecked(u"n2"_s, true)));
    QVERIFY(g.view.main.edits.contains(DomEdit::setChecked(u"n1"_s, false)));

    // The start page of a kind: the block with 7 s checked and the start text.
    g.controller.nodeClicked(u"q511103"_s);
    QVERIFY(g.view.main.body.contains(u"name=n2 value=V2 tag=中等 checked>"_s));
    QVERIFY(g.view.main.body.endsWith(u"<br><br>7秒后开始算术闯关，做好准备哦。"_s));
    QVERIFY(g.questionTimer().isEnabled());
    QCOMPARE(g.questionTimer().interval(), 7000);
    QCOMPARE(g.game().range, 10);

    // Each next question comes 7 s later too.
    g.controller.tick(TimerId::LevelQuestion);
    QCOMPARE(g.questionTimer().interval(), 7000);
    QVERIFY(g.secondsTimer().isEnabled());
    QCOMPARE(g.game().countdown, 7);
}

void TestLevelGame::questionPageFormat()
{
    Game g;
    g.controller.nodeClicked(u"q511102"_s);
    g.controller.tick(TimerId::LevelQuestion);
    const QString page = g.view.main.body;
    static const QRegularExpression format(
        u"^第1关：<span id=spanguan></span><br><br>第1题：(\\d+)\\+(\\d+)= <input class=text "
        u"name=answerguoguan type=text size=7 tag=(\\d+)><br><br>"
        u"<input type=radio  name=R1 value=V1 tag=(-?\\d+)>\\4&nbsp;&nbsp;"
        u"<input type=radio name=R2 value=V1 tag=(-?\\d+)>\\5&nbsp;&nbsp;"
        u"<input type=radio name=R3 value=V1 tag=(-?\\d+)>\\6&nbsp;&nbsp;"
        u"<input type=radio name=R4 value=V1 tag=(-?\\d+)>\\7&nbsp;&nbsp;$"_s);
    const QRegularExpressionMatch m = format.match(page);
    QVERIFY2(m.hasMatch(), qPrintable(page));
    const int a = m.captured(1).toInt();
    const int b = m.captured(2).toInt();
    const int answer = m.captured(3).toInt();
    QCOMPARE(answer, a + b);
    QVERIFY(a >= 2 && a <= 9 && b >= 1 && b < a);
    // Four consecutive choices, one of them the answer.
    const int first = m.captured(4).toInt();
    for (int j = 0; j < 4; ++j)
        QCOMPARE(m.captured(4 + j).toInt(), first + j);
    QVERIFY(answer >= first && answer <= first + 3);
}

void TestLevelGame::tenRightAnswersFinishTheLevel()
{
    Game g;
    g.controller.nodeClicked(u"q511102"_s);
    for (int q = 1; q <= 10; ++q) {
        g.controller.tick(TimerId::LevelQuestion);
        QVERIFY(g.view.main.body.contains(u"第"_s + QString::number(q) + u"题："_s));
        // One progress star per right answer so far.
        const DomEdits edits = g.editsOfThisPage();
        QCOMPARE(int(std::count(edits.cbegin(), edits.cend(),
                                DomEdit::insertHtmlAfter(u"spanguan"_s, u"<img src=jindu.gif>"_s))),
                 q - 1);
        QCOMPARE(g.questionTimer().isEnabled(), q < 10); // no tick after the tenth
        PageDocument page = snapshotOf(g.view.main.body);
        g.answerRight(page);
        if (q < 10) {
            QVERIFY(g.view.main.edits.contains(
                DomEdit::insertTextAfter(u"answerguoguan"_s, QString::number(q * 10) + u"(√)"_s)));
            QVERIFY(g.view.messages.isEmpty());
        }
    }
    QCOMPARE(g.view.messages, QStringList{u"恭喜，你得到了100分，可以进入下一关了！"_s});
    QCOMPARE(g.view.main.body, u"做好准备！第 2关开始了！<br><br><img src=g1.gif>"_s);
    QCOMPARE(g.game().levels[LevelGame::Addition], 1);
    QCOMPARE(g.game().range, 20);
    QCOMPARE(g.game().score, 0);
    QVERIFY(g.questionTimer().isEnabled());
    QCOMPARE(g.questionTimer().interval(), 9000);

    // The next level's header counts on.
    g.controller.tick(TimerId::LevelQuestion);
    QVERIFY(g.view.main.body.startsWith(u"第2关："_s));
}

void TestLevelGame::secondClickOnAChoiceRestarts()
{
    Game g;
    g.controller.nodeClicked(u"q511104"_s);
    g.controller.tick(TimerId::LevelQuestion);
    PageDocument page = snapshotOf(g.view.main.body);
    const QString right = Game::rightChoice(page);
    g.click(right, page);
    QCOMPARE(g.game().score, 10);
    g.click(right, page); // the same right choice again
    QCOMPARE(g.view.messages, QStringList{u"你答错了，只好从头开始了！"_s});
    QVERIFY(g.view.main.edits.contains(DomEdit::insertTextAfter(u"answerguoguan"_s, u"(×)"_s)));
    QCOMPARE(g.view.main.body, u"做好准备！这次不要轻易出错了哦！"_s);
    QCOMPARE(g.game().score, 0);
    QCOMPARE(g.game().questionNo, 0);
    QVERIFY(g.questionTimer().isEnabled());
    QCOMPARE(g.questionTimer().interval(), 9000);
}

void TestLevelGame::missedQuestionRestarts()
{
    Game g;
    g.game().milliseconds = 5000;
    g.controller.nodeClicked(u"q511102"_s);
    for (int q = 1; q <= 8; ++q) {
        g.controller.tick(TimerId::LevelQuestion);
        PageDocument page = snapshotOf(g.view.main.body);
        g.answerRight(page);
    }
    g.controller.tick(TimerId::LevelQuestion); // the ninth is left unanswered
    QVERIFY(g.view.messages.isEmpty());
    g.controller.tick(TimerId::LevelQuestion); // the tick of the tenth restarts the level
    QCOMPARE(g.view.messages, QStringList{u"规定时间没有答出题，只好从头开始了！"_s});
    QCOMPARE(g.view.main.body, u"做好准备！这次不要轻易出错了哦！"_s);
    QCOMPARE(g.clocksWhileMessageOpen, QList<bool>({false, false}));
    QCOMPARE(g.game().questionNo, 0);
    // Questions keep coming, the first of them 9 s later.
    QVERIFY(g.questionTimer().isEnabled());
    QCOMPARE(g.questionTimer().interval(), 9000);
    QVERIFY(!g.secondsTimer().isEnabled());
    g.controller.tick(TimerId::LevelQuestion);
    QCOMPARE(g.game().questionNo, 1);
    QCOMPARE(g.questionTimer().interval(), 5000);
}

void TestLevelGame::rangesOfTheNextLevel_data()
{
    QTest::addColumn<QList<int>>("levelsBefore"); // +, −, ×, ÷ before the finished level
    QTest::addColumn<QString>("node");
    QTest::addColumn<int>("range");
    QTest::addColumn<QString>("trophies");
    QTest::newRow("addition 1") << QList<int>{0, 0, 0, 0} << u"q511102"_s << 20
                                << u"<br><br><img src=g1.gif>"_s;
    QTest::newRow("subtraction 2")
        << QList<int>{0, 1, 0, 0} << u"q511103"_s << 50 << u"<br><br><img src=g2.gif>"_s;
    QTest::newRow("addition 4") << QList<int>{3, 0, 0, 0} << u"q511102"_s << 200
                                << u"<br><br><img src=g3.gif>"_s;
    QTest::newRow("multiplication 1 overrides addition 1")
        << QList<int>{1, 0, 0, 0} << u"q511104"_s << 50 << u"<br><br><img src=g1.gif>"_s;
    QTest::newRow("division 2 overrides all") << QList<int>{4, 0, 1, 1} << u"q511105"_s << 81
                                              << u"<br><br><img src=g1.gif><br><br><img src=g2.gif>"
                                                 u"<br><br><img src=g3.gif>"_s;
    QTest::newRow("multiplication 3: no rule, the range stays")
        << QList<int>{0, 0, 2, 0} << u"q511104"_s << 31 << u"<br><br><img src=g3.gif>"_s;
}

void TestLevelGame::rangesOfTheNextLevel()
{
    QFETCH(QList<int>, levelsBefore);
    QFETCH(QString, node);
    QFETCH(int, range);
    QFETCH(QString, trophies);
    Game g;
    for (int k = 0; k < 4; ++k)
        g.game().levels[k] = levelsBefore[k];
    g.controller.nodeClicked(node);
    for (int q = 1; q <= 10; ++q) {
        g.controller.tick(TimerId::LevelQuestion);
        PageDocument page = snapshotOf(g.view.main.body);
        g.answerRight(page);
    }
    QCOMPARE(g.game().range, range);
    QVERIFY2(g.view.main.body.endsWith(u"关开始了！"_s + trophies), qPrintable(g.view.main.body));
}

void TestLevelGame::productsStayWithinTheRange()
{
    SeededRandom random(11);
    LevelGame game(random);
    game.kindCode = u"511104"_s;
    for (int range : {31, 50, 81}) {
        game.range = range;
        for (int level = 0; level < 200; ++level) {
            for (QString &keys : game.used)
                keys.clear();
            QStringList seen;
            for (int q = 0; q < 10; ++q) {
                const LevelGame::Question question = game.drawQuestion(LevelGame::Multiplication);
                QVERIFY(question.answer <= range);
                const QStringList factors = question.text.split(u'×');
                QCOMPARE(factors[0].toInt() * factors[1].toInt(), question.answer);
                QVERIFY(!seen.contains(question.text)); // no pair twice in a level
                seen.append(question.text);
            }
        }
    }
    // Division: the quotient is the answer.
    const LevelGame::Question division = game.drawQuestion(LevelGame::Division);
    const QStringList parts = division.text.split(u'÷');
    QCOMPARE(parts[0].toInt(), division.answer * parts[1].toInt());
}

void TestLevelGame::choicesNeverGoBelowZero()
{
    // Every offset of the window for the smallest answers of each kind.
    SeededRandom random(1);
    LevelGame game(random);
    for (const QString code : {u"511102"_s, u"511103"_s, u"511104"_s, u"511105"_s}) {
        game.kindCode = code;
        for (int answer = 0; answer <= 4; ++answer)
            for (int offset = 0; offset < 4; ++offset) {
                const PageDocument page = snapshotOf(game.questionPage({u"4÷4"_s, answer}, offset));
                QStringList choices;
                for (int j = 1; j <= 4; ++j) {
                    const QString tag = page.find(u"R"_s + QString::number(j))->tag;
                    QVERIFY2(tag.toInt() >= 0, qPrintable(code + u' ' + tag));
                    choices.append(tag);
                }
                QVERIFY(choices.contains(QString::number(answer)));
            }
    }
}

void TestLevelGame::countdownShowsTheSecondsLeft()
{
    Game g;
    g.game().milliseconds = 5000;
    g.controller.nodeClicked(u"q511102"_s);
    g.controller.tick(TimerId::LevelQuestion);
    QCOMPARE(g.game().countdown, 5);
    for (int left = 4; left >= 1; --left) {
        g.controller.tick(TimerId::LevelSeconds);
        QCOMPARE(g.view.main.edits.last(),
                 DomEdit::setInnerHtml(u"spanguan"_s, QString::number(left) + u"秒"_s));
    }
    g.controller.tick(TimerId::LevelSeconds);
    QVERIFY(!g.secondsTimer().isEnabled());
    QCOMPARE(g.game().countdown, 0);
}

void TestLevelGame::nodeClickStopsTheGame()
{
    Game g;
    g.controller.nodeClicked(u"q511102"_s);
    g.controller.tick(TimerId::LevelQuestion);
    g.controller.nodeClicked(u"q17"_s);
    QCOMPARE(g.game().kindCode, u"000"_s);
    QVERIFY(!g.secondsTimer().isEnabled());
    const QString drillPage = g.view.main.body;
    g.controller.tick(TimerId::LevelQuestion);
    QVERIFY(!g.questionTimer().isEnabled());
    QCOMPARE(g.view.main.body, drillPage);

    // The old question's choices no longer answer anything.
    PageDocument stale = snapshotOf(u"<input type=radio name=R1 value=V1 tag=3>"_s);
    g.click(u"R1"_s, stale);
    QVERIFY(g.view.messages.isEmpty());
}

QTEST_GUILESS_MAIN(TestLevelGame)
#include "tst_levelgame.moc"
