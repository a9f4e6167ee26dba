// Whole scenarios of the main window without a display: start-up, tab
// changes, node clicks and their dispatch, the page start, the seconds in the
// status bar.
#include "app/core/catalogue.h"
#include "app/core/gamefamily.h"
#include "app/core/maincontroller.h"
#include "app/core/recordingview.h"
#include "content/programfiles.h"
#include "content/storedtexts.h"
#include "page/randomsource.h"
#include "page/settingsstore.h"

#include <QRegularExpression>
#include <QTest>
#include <algorithm>

using namespace Qt::StringLiterals;
using namespace quorvel;

namespace {

int tabIndex(const QString &key)
{
    const auto &tabs = catalogue::tabs();
    for (int i = 0; i < tabs.size(); ++i)
        if (tabs[i].key == key)
            return i;
    return -1;
}

int countItems(const QString &page)
{
    static const QRegularExpression box(u"name=answer\\d+ "_s);
    return int(page.count(box));
}

struct Fixture
{
    explicit Fixture(quint64 seed = 7) : random(seed)
    {
        files.addFile(u"help.htm"_s, "<html><body></body></html>");
    }

    MainWindowController &make()
    {
        controller = std::make_unique<MainWindowController>(view, files, settings, random);
        return *controller;
    }

    RecordingView view;
    MemoryProgramFiles files;
    MemorySettingsStore settings;
    SeededRandom random;
    std::unique_ptr<MainWindowController> controller;
};

const QString medalRule = u"每当你得到一个100分的时候，就会得到一块奖牌。<br>"_s;

} // namespace

Q_DECLARE_METATYPE(quorvel::Options)

class TestMainController : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startUpOrderAndDefaults();
    void medalCountAtStart_data();
    void medalCountAtStart();
    void introductionHalfASecondLater();
    void nodeClickStartsATimedPage();
    void tenRangeLimitsFiftyItemsToTwenty();
    void arithmeticGroupShowsItsNote_data();
    void arithmeticGroupShowsItsNote();
    void otherGroupsClearOrKeepThePane();
    void decimalTabGivesDecimalPages();
    void everyNodeRunsTheHandlerOfItsRoute();
    void dollarNodesRunTheIntervalHandlerFirst();
    void handlerThatLoadsAFileKeepsItShown();
    void storedOptions_data();
    void storedOptions();
    void tabChangeRebuildsAndShowsMedals();
    void toolbarTextCommands();
    void missingProgramFilesAreNamedOnce();
};

void TestMainController::startUpOrderAndDefaults()
{
    Fixture f;
    MainWindowController &c = f.make();
    c.state.defaultTiCount = 50;
    int itemsSeenByLogin = -1;
    c.loginHook = [&] { itemsSeenByLogin = c.state.defaultTiCount; };
    c.start();

    QCOMPARE(itemsSeenByLogin, 50); // the login runs before the defaults are set
    QCOMPARE(c.state.defaultTiCount, 10);
    QCOMPARE(c.state.YouXiMiao, 5);
    QCOMPARE(c.state.XiaoShuWeiShu, 1);
    QCOMPARE(c.families().games->levelGame.milliseconds, 9000);
    QCOMPARE(f.view.main.navigations, QStringList{f.files.absolutePath(u"help.htm"_s)});

    // The initial tree: tab "加减乘除" with the start-up division captions.
    QCOMPARE(c.tabCaption(), u"加减乘除"_s);
    QCOMPARE(f.view.shownTree.find(u"q46"_s)->caption, u"10000以内除法"_s);
    QCOMPARE(f.view.shownTree.expandedKeys(),
             (QStringList{u"q1"_s, u"q2"_s, u"q3"_s, u"q4"_s, u"q5111"_s}));
    QCOMPARE(f.view.selectedKey, u"q1"_s);
    QCOMPARE(c.selectedKey(), u"q1"_s);

    QVERIFY(f.view.timer(TimerId::Introduction).isEnabled());
    QVERIFY(!f.view.timer(TimerId::PageSeconds).isEnabled());
    QVERIFY(f.view.statusText.isEmpty()); // nothing counted before the first click
}

