// Grading a page: which grading a node's key leads to, the marks and the
// result line of the item grading, who may grade, the medal it earns, the
// page events that lead to it and the answer choices of the explanation pages.
#include "app/core/catalogue.h"
#include "app/core/grading.h"
#include "app/core/maincontroller.h"
#include "app/core/recordingview.h"
#include "content/programfiles.h"
#include "controllerfixture.h"
#include "page/answermatch.h"
#include "page/itemmarker.h"
#include "page/pagedocument.h"
#include "page/randomsource.h"
#include "page/settingsstore.h"

#include <QLocale>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace quorvel;

namespace {

const QString refusal = u"你的密码不对，不能查看答案！请向高级用户咨询密码！"_s;
const QString right = u"(√)"_s;

QString wrong(const QString &tag)
{
    return u"(×，正确答案："_s + tag + u')';
}

QStringList variantNames(const QList<GradingVariant> &variants)
{
    static const QStringList names = {u"TimePuzzles"_s,
                                      u"TwentyFour"_s,
                                      u"MemoryCards"_s,
                                      u"MinutesToHours"_s,
                                      u"Fractions"_s,
                                      u"WordProblems"_s,
                                      u"General"_s,
                                      u"Comparison"_s,
                                      u"FactorisationExamples"_s,
                                      u"OlympiadExplanations"_s,
                                      u"LcmExamples"_s,
                                      u"BrainTeasers"_s,
                                      u"RevealedAnswers"_s,
                                      u"TopicPages"_s};
    QStringList out;
    for (GradingVariant v : variants)
        out.append(names.value(int(v) - 1, u"?"_s));
    return out;
}

int tabIndex(const QString &key)
{
    const auto &tabs = catalogue::tabs();
    for (int i = 0; i < tabs.size(); ++i)
        if (tabs[i].key == key)
            return i;
    return -1;
}

// The page as the child answered it, the items listed in wrongItems typed
// wrong.
PageDocument answered(const QString &body, const QList<int> &wrongItems = {})
{
    QHash<QString, QString> typed;
    for (int item : wrongItems)
        typed.insert(u"answer"_s + QString::number(item), u"?"_s);
    return answeredPage(PageText(body), typed);
}

// Items typed by hand: answer1 ... answerN with the given values and tags.
PageDocument itemsPage(const QStringList &typed, const QStringList &tags)
{
    QList<PageElement> elements;
    for (int i = 0; i < typed.size(); ++i)
        elements.append({u"answer"_s + QString::number(i + 1), {}, u"text"_s, typed[i], tags[i]});
    elements.append({u"finish"_s, {}, u"button"_s, u"提交答案"_s, u"十"_s});
    return PageDocument(elements);
}

DomEdits marksOf(const QStringList &marks, const QString &boxName = u"answer"_s)
{
    DomEdits edits;
    for (int i = 0; i < marks.size(); ++i)
        edits.append(DomEdit::insertTextAfter(boxName + QString::number(i + 1), marks[i]));
    return edits;
}

// The store, remembering the order of its writes.
class LoggingStore final : public SettingsStore
{
public:
    QString read(const QString &application, const QString &section,
                 const QString &key) const override
    {
        return values.read(application, section, key);
    }
    bool write(const QString &application, const QString &section, const QString &key,
               const QString &value) override
    {
        writtenKeys.append(key);
        return !failWrites && values.write(application, section, key, value);
    }
    QStringList keys(const QString &application, const QString &section) const override
    {
        return values.keys(application, section);
    }
    QString medal(const QString &key) const { return read(u"mbqzt"_s, u"jb"_s, key); }

    MemorySettingsStore values;
    QStringList writtenKeys;
    bool failWrites = false; // a full disk, a read-only folder
};

struct Fixture
{
    Fixture() : random(11) { files.addFile(u"help.htm"_s, "<html><body></body></html>"); }

    // Started, logged in (advanced unless told otherwise), on a tab, with
    // a node's page on screen.
    MainWindowController &onPage(const QString &tabKey, const QString &nodeKey,
                                 bool advanced = true)
    {
        controller = std::make_unique<MainWindowController>(view, files, store, random);
        MainWindowController &c = *controller;
        c.today = [] { return QDate(2024, 3, 5); };
        c.accounts().reloadStoredPassword();
        c.accounts().confirmLogin(advanced ? u"463"_s : QString());
        view.messages.clear();
        c.start();
        c.selectTab(tabIndex(tabKey));
        c.nodeClicked(nodeKey);
        return c;
    }