void TestMainController::medalCountAtStart_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("count");
    QTest::newRow("missing") << QString() << 0;
    QTest::newRow("empty") << u""_s << 0;
    QTest::newRow("not a number") << u"abc"_s << 0;
    QTest::newRow("negative") << u"-4"_s << 0;
    QTest::newRow("three") << u"3"_s << 3;
    QTest::newRow("leading digits") << u"12块"_s << 12;
}

void TestMainController::medalCountAtStart()
{
    QFETCH(QString, stored);
    QFETCH(int, count);
    Fixture f;
    if (!stored.isNull())
        f.settings.write(u"mbqzt"_s, u"jb"_s, u"num"_s, stored);
    MainWindowController &c = f.make();
    c.start();
    QCOMPARE(c.medalCount(), count);
}

void TestMainController::introductionHalfASecondLater()
{
    Fixture f;
    MainWindowController &c = f.make();
    c.start();
    c.tickIntroduction();
    QVERIFY(!f.view.timer(TimerId::Introduction).isEnabled());

    QString expected = texts::introduction();
    QVERIFY(expected.contains(u"\r\n"_s));
    expected.replace(u"\r\n"_s, u"<br>"_s);
    QCOMPARE(f.view.main.body, expected);
}

void TestMainController::nodeClickStartsATimedPage()
{
    Fixture f;
    MainWindowController &c = f.make();
    c.start();
    f.view.timer(TimerId::MemoryGame).setEnabled(true);
    f.view.timer(TimerId::LevelSeconds).setEnabled(true);
    c.families().explanations->choiceCorrect = c.families().explanations->choiceMade = true;
    c.families().games->levelGame.kindCode = u"511102"_s;
    f.view.front = PaneId::Clock;

    c.nodeClicked(u"q17"_s);
    QVERIFY(f.view.timer(TimerId::PageSeconds).isEnabled());
    QVERIFY(!f.view.timer(TimerId::MemoryGame).isEnabled());
    QVERIFY(!f.view.timer(TimerId::LevelSeconds).isEnabled());
    QVERIFY(!c.families().explanations->choiceCorrect && !c.families().explanations->choiceMade);
    QVERIFY(c.state.pageGradable);
    QCOMPARE(c.families().games->levelGame.kindCode, u"000"_s);
    QCOMPARE(f.view.front, PaneId::Main);
    QCOMPARE(c.state.elapsedSeconds, 0);
    QCOMPARE(countItems(f.view.main.body), 10);
    QCOMPARE(c.state.pageItemCount, 10);
    QVERIFY(f.view.main.body.startsWith(u"第1题："_s));

    c.tickPageSeconds();
    QCOMPARE(f.view.statusText, u"1秒"_s);
    for (int i = 0; i < 11; ++i)
        c.tickPageSeconds();
    QCOMPARE(f.view.statusText, u"12秒"_s);

    // A new click counts from zero again.
    c.nodeClicked(u"q13"_s);
    QCOMPARE(c.state.elapsedSeconds, 0);
    c.tickPageSeconds();
    QCOMPARE(f.view.statusText, u"1秒"_s);
}

void TestMainController::tenRangeLimitsFiftyItemsToTwenty()
{
    Fixture f;
    MainWindowController &c = f.make();
    c.start();
    c.state.defaultTiCount = 50;
    c.nodeClicked(u"q13"_s);
    QCOMPARE(countItems(f.view.main.body), 50);

    c.nodeClicked(u"q11"_s);
    QCOMPARE(countItems(f.view.main.body), 20);
    QCOMPARE(c.state.defaultTiCount, 20);
    QCOMPARE(c.state.pageItemCount, 20);

    // It stays 20 for the pages after it.
    c.nodeClicked(u"q13"_s);
    QCOMPARE(countItems(f.view.main.body), 20);
    c.nodeClicked(u"q21"_s);
    QCOMPARE(countItems(f.view.main.body), 20);
}