    // The result line written after "finish", or empty.
    QString resultWritten() const
    {
        for (const DomEdit &e : view.main.edits)
            if (e.kind == DomEdit::Kind::InsertHtmlAfter && e.target == "finish"_L1)
                return e.text;
        return {};
    }

    RecordingView view;
    MemoryProgramFiles files;
    LoggingStore store;
    SeededRandom random;
    std::unique_ptr<MainWindowController> controller;
};

} // namespace

class TestGrading : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void markerKnowsEveryItemForm();
    void variantOrder_data();
    void variantOrder();
    void itemMarks_data();
    void itemMarks();
    void answersAsChildrenWriteThem_data();
    void answersAsChildrenWriteThem();
    void inequalityReadsVisibleBoxes_data();
    void inequalityReadsVisibleBoxes();
    void resultLines_data();
    void resultLines();

    void studentCannotGrade();
    void studentMarksWhenTheParentAllows_data();
    void studentMarksWhenTheParentAllows();
    void perfectPageEarnsOneMedal();
    void ninetyFiveEarnsNothing();
    void unsavedMedalIsSaid();
    void itemCountIsThePagesOwn();
    void inequalityOnlyOnIntegerTab_data();
    void inequalityOnlyOnIntegerTab();
    void variantHandlers_data();
    void variantHandlers();

    void submitClickGrades_data();
    void submitClickGrades();
    void explanationChoices_data();
    void explanationChoices();

    void damagedMedalCountIsRebuiltFromRecords();
};

void TestGrading::variantOrder_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("parentKey");
    QTest::addColumn<QStringList>("variants");

    const QStringList general = {u"General"_s};
    const QStringList topic = {u"TopicPages"_s};
    const QStringList revealed = {u"RevealedAnswers"_s};
    const auto row = [](const char *name, const QString &key, const QStringList &variants,
                        const QString &parent = {}) {
        QTest::newRow(name) << key << parent << variants;
    };

    row("q17 drill", u"q17"_s, general);
    row("q1 group", u"q1"_s, general);
    row("q46 drill", u"q46"_s, general);
    row("q7 group", u"q7"_s, general);
    row("q71 conversion", u"q71"_s, general);
    row("q77 clock", u"q77"_s, general);
    row("q78 time puzzles", u"q78"_s, {u"TimePuzzles"_s, u"General"_s});
    row("q75 minutes to hours", u"q75"_s, {u"MinutesToHours"_s, u"General"_s});
    row("q76 minutes to hours", u"q76"_s, {u"MinutesToHours"_s, u"General"_s});
    row("q7005 divisor example", u"q7005"_s, revealed);
    row("q7006 divisor example", u"q7006"_s, revealed);
    row("q511 first puzzle", u"q511"_s, revealed);
    row("q578 last puzzle", u"q578"_s, revealed);
    row("q5801 geometry example", u"q5801"_s, revealed);
    row("q5808 last geometry example", u"q5808"_s, revealed);
    row("q5809 past the examples", u"q5809"_s, {});
    row("q61 24 points", u"q61"_s, {u"TwentyFour"_s});
    row("q62 memory cards", u"q62"_s, {u"MemoryCards"_s});
    row("q5002 fraction page", u"q5002"_s, {u"Fractions"_s});
    row("q55 word problems", u"q55"_s, {u"WordProblems"_s});
    row("q57 word problems", u"q57"_s, {u"WordProblems"_s});
    row("q81 comparison", u"q81"_s, {u"Comparison"_s});
    row("q8123 five-character q8", u"q8123"_s, general);
    row("q8888701 factor drill", u"q8888701"_s, general);
    row("child of q8888705", u"q8888705001"_s, {u"FactorisationExamples"_s}, u"q8888705"_s);
    row("child of q66788", u"q66788001"_s, {u"OlympiadExplanations"_s}, u"q66788"_s);
    row("q8005001 LCM example", u"q8005001"_s, {u"LcmExamples"_s});
    row("q59001 brain teaser", u"q59001"_s, {u"BrainTeasers"_s});
    row("q590001 seven characters", u"q590001"_s, {});
    row("q9 topic", u"q9"_s, topic);
    row("q91 topic", u"q91"_s, topic);
    row("q7787701", u"q7787701"_s, topic);
    row("q7899703", u"q7899703"_s, topic);
    row("q7234701", u"q7234701"_s, topic);
    row("q7598901", u"q7598901"_s, topic);
    row("q7797701", u"q7797701"_s, topic);
    row("q7697601", u"q7697601"_s, topic);
    row("q7597501", u"q7597501"_s, topic);
    row("q7727701", u"q7727701"_s, topic);
    row("q7537501", u"q7537501"_s, topic);
    row("q5725701", u"q5725701"_s, topic);
    row("q79681", u"q79681"_s, topic);
    row("child of q66878", u"q668781"_s, topic, u"q66878"_s);
    row("q52 intelligence test", u"q52"_s, {});
    row("q6002", u"q6002"_s, {});
    row("no node", QString(), {});
}

void TestGrading::variantOrder()
{
    QFETCH(QString, key);
    QFETCH(QString, parentKey);
    QFETCH(QStringList, variants);
    QCOMPARE(variantNames(gradingVariants(key, parentKey)), variants);
}

void TestGrading::itemMarks_data()
{
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("tags");
    QTest::addColumn<QStringList>("marks");
    QTest::addColumn<int>("score");

    const auto same = [](int n, const QString &text) { return QStringList(n, text); };
    QTest::newRow("ten right") << same(10, u"7"_s) << same(10, u"7"_s) << same(10, right) << 100;
    QStringList typed = same(20, u"12"_s);
    typed[4] = u"21"_s;
    QStringList marks = same(20, right);
    marks[4] = wrong(u"12"_s);
    QTest::newRow("twenty, one wrong") << typed << same(20, u"12"_s) << marks << 95;
    QTest::newRow("fifty right") << same(50, u"3"_s) << same(50, u"3"_s) << same(50, right) << 100;
    // A page cut short of its asked count still reaches 100 when all are right.
    QTest::newRow("three right") << same(3, u"5"_s) << same(3, u"5"_s) << same(3, right) << 100;
    QStringList twentySix = same(26, u"4"_s);
    twentySix[0] = u"5"_s;
    QStringList twentySixMarks = same(26, right);
    twentySixMarks[0] = wrong(u"4"_s);
    QTest::newRow("twenty-six, one wrong") << twentySix << same(26, u"4"_s) << twentySixMarks << 96;
    QTest::newRow("decimal without zero")
        << QStringList{u".6"_s, u"0.6"_s} << QStringList{u"0.6"_s, u"0.6"_s}
        << QStringList{wrong(u"0.6"_s), right} << 50;
    QTest::newRow("empty box") << QStringList{QString(), u"0"_s} << QStringList{u"0"_s, u"0"_s}
                               << QStringList{wrong(u"0"_s), right} << 50;
}

void TestGrading::answersAsChildrenWriteThem_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("right");
    // The same answer written another way.
    QTest::newRow("space before") << u" 9"_s << u"9"_s << true;
    QTest::newRow("space after") << u"9 "_s << u"9"_s << true;
    QTest::newRow("full-width digits") << u"１２"_s << u"12"_s << true;
    QTest::newRow("full-width fraction") << u"３／４"_s << u"3/4"_s << true;
    QTest::newRow("Chinese full stop") << u"3。8"_s << u"3.8"_s << true;
    QTest::newRow("spaces inside") << u"2 * 2 * 5"_s << u"2*2*5"_s << true;
    QTest::newRow("a whole number with zeros") << u"2.0"_s << u"2"_s << true;
    QTest::newRow("a zero after") << u"2.80"_s << u"2.8"_s << true;
    QTest::newRow("28.0") << u"28.0"_s << u"28"_s << true;
    QTest::newRow("three places kept") << u"0.190"_s << u"0.190"_s << true;
    QTest::newRow("three places shortened") << u"0.19"_s << u"0.190"_s << true;
    QTest::newRow("with its unit") << u"20 个"_s << u"20个"_s << true;
    // Another answer.
    QTest::newRow("decimal without zero") << u".6"_s << u"0.6"_s << false;
    QTest::newRow("a fraction not reduced") << u"6/8"_s << u"3/4"_s << false;
    QTest::newRow("a unit with zeros") << u"20.0个"_s << u"20个"_s << false;
    QTest::newRow("a near number") << u"0.191"_s << u"0.190"_s << false;
    QTest::newRow("empty") << QString() << u"0"_s << false;
    QTest::newRow("only spaces") << u"  "_s << u""_s << false;
}

void TestGrading::answersAsChildrenWriteThem()
{
    QFETCH(QString, typed);
    QFETCH(QString, key);
    QFETCH(bool, right);
    QCOMPARE(answersMatch(typed, key), right);
}