void TestMainController::arithmeticGroupShowsItsNote_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("note");
    const QString hint = u"<br>点击工具栏上的“竖式”按钮，出题形式就是以竖式形式出现！"
                         u"<br>点击工具栏上的“最大”按钮，出题形式就是以不等式形式出现！"_s;
    QTest::newRow("addition") << u"q1"_s << u"加法题!"_s + hint;
    QTest::newRow("subtraction") << u"q2"_s << u"减法题!"_s + hint;
    QTest::newRow("multiplication") << u"q3"_s << u"乘法题!"_s;
    QTest::newRow("division") << u"q4"_s << u"除法题!"_s;
}

void TestMainController::arithmeticGroupShowsItsNote()
{
    QFETCH(QString, key);
    QFETCH(QString, note);
    Fixture f;
    MainWindowController &c = f.make();
    c.start();
    c.nodeClicked(u"q17"_s);
    c.nodeClicked(key);
    QCOMPARE(f.view.main.body, note);
    // The page timer runs and the page counts as gradable, though it has no
    // submit button.
    QVERIFY(f.view.timer(TimerId::PageSeconds).isEnabled());
    QVERIFY(c.state.pageGradable);
}

void TestMainController::otherGroupsClearOrKeepThePane()
{
    Fixture f;
    MainWindowController &c = f.make();
    c.start();

    // "$7" has no route: the pane is cleared.
    c.selectTab(tabIndex(u"T2"_s));
    f.view.main.body = u"old page"_s;
    c.nodeClicked(u"q7"_s);
    QCOMPARE(f.view.main.body, QString());

    // "{q8888700" reads as number 0: the pane keeps what it shows.
    c.selectTab(tabIndex(u"T9"_s));
    f.view.main.body = u"old page"_s;
    const qsizetype editsBefore = f.view.main.edits.size();
    c.nodeClicked(u"q8888700"_s);
    QCOMPARE(f.view.main.body, u"old page"_s);
    QCOMPARE(f.view.main.edits.size(), editsBefore);
    QVERIFY(c.state.pageGradable);
}

void TestMainController::decimalTabGivesDecimalPages()
{
    Fixture f;
    MainWindowController &c = f.make();
    c.start();
    c.nodeClicked(u"q11"_s);
    const QString integerPage = f.view.main.body;
    QVERIFY(!integerPage.contains(u'.'));

    c.selectTab(tabIndex(u"T3"_s));
    c.nodeClicked(u"q11"_s);
    const QString decimalPage = f.view.main.body;
    static const QRegularExpression decimalItem(u"第1题：\\d+\\.\\d\\+\\d+(\\.\\d)?="_s);
    QVERIFY2(decimalItem.match(decimalPage).hasMatch(), qPrintable(decimalPage.left(80)));

    // The display mode never changes decimal pages.
    f.view.mode = DisplayMode::Column;
    c.nodeClicked(u"q21"_s);
    QVERIFY(!f.view.main.body.contains(u"---------"_s));
}

void TestMainController::everyNodeRunsTheHandlerOfItsRoute()
{
    Fixture f;
    MainWindowController &c = f.make();
    QList<Route> ran;
    for (int r = int(Route::None) + 1; r <= int(Route::TimeInterval); ++r) {
        const Route route = Route(r);
        c.registry().onNode(route, [&ran, route](NodeClick &d) {
            ran.append(route);
            d.page.text = u"page of "_s + QString::number(int(route));
        });
    }
    c.start();

    int checked = 0;
    for (int t = 0; t < catalogue::tabs().size(); ++t) {
        c.selectTab(t);
        const QList<TopicNode> nodes = c.tree().nodes();
        for (const TopicNode &node : nodes) {
            ran.clear();
            c.nodeClicked(node.key);
            const SplitTag tag = splitTag(node.tag);
            QList<Route> expected;
            if (tag.number != 0) {
                if (tag.family == u'$')
                    expected.append(Route::TimeInterval);
                if (const Route route = routeFor(tag.family, tag.number); route != Route::None)
                    expected.append(route);
            }
            // Not QList's ==: Qt 6.4 hands memcmp a null pointer for two
            // empty lists, which the sanitizer build stops on.
            QVERIFY2(std::ranges::equal(ran, expected), qPrintable(node.key + u' ' + node.tag));
            ++checked;
        }
    }
    QVERIFY(checked > 900);
}