void TestGrading::itemMarks()
{
    QFETCH(QStringList, typed);
    QFETCH(QStringList, tags);
    QFETCH(QStringList, marks);
    QFETCH(int, score);

    PageDocument page = itemsPage(typed, tags);
    const MarkedPage result = markItems(page, {int(typed.size()), false, u"%1%2"_s, 41});
    QCOMPARE(result.score, score);
    QCOMPARE(result.perfect(), score == 100);
    QCOMPARE(page.edits(), marksOf(marks) + DomEdits{DomEdit::insertHtmlAfter(
                                                u"finish"_s, resultLine(score, 41))});
}

void TestGrading::inequalityReadsVisibleBoxes_data()
{
    QTest::addColumn<bool>("withVisibleBoxes");
    QTest::addColumn<QString>("visibleTyped");
    QTest::addColumn<QString>("hiddenValue");
    QTest::addColumn<QString>("mark");

    QTest::newRow("visible box right") << true << u"3"_s << QString() << right;
    QTest::newRow("visible box wrong") << true << u"4"_s << u"3"_s << wrong(u"3"_s);
    QTest::newRow("visible box empty") << true << QString() << u"3"_s << wrong(u"3"_s);
    // Multiplication and division have no visible boxes: graded as usual.
    QTest::newRow("no visible boxes, right") << false << QString() << u"3"_s << right;
    QTest::newRow("no visible boxes, wrong") << false << QString() << u"2"_s << wrong(u"3"_s);
}

void TestGrading::inequalityReadsVisibleBoxes()
{
    QFETCH(bool, withVisibleBoxes);
    QFETCH(QString, visibleTyped);
    QFETCH(QString, hiddenValue);
    QFETCH(QString, mark);

    QList<PageElement> elements;
    if (withVisibleBoxes)
        elements.append({u"Qanswer1"_s, {}, u"text"_s, visibleTyped, u"3"_s});
    elements.append(
        {u"answer1"_s, {}, withVisibleBoxes ? u"hidden"_s : u"text"_s, hiddenValue, u"3"_s});
    elements.append({u"finish"_s, {}, u"button"_s, {}, {}});
    PageDocument page(elements);

    const MarkedPage result = markItems(page, {1, true, u"%1%2"_s, 0});
    QCOMPARE(result.score, mark == right ? 100 : 0);
    QCOMPARE(page.edits().first(), DomEdit::insertTextAfter(u"answer1"_s, mark));
}

void TestGrading::resultLines_data()
{
    QTest::addColumn<int>("score");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QString>("line");
    QTest::newRow("100")
        << 100 << 12 << u"<br>非常不错！你的得分是100分，用时12秒！<br><img src=zimu\\jb.gif>"_s;
    QTest::newRow("95") << 95 << 30 << u"<br>你的得分是95分，用时30秒！"_s;
    QTest::newRow("99") << 99 << 0 << u"<br>你的得分是99分，用时0秒！"_s;
    QTest::newRow("0") << 0 << 125 << u"<br>你的得分是0分，用时125秒！"_s;
}

void TestGrading::resultLines()
{
    QFETCH(int, score);
    QFETCH(int, seconds);
    QFETCH(QString, line);
    QCOMPARE(resultLine(score, seconds), line);
}

void TestGrading::studentCannotGrade()
{
    Fixture f;
    MainWindowController &c = f.onPage(u"T1"_s, u"q17"_s, false);
    PageDocument page = answered(f.view.main.body);
    c.gradePage(page);
    QCOMPARE(f.view.messages, QStringList{refusal});
    QVERIFY(page.edits().isEmpty());
    QVERIFY(c.state.pageGradable);
    QVERIFY(f.view.timer(TimerId::PageSeconds).isEnabled());

    // Logged in later, the same page can still be graded.
    c.accounts().confirmLogin(u"463"_s);
    c.gradePage(page);
    QCOMPARE(f.view.messages.size(), 1);
    QVERIFY(!c.state.pageGradable);
}

void TestGrading::studentMarksWhenTheParentAllows_data()
{
    QTest::addColumn<QString>("tab");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("allowed");
    QTest::addColumn<QList<int>>("wrong");
    QTest::addColumn<bool>("marked");
    QTest::newRow("not allowed") << u"T1"_s << u"q17"_s << false << QList<int>{} << false;
    QTest::newRow("drill, two wrong") << u"T1"_s << u"q17"_s << true << QList<int>{3, 7} << true;
    QTest::newRow("drill, all right") << u"T1"_s << u"q17"_s << true << QList<int>{} << true;
    QTest::newRow("24 points reveal") << u"T10"_s << u"q61"_s << true << QList<int>{} << false;
}

void TestGrading::studentMarksWhenTheParentAllows()
{
    QFETCH(QString, tab);
    QFETCH(QString, key);
    QFETCH(bool, allowed);
    QFETCH(QList<int>, wrong);
    QFETCH(bool, marked);
    Fixture f;
    // The parent sets the choice; as a student it cannot be changed back.
    MainWindowController &parent = f.onPage(tab, key);
    parent.applyOptions(10, 5, 1, allowed);
    parent.accounts().loginAsStudent();
    parent.applyOptions(10, 5, 1, !allowed);
    QCOMPARE(parent.chosenOptions().studentMayGrade, allowed);

    // A new run reads the choice from the settings.
    MainWindowController &c = f.onPage(tab, key, false);
    QCOMPARE(c.state.studentMayGrade, allowed);
    PageDocument page = answered(f.view.main.body, wrong);
    c.gradePage(page);
    if (!marked) {
        QCOMPARE(f.view.messages, QStringList{refusal});
        QVERIFY(c.state.pageGradable);
        return;
    }
    QVERIFY(f.view.messages.isEmpty());
    QVERIFY(!c.state.pageGradable);
    QVERIFY(!f.view.timer(TimerId::PageSeconds).isEnabled());
    QStringList marks(10, right);
    for (int item : wrong)
        marks[item - 1] = u"(×)"_s;
    QCOMPARE(marksOnly(page.edits()).mid(0, 10), marksOf(marks));
    for (const DomEdit &edit : page.edits())
        QVERIFY2(!edit.text.contains(u"正确答案"_s), qPrintable(edit.text));
    QVERIFY(page.edits().contains(DomEdit::lockAnswers()));
    QCOMPARE(c.medalCount(), wrong.isEmpty() ? 1 : 0);
}

void TestGrading::perfectPageEarnsOneMedal()
{
    Fixture f;
    MainWindowController &c = f.onPage(u"T1"_s, u"q17"_s);
    f.store.writtenKeys.clear();
    for (int i = 0; i < 7; ++i)
        c.tickPageSeconds();

    PageDocument page = answered(f.view.main.body);
    c.gradePage(page);
    // The marks, the result line, and the page closed.
    QCOMPARE(page.edits().mid(page.edits().size() - 2),
             (DomEdits{DomEdit::lockAnswers(), DomEdit::scrollTo(u"finish"_s)}));
    QCOMPARE(marksOnly(page.edits()),
             marksOf(QStringList(10, right)) +
                 DomEdits{DomEdit::insertHtmlAfter(u"finish"_s,
                                                   u"<br>非常不错！你的得分是100分，用时7秒！<br>"
                                                   u"<img src=zimu\\jb.gif>"_s)});
    QVERIFY(f.view.messages.isEmpty());
    QVERIFY(!f.view.timer(TimerId::PageSeconds).isEnabled());
    QVERIFY(!c.state.pageGradable);

    const QString date = u"2024/3/5"_s; // the Chinese short form, whatever the locale
    QCOMPARE(c.medalCount(), 1);
    QCOMPARE(f.store.medal(u"num"_s), u"1"_s);
    QCOMPARE(f.store.medal(u"第1个"_s), u"加法/20以内加法-->用时7秒！-->"_s + date);
    // The record is stored before the count that names it.
    QCOMPARE(f.store.writtenKeys, (QStringList{u"第1个"_s, u"num"_s}));

    // A second click on "finish" changes nothing.
    PageDocument again = answered(f.view.main.body);
    c.gradePage(again);
    QVERIFY(again.edits().isEmpty());
    QCOMPARE(c.medalCount(), 1);
    QCOMPARE(f.store.writtenKeys.size(), 2);
}

void TestGrading::unsavedMedalIsSaid()
{
    Fixture f;
    MainWindowController &c = f.onPage(u"T1"_s, u"q17"_s);
    f.store.failWrites = true;
    PageDocument page = answered(f.view.main.body);
    c.gradePage(page);
    QCOMPARE(
        f.view.messages,
        QStringList{u"这块奖牌没能保存到成绩记录里！请检查磁盘空间和设置文件夹的写入权限。"_s});
    QCOMPARE(c.medalCount(), 1); // it still counts for this run
}