void TestMainController::dollarNodesRunTheIntervalHandlerFirst()
{
    Fixture f;
    MainWindowController &c = f.make();
    QStringList order;
    c.registry().onNode(Route::TimeInterval, [&](NodeClick &d) {
        order.append(u"interval"_s);
        d.page.text = d.number == 7797701 ? u"interval page"_s : QString();
    });
    c.registry().onNode(Route::Money, [&](NodeClick &d) {
        order.append(u"money"_s);
        d.page.text = u"money page"_s;
    });
    c.start();
    c.selectTab(tabIndex(u"T2"_s));

    c.nodeClicked(u"q7899703"_s);
    QCOMPARE(order, (QStringList{u"interval"_s, u"money"_s}));
    QCOMPARE(f.view.main.body, u"money page"_s);

    order.clear();
    c.nodeClicked(u"q7797701"_s);
    QCOMPARE(order, QStringList{u"interval"_s});
    QCOMPARE(f.view.main.body, u"interval page"_s);
}

void TestMainController::handlerThatLoadsAFileKeepsItShown()
{
    Fixture f;
    MainWindowController &c = f.make();
    c.registry().onNode(Route::QuestionBank,
                        [&](NodeClick &) { c.context().navigate(PaneId::Main, u"help.htm"_s); });
    c.registry().onNode(Route::GameFilePage, [&](NodeClick &) {
        f.view.bringToFront(PaneId::Second);
        c.context().navigate(PaneId::Second, u"flash/game.htm"_s);
    });
    f.files.addFile(u"zimu/tk.txt"_s, "tk000.htm>一、计算专题<\r\ntk001.htm>巧算<\r\n");
    c.start();

    c.selectTab(tabIndex(u"T16"_s));
    f.view.main.edits.clear();
    c.nodeClicked(u"q86389001"_s);
    QCOMPARE(f.view.main.loadedFile, f.files.absolutePath(u"help.htm"_s));
    QVERIFY(f.view.main.edits.isEmpty()); // no empty page written over it

    // A file shown in the second pane: the main pane is cleared behind it.
    c.selectTab(tabIndex(u"T10"_s));
    f.view.main.body = u"old"_s;
    c.nodeClicked(u"q63"_s);
    QCOMPARE(f.view.front, PaneId::Second);
    QCOMPARE(f.view.second.loadedFile, f.files.absolutePath(u"flash/game.htm"_s));
    QCOMPARE(f.view.main.body, QString());

    // A tab change writes the medal page into the main pane and shows it.
    c.selectTab(tabIndex(u"T2"_s));
    QCOMPARE(f.view.front, PaneId::Main);
}

void TestMainController::storedOptions_data()
{
    QTest::addColumn<QStringList>("stored"); // items, memory seconds, places
    QTest::addColumn<Options>("expected");
    QTest::newRow("none") << QStringList() << Options{};
    QTest::newRow("chosen") << QStringList{u"20"_s, u"8"_s, u"4"_s} << Options{20, 8, 4};
    QTest::newRow("not offered") << QStringList{u"30"_s, u"0"_s, u"5"_s} << Options{};
    QTest::newRow("not numbers") << QStringList{u"二十"_s, u""_s, u"1.5"_s} << Options{};
}

void TestMainController::storedOptions()
{
    QFETCH(QStringList, stored);
    QFETCH(Options, expected);
    Fixture f;
    const QStringList keys{u"items"_s, u"memorySeconds"_s, u"decimalPlaces"_s};
    for (qsizetype i = 0; i < stored.size(); ++i)
        f.settings.write(u"mbqzt"_s, u"options"_s, keys[i], stored[i]);
    MainWindowController &c = f.make();
    c.start();
    QCOMPARE(c.chosenOptions(), expected);
    QCOMPARE(c.state.defaultTiCount, expected.itemsPerPage);
}