void TestGrading::ninetyFiveEarnsNothing()
{
    Fixture f;
    MainWindowController &c = f.onPage(u"T1"_s, u"q13"_s);
    c.applyOptions(20, 5, 1);
    f.store.writtenKeys.clear(); // the options, kept for the next run
    c.nodeClicked(u"q13"_s);
    QCOMPARE(c.state.pageItemCount, 20);

    PageDocument page = answered(f.view.main.body, {17});
    c.gradePage(page);
    QCOMPARE(marksOnly(page.edits()).size(), 21);
    QCOMPARE(page.edits()[16],
             DomEdit::insertTextAfter(u"answer17"_s, wrong(page.find(u"answer17"_s)->tag)));
    QCOMPARE(marksOnly(page.edits()).last().text, u"<br>你的得分是95分，用时0秒！"_s);
    QCOMPARE(c.medalCount(), 0);
    QVERIFY(f.store.writtenKeys.isEmpty());
    QVERIFY(!c.state.pageGradable);
}

void TestGrading::itemCountIsThePagesOwn()
{
    Fixture f;
    MainWindowController &c = f.onPage(u"T1"_s, u"q13"_s);
    QCOMPARE(c.state.pageItemCount, 10);
    c.applyOptions(50, 5, 1);

    PageDocument page = answered(f.view.main.body);
    c.gradePage(page);
    QCOMPARE(marksOnly(page.edits()).size(), 11);
    QVERIFY(marksOnly(page.edits()).last().text.startsWith(u"<br>非常不错！你的得分是100分"_s));
    QCOMPARE(c.medalCount(), 1);
}

void TestGrading::inequalityOnlyOnIntegerTab_data()
{
    QTest::addColumn<QString>("tab");
    QTest::addColumn<int>("score");
    QTest::newRow("加减乘除: visible boxes") << u"T1"_s << 100;
    QTest::newRow("小数计算: answer boxes") << u"T3"_s << 0;
}

void TestGrading::inequalityOnlyOnIntegerTab()
{
    QFETCH(QString, tab);
    QFETCH(int, score);

    Fixture f;
    f.view.mode = DisplayMode::Inequality;
    MainWindowController &c = f.onPage(tab, u"q17"_s);
    QCOMPARE(c.state.pageItemCount, 10);

    // Every visible box holds its answer; the hidden answer boxes are empty.
    QList<PageElement> elements;
    for (int i = 1; i <= 10; ++i) {
        elements.append({u"Qanswer"_s + QString::number(i), {}, u"text"_s, u"3"_s, u"3"_s});
        elements.append({u"answer"_s + QString::number(i), {}, u"hidden"_s, {}, u"3"_s});
    }
    elements.append({u"finish"_s, {}, u"button"_s, {}, {}});
    PageDocument page(elements);
    c.gradePage(page);
    QCOMPARE(page.edits().first().target, u"answer1"_s);
    QCOMPARE(marksOnly(page.edits()).last().text, resultLine(score, 0));
}

void TestGrading::variantHandlers_data()
{
    QTest::addColumn<QString>("tab");
    QTest::addColumn<QString>("node");
    QTest::addColumn<int>("variant");
    QTest::addColumn<bool>("stillGradable");

    QTest::newRow("24 points") << u"T10"_s << u"q61"_s << int(GradingVariant::TwentyFour) << false;
    QTest::newRow("memory cards") << u"T10"_s << u"q62"_s << int(GradingVariant::MemoryCards)
                                  << false;
    QTest::newRow("time puzzles") << u"T2"_s << u"q78"_s << int(GradingVariant::TimePuzzles)
                                  << false;
}

void TestGrading::variantHandlers()
{
    QFETCH(QString, tab);
    QFETCH(QString, node);
    QFETCH(int, variant);
    QFETCH(bool, stillGradable);

    Fixture f;
    MainWindowController &c = f.onPage(tab, node);
    int runs = 0;
    c.registry().onGrading(GradingVariant(variant), [&](PageDocument &page) {
        ++runs;
        page.setInnerHtml(u"answerText"_s, u"handled"_s);
    });

    PageDocument page(
        {{u"answer1"_s, {}, u"text"_s, u"1"_s, u"1"_s}, {u"finish"_s, {}, u"button"_s, {}, {}}});
    c.gradePage(page);
    QCOMPARE(runs, 1);
    // The handler wrote, beside the program's own grading of that family, and
    // no item marker followed (it would mark answer1 right).
    QVERIFY(page.edits().contains(DomEdit::setInnerHtml(u"answerText"_s, u"handled"_s)));
    QVERIFY(!page.edits().contains(DomEdit::insertTextAfter(u"answer1"_s, u"(√)"_s)));
    QCOMPARE(c.state.pageGradable, stillGradable);
    QCOMPARE(f.view.timer(TimerId::PageSeconds).isEnabled(), stillGradable);
    QCOMPARE(c.medalCount(), 0);
}

void TestGrading::submitClickGrades_data()
{
    QTest::addColumn<QString>("tab");
    QTest::addColumn<QString>("node");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("grades");
    QTest::addColumn<bool>("writes"); // something after "finish"

    QTest::newRow("click on finish")
        << u"T1"_s << u"q17"_s << u"click"_s << u"finish"_s << true << true;
    QTest::newRow("click on a box")
        << u"T1"_s << u"q17"_s << u"click"_s << u"answer1"_s << false << false;
    QTest::newRow("click on the page")
        << u"T1"_s << u"q17"_s << u"click"_s << QString() << false << false;
    QTest::newRow("mouse-down on finish")
        << u"T1"_s << u"q17"_s << u"mousedown"_s << u"finish"_s << false << false;
    // Not graded, but its answers are revealed.
    QTest::newRow("intelligence test")
        << u"T12"_s << u"q52"_s << u"click"_s << u"finish"_s << false << true;
    QTest::newRow("puzzle beside it")
        << u"T12"_s << u"q511"_s << u"click"_s << u"finish"_s << true << true;
}

void TestGrading::submitClickGrades()
{
    QFETCH(QString, tab);
    QFETCH(QString, node);
    QFETCH(QString, kind);
    QFETCH(QString, target);
    QFETCH(bool, grades);
    QFETCH(bool, writes);

    Fixture f;
    MainWindowController &c = f.onPage(tab, node);
    QCOMPARE(c.selectedKey(), node);
    PageDocument page({{u"answer1"_s, {}, u"text"_s, u"5"_s, u"5"_s},
                       {u"finish"_s, {}, u"button"_s, u"提交答案"_s, u"十"_s}});
    const qsizetype editsBefore = f.view.main.edits.size();

    c.pageEvent(kind, target, page);
    QCOMPARE(c.state.pageGradable, !grades);
    QCOMPARE(f.view.timer(TimerId::PageSeconds).isEnabled(), !grades);
    QCOMPARE(!f.resultWritten().isEmpty(), writes);
    if (!writes)
        QCOMPARE(f.view.main.edits.size(), editsBefore);
}

void TestGrading::explanationChoices_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("correct");
    QTest::addColumn<bool>("made");
    QTest::addColumn<QStringList>("checked"); // the setChecked edits, in order

    const QStringList pickR2 = {u"R1=0"_s, u"R2=1"_s, u"R3=0"_s, u"R4=0"_s};
    QTest::newRow("good choice") << QStringList{u"mousedown R2"_s, u"mouseup R2"_s} << true << true
                                 << pickR2;
    QTest::newRow("other choice") << QStringList{u"mousedown R3"_s, u"mouseup R3"_s} << false
                                  << true
                                  << QStringList{u"R1=0"_s, u"R2=0"_s, u"R3=1"_s, u"R4=0"_s};
    QTest::newRow("changed mind") << QStringList{u"mousedown R3"_s, u"mouseup R3"_s,
                                                 u"mousedown R2"_s, u"mouseup R2"_s}
                                  << true << true
                                  << QStringList{u"R1=0"_s, u"R2=0"_s, u"R3=1"_s, u"R4=0"_s} +
                                         pickR2;
    QTest::newRow("mouse-up without mouse-down")
        << QStringList{u"mouseup R2"_s} << false << false << QStringList();
    QTest::newRow("mouse-up elsewhere")
        << QStringList{u"mousedown R2"_s, u"mouseup answer"_s} << false << false << QStringList();
    QTest::newRow("bound on the page before")
        << QStringList{u"mousedown R2"_s, u"new page"_s, u"mouseup R2"_s} << false << false
        << QStringList();
    QTest::newRow("bound again on the new page")
        << QStringList{u"mousedown R2"_s, u"new page"_s, u"mousedown R2"_s, u"mouseup R2"_s} << true
        << true << pickR2;
}