void TestMainController::tabChangeRebuildsAndShowsMedals()
{
    Fixture f;
    f.settings.write(u"mbqzt"_s, u"jb"_s, u"num"_s, u"1"_s);
    f.settings.write(u"mbqzt"_s, u"jb"_s, u"第1个"_s,
                     u"加法/10以内加法-->用时35秒！-->2026/12/9"_s);
    MainWindowController &c = f.make();
    c.start();
    c.nodeClicked(u"q17"_s);
    f.view.timer(TimerId::MemoryGame).setEnabled(true);
    QVERIFY(c.context().fillGroupOnce(u"q5"_s, {}));
    QVERIFY(!c.context().fillGroupOnce(u"q5"_s, {}));
    f.view.main.navigations.clear();

    c.selectTab(tabIndex(u"T12"_s));
    QVERIFY(!f.view.timer(TimerId::MemoryGame).isEnabled());
    QVERIFY(f.view.timer(TimerId::PageSeconds).isEnabled()); // only the memory game stops
    QVERIFY(c.context().fillGroupOnce(u"q5"_s, {}));         // filled once again in the new tree
    QCOMPARE(f.view.main.navigations, QStringList{f.files.absolutePath(u"help.htm"_s)});
    QCOMPARE(f.view.main.body,
             medalRule + u"你现在已经得到了1块奖牌<br><table><tr><td valign=center>第1块： </td>"
                         u"<td valign=center><img src=zimu\\jb.gif></td><td valign=center> "
                         u"加法/10以内加法-->用时35秒！-->2026/12/9</td></tr></table>"_s);
    QCOMPARE(c.tabCaption(), u"智力题"_s);
    QCOMPARE(f.view.shownTree.childKeys(u"q53565"_s).size(), 172);

    // Twice: still 86 questions and 86 answers.
    c.selectTab(tabIndex(u"T12"_s));
    QCOMPARE(c.tree().childKeys(u"q53565"_s).size(), 172);
    QVERIFY(c.tree().find(u"q17"_s) == nullptr);
}

void TestMainController::toolbarTextCommands()
{
    Fixture f;
    MainWindowController &c = f.make();
    c.start();
    c.nodeClicked(u"q17"_s);

    c.toolbarClicked(u"w7"_s);
    QCOMPARE(f.view.main.body, u"竖式只针对整数的加减！"_s);
    QVERIFY(f.view.timer(TimerId::PageSeconds).isEnabled()); // the page timer keeps running
    c.toolbarClicked(u"w8"_s);
    QCOMPARE(f.view.main.body, u"填入使这个不等式成立的最大整数！"_s);
    c.toolbarClicked(u"w9"_s);
    QCOMPARE(f.view.main.body, medalRule);

    const QString before = f.view.main.body;
    c.toolbarClicked(u"w6"_s);
    QCOMPARE(f.view.main.body, before);

    f.view.front = PaneId::Clock;
    c.toolbarClicked(u"w3"_s);
    QCOMPARE(f.view.front, PaneId::Main);
    QVERIFY(f.view.main.body.contains(u"<br>"_s));
}

void TestMainController::missingProgramFilesAreNamedOnce()
{
    Fixture f;
    for (const char *name :
         {"1.txt", "2.txt", "3.txt", "5.txt", "6.txt", "zimu/3aoshulesson.txt",
          "zimu/4aoshulesson.txt", "zimu/5aoshulesson.txt", "zimu/6aoshulesson.txt", "zimu/tk.txt"})
        f.files.addFile(QString::fromLatin1(name), "x\r\n");
    MainWindowController &c = f.make();
    c.start();
    c.tellMissingProgramFiles();
    QCOMPARE(f.view.messages.size(), 1);
    QVERIFY(f.view.messages[0].contains(u"找不到这些文件：4.txt。"_s));
    QVERIFY(f.view.messages[0].contains(u"/program/"_s)); // the folder it looked in

    f.files.addFile(u"4.txt"_s, "x\r\n");
    f.view.messages.clear();
    c.tellMissingProgramFiles();
    QVERIFY(f.view.messages.isEmpty());
}

QTEST_GUILESS_MAIN(TestMainController)
#include "tst_maincontroller.moc"