void TestGrading::explanationChoices()
{
    QFETCH(QStringList, steps);
    QFETCH(bool, correct);
    QFETCH(bool, made);
    QFETCH(QStringList, checked);

    Fixture f;
    MainWindowController &c = f.onPage(u"T15"_s, u"q66788001"_s);
    QVERIFY(c.tree().find(u"q66788001"_s));
    PageDocument page({{u"R1"_s, {}, u"radio"_s, {}, u"bad"_s},
                       {u"R2"_s, {}, u"radio"_s, {}, u"good"_s},
                       {u"R3"_s, {}, u"radio"_s, {}, u"Good"_s},
                       {u"R4"_s, {}, u"radio"_s, {}, {}},
                       {u"answer"_s, {}, u"text"_s, {}, {}}});
    for (const QString &step : steps) {
        if (step == "new page"_L1) {
            c.nodeClicked(u"q66788002"_s);
            continue;
        }
        const QStringList parts = step.split(u' ');
        c.pageEvent(parts[0], parts[1], page);
    }
    QCOMPARE(c.families().explanations->choiceCorrect, correct);
    QCOMPARE(c.families().explanations->choiceMade, made);

    QStringList checkedEdits;
    for (const DomEdit &e : f.view.main.edits)
        if (e.kind == DomEdit::Kind::SetChecked)
            checkedEdits.append(e.target + (e.flag ? u"=1"_s : u"=0"_s));
    QCOMPARE(checkedEdits, checked);
}

void TestGrading::damagedMedalCountIsRebuiltFromRecords()
{
    Fixture f;
    const auto store = [&f](const QString &key, const QString &value) {
        f.store.write(u"mbqzt"_s, u"jb"_s, key, value);
    };
    store(u"num"_s, u"2000000000"_s);
    store(u"第1个"_s, u"加法/10以内加法-->用时35秒！-->2024/3/5"_s);
    store(u"第3个"_s, u"减法/10以内减法-->用时20秒！-->2024/3/6"_s);
    MainWindowController &c = f.onPage(u"T1"_s, u"q17"_s);
    c.toolbarClicked(u"w9"_s);

    // The count is rebuilt from the records: the missing second is an empty row.
    const QString page = f.view.main.body;
    QVERIFY(page.contains(u"你现在已经得到了3块奖牌<br>"_s));
    QCOMPARE(page.count(u"<tr>"_s), 3);
    QVERIFY(page.contains(u"<tr><td valign=center>第1块： </td><td valign=center><img "
                          u"src=zimu\\jb.gif></td><td valign=center> 加法/10以内加法-->用时35秒！"
                          u"-->2024/3/5</td></tr>"_s));
    QVERIFY(page.contains(u"<tr><td valign=center>第3块： "_s));
    QVERIFY(page.endsWith(u"</table>"_s));
}

void TestGrading::markerKnowsEveryItemForm()
{
    // One box, two boxes (hours and minutes) and a fraction, one of each
    // right and one of each wrong.
    const auto box = [](const QString &name, const QString &typed, const QString &tag) {
        return PageElement{name, {}, u"text"_s, typed, tag};
    };
    PageDocument page({box(u"answer1"_s, u"7"_s, u"7"_s),
                       box(u"answer2"_s, u"8"_s, u"9"_s),
                       box(u"answerleft3"_s, u"2"_s, u"2"_s),
                       box(u"answerright3"_s, u"15"_s, u"15"_s),
                       box(u"answerleft4"_s, u"2"_s, u"2"_s),
                       box(u"answerright4"_s, u"5"_s, u"15"_s),
                       box(u"answerup5"_s, u"3"_s, u"3"_s),
                       box(u"answerdown5"_s, u"4"_s, u"4"_s),
                       box(u"answerup6"_s, u"6"_s, u"3"_s),
                       box(u"answerdown6"_s, u"8"_s, u"4"_s),
                       {u"fenshupl5"_s, {}, u"td"_s, {}, {}},
                       {u"fenshupl6"_s, {}, u"td"_s, {}, {}},
                       {u"finish"_s, {}, u"button"_s, {}, {}}});
    const MarkedPage marked = markItems(page, {7, false, u"%1小时%2分"_s, 12});
    QCOMPARE(page.edits(),
             (DomEdits{DomEdit::insertTextAfter(u"answer1"_s, right),
                       DomEdit::insertTextAfter(u"answer2"_s, wrong(u"9"_s)),
                       DomEdit::insertTextAfter(u"answerright3"_s, right),
                       DomEdit::insertTextAfter(u"answerright4"_s, wrong(u"2小时15分"_s)),
                       DomEdit::setInnerHtml(u"fenshupl5"_s, right),
                       DomEdit::setInnerHtml(u"fenshupl6"_s, wrong(u"3/4"_s)),
                       DomEdit::insertHtmlAfter(u"finish"_s, resultLine(43, 12))}));
    // Item 7 is missing from the page: it counts, and earns nothing.
    QCOMPARE(marked.score, 43);
    QCOMPARE(marked.items.size(), 6);
    QCOMPARE(marked.items[5].typed, u"6 8"_s);
    QVERIFY(!marked.items[5].right);
}

QTEST_GUILESS_MAIN(TestGrading)
#include "tst_grading.moc"
