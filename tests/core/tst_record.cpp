// The practice record on in-memory and temporary databases: one transaction
// a page, the weekly figures, charts and topics of a fixture record, the
// mistake book's rules, the migration of a version-1 file, a damaged file
// moved aside, a folder that cannot be written; and through the controller,
// wrong items into the book and a mistake page that empties it.
#include "controllerfixture.h"
#include "record/recordsection.h"
#include "record/sqlpracticerecord.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace quorvel;

namespace {

RecordedPage page(const QDate &day, int score, int seconds, const QString &node = u"20以内加法"_s,
                  QList<RecordedItem> items = {})
{
    RecordedPage p;
    p.finished = QDateTime(day, QTime(18, 0));
    p.tab = u"加减乘除"_s;
    p.nodeKey = u"q17"_s;
    p.nodeText = node;
    p.score = score;
    p.seconds = seconds;
    p.itemList = std::move(items);
    p.items = p.itemList.isEmpty() ? 10 : int(p.itemList.size());
    p.right = p.items * score / 100;
    return p;
}

RecordedItem item(const QString &question, const QString &expected, const QString &typed,
                  qint64 mistakeId = 0)
{
    return {question, expected, typed, expected == typed, mistakeId};
}

int rows(const QString &path, const QString &table)
{
    const QString name = u"count-"_s + table;
    int n = -1;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, name);
        db.setDatabaseName(path);
        db.open();
        QSqlQuery q(u"SELECT COUNT(*) FROM "_s + table, db);
        if (q.next())
            n = q.value(0).toInt();
    }
    QSqlDatabase::removeDatabase(name);
    return n;
}

} // namespace

class TestRecord : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pageAndItemsInOneTransaction();
    void figuresOfAFixtureRecord();
    void mistakeBookRules();
    void textStaysText();
    void migratesAVersionOneFile();
    void damagedFileIsMovedAside();
    void unwritableFolderStillGrades();
    void controllerFillsAndEmptiesTheBook();
};

void TestRecord::pageAndItemsInOneTransaction()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"record.sqlite"_s);
    {
        SqlPracticeRecord record(path);
        QVERIFY(record.isOpen());
        QVERIFY(record.startupMessage().isEmpty());
        QVERIFY(record.recordPage(
            page(QDate(2026, 12, 9), 90, 40, u"20以内加法"_s,
                 {item(u"3+4="_s, u"7"_s, u"7"_s), item(u"8+9="_s, u"17"_s, u"16"_s)})));
    }
    QCOMPARE(rows(path, u"pages"_s), 1);
    QCOMPARE(rows(path, u"items"_s), 2);
    QCOMPARE(rows(path, u"mistakes"_s), 1);
    // It survives a restart.
    SqlPracticeRecord again(path);
    QCOMPARE(again.summary(QDate(2026, 12, 9)).thisWeek.pages, 1);
}

void TestRecord::figuresOfAFixtureRecord()
{
    SqlPracticeRecord record(u":memory:"_s);
    const QDate today(2026, 12, 9);                                     // a Wednesday
    record.recordPage(page(today, 100, 61));                            // this week
    record.recordPage(page(today.addDays(-2), 80, 119, u"分数加法"_s)); // Monday
    record.recordPage(page(today.addDays(-3), 60, 300));                // last Sunday
    record.recordPage(page(today.addDays(-9), 50, 60));                 // last Monday
    record.recordPage(page(today.addDays(3), 10, 600));                 // the clock ran ahead
    RecordedPage game = page(today, 100, 30);
    game.game = true;
    record.recordPage(game);

    const RecordSummary s = record.summary(today);
    QCOMPARE(s.thisWeek, (WeekFigures{2, 20, 90, 4})); // 61 + 119 + 30 seconds
    QCOMPARE(s.lastWeek, (WeekFigures{2, 20, 55, 6}));
    QCOMPARE(s.lastScores, (QList<int>{100, 80, 60, 50, 10})); // as recorded, games left out
    QCOMPARE(s.minutesPerDay.size(), 14);
    QCOMPARE(s.minutesPerDay.last(), 2);                  // today: 61 + 30 seconds
    QCOMPARE(s.minutesPerDay[13 - 2], 2);                 // Monday: 119 seconds
    QCOMPARE(s.topics.first().nodeText, u"20以内加法"_s); // 70% before 80%
    QCOMPARE(s.topics.first().percent(), 70);
    QCOMPARE(s.topics.last().nodeText, u"分数加法"_s);

    // The section shows them, and draws two charts.
    const QString html = recordSection(s, today);
    QVERIFY(html.contains(u"<td>本周</td><td>2</td><td>20</td><td>90分</td><td>4分钟</td>"_s));
    QCOMPARE(html.count(u"<svg"_s), 2);
    QVERIFY(html.contains(u"练习错题（0道）"_s));
}

void TestRecord::mistakeBookRules()
{
    SqlPracticeRecord record(u":memory:"_s);
    const QDate day(2026, 12, 9);
    record.recordPage(page(day, 50, 10, u"x"_s,
                           {item(u"6×7="_s, u"42"_s, u"48"_s), item(u"9-4="_s, u"5"_s, u"5"_s)}));
    record.recordPage(page(day, 0, 10, u"x"_s, {item(u"6×7="_s, u"42"_s, u"41"_s)})); // once only
    QList<Mistake> book = record.mistakes(20);
    QCOMPARE(book.size(), 1);
    QCOMPARE(book.first().question, u"6×7="_s);

    // Right once in a mistake page: it stays; right twice: it leaves.
    const qint64 id = book.first().id;
    record.recordPage(page(day, 100, 5, u"错题本"_s, {item(u"6×7="_s, u"42"_s, u"42"_s, id)}));
    QCOMPARE(record.mistakes(20).size(), 1);
    record.recordPage(page(day, 0, 5, u"错题本"_s, {item(u"6×7="_s, u"42"_s, u"24"_s, id)}));
    QCOMPARE(record.mistakes(20).size(), 1); // a wrong answer in the book adds nothing
    record.recordPage(page(day, 100, 5, u"错题本"_s, {item(u"6×7="_s, u"42"_s, u"42"_s, id)}));
    QVERIFY(record.mistakes(20).isEmpty());
}

void TestRecord::textStaysText()
{
    SqlPracticeRecord record(u":memory:"_s);
    record.recordPage(page(QDate(2026, 12, 9), 0, 5, u"<b>题</b>"_s,
                           {item(u"1<2="_s, u"\"x\" & y"_s, u"<b>1</b>"_s)}));
    const QString html = recordSection(record.summary(QDate(2026, 12, 9)), QDate(2026, 12, 9));
    QVERIFY(html.contains(u"&lt;b&gt;题&lt;/b&gt;"_s));
    QVERIFY(mistakePage(record.mistakes(20))
                .contains(u"1&lt;2= <input class=text name=answer1 type=text size=7 "
                          u"tag=\"&quot;x&quot; &amp; y\">"_s));
    // The CSV keeps the text, quoted where it must be, and starts no formula.
    QVERIFY(record.csv().contains(u",\"\"\"x\"\" & y\",<b>1</b>,错\r\n"_s));
    QCOMPARE(questionOfItem(u"第1题：12+5= <input class=text name=answer1 tag=17><br>"
                            u"第2题：3&nbsp;+&nbsp;4= <input class=text name=answer2 tag=7>"_s,
                            2),
             u"3 + 4="_s);
    QCOMPARE(questionOfItem(u"1：小明有5个苹果，一共有多少个?<br>答案 =  <input class=text "
                            u"name=answer1 type=text size=11 tag=20个|5+15=20个><br><br>"_s,
                            1),
             u"小明有5个苹果，一共有多少个?"_s);
}

void TestRecord::migratesAVersionOneFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"old.sqlite"_s);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"old"_s);
        db.setDatabaseName(path);
        QVERIFY(db.open());
        for (
            const char *statement :
            {"CREATE TABLE schema_version (version INTEGER NOT NULL)",
             "INSERT INTO schema_version VALUES (1)",
             "CREATE TABLE pages (id INTEGER PRIMARY KEY, finished TEXT NOT NULL, day TEXT NOT "
             "NULL, tab TEXT NOT NULL, node_key TEXT NOT NULL, node_text TEXT NOT NULL, items "
             "INTEGER NOT NULL, right_items INTEGER NOT NULL, score INTEGER NOT NULL, seconds "
             "INTEGER NOT NULL)",
             "CREATE TABLE items (id INTEGER PRIMARY KEY, page_id INTEGER NOT NULL, number INTEGER "
             "NOT NULL, question TEXT NOT NULL, expected TEXT NOT NULL, typed TEXT NOT NULL, right "
             "INTEGER NOT NULL)",
             "INSERT INTO pages VALUES (1, '2026-12-08T10:00:00', '2026-12-08', 't', 'q17', "
             "'20以内加法', 10, 9, 90, 100)"})
            QVERIFY(QSqlQuery(db).exec(QString::fromUtf8(statement)));
    }
    QSqlDatabase::removeDatabase(u"old"_s);

    SqlPracticeRecord record(path);
    QVERIFY(record.isOpen());
    QCOMPARE(record.summary(QDate(2026, 12, 9)).thisWeek.pages, 1); // the old page kept
    QVERIFY(record.recordPage(
        page(QDate(2026, 12, 9), 0, 5, u"x"_s, {item(u"1+1="_s, u"2"_s, u"3"_s)})));
    QCOMPARE(record.mistakes(5).size(), 1);
}

void TestRecord::damagedFileIsMovedAside()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"record.sqlite"_s);
    QFile junk(path);
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(4096, 'x'));
    junk.close();

    SqlPracticeRecord record(path);
    QVERIFY(record.isOpen());
    QVERIFY(record.startupMessage().contains(u"已经损坏"_s));
    QVERIFY(QFile::exists(record.setAsidePath()));
    QVERIFY(record.setAsidePath().startsWith(path + u".damaged-"_s));
    QVERIFY(record.recordPage(page(QDate(2026, 12, 9), 100, 5)));
}

void TestRecord::unwritableFolderStillGrades()
{
    // A folder the record cannot write to (here one that does not exist, which
    // stops root as well as any user).
    QTemporaryDir dir;
    SqlPracticeRecord record(dir.filePath(u"missing/record.sqlite"_s));
    QVERIFY(!record.isOpen());
    QVERIFY(record.startupMessage().contains(u"无法打开"_s));
    QVERIFY(!record.recordPage(page(QDate(2026, 12, 9), 100, 5)));

    // The window grades and awards anyway, and says once that it could not save.
    ControllerFixture<> f(3);
    f.controller.setPracticeRecord(&record);
    f.onTab(u"T1");
    for (int round = 0; round < 2; ++round) {
        f.click(u"q17"_s);
        QVERIFY(f.submit().last().text.contains(u"你的得分是100分"_s));
    }
    QCOMPARE(f.controller.medalCount(), 2);
    QCOMPARE(f.view.messages.size(), 1);
    QVERIFY(f.view.messages.first().contains(u"练习记录"_s));
}

// Through the window's logic: a drill page with two wrong answers puts those
// two into the book, with their questions; a mistake page answered right
// twice empties it, and its 100 earns a medal. A record that cannot store
// says so once, and the page is graded anyway.
void TestRecord::controllerFillsAndEmptiesTheBook()
{
    SqlPracticeRecord record(u":memory:"_s);
    ControllerFixture<> f(7);
    f.controller.setPracticeRecord(&record);
    f.onTab(u"T1");
    f.click(u"q17"_s);
    const PageDocument shown = f.view.main.document.snapshot();
    f.submit({{u"answer2"_s, u"0"_s}, {u"answer5"_s, u"0"_s}});
    QList<Mistake> book = record.mistakes(20);
    QCOMPARE(book.size(), 2);
    QCOMPARE(book[0].expected, shown.find(u"answer2"_s)->tag);
    QCOMPARE(book[1].expected, shown.find(u"answer5"_s)->tag);
    QVERIFY(book[0].question.endsWith(u'='));
    QVERIFY(!book[0].question.contains(u"第"_s));

    f.controller.showMedalPage();
    QVERIFY(f.view.main.body.contains(u"练习错题（2道）"_s));
    const int medals = f.controller.medalCount();
    for (int round = 0; round < 2; ++round) {
        PageDocument click;
        f.controller.pageEvent(u"click"_s, practiseMistakesButton.toString(), click);
        QVERIFY(f.view.main.body.contains(u"练习错题"_s));
        QCOMPARE(f.controller.state.pageItemCount, 2);
        QVERIFY(f.submit().last().text.contains(u"你的得分是100分"_s));
    }
    QVERIFY(record.mistakes(20).isEmpty());
    QCOMPARE(f.controller.medalCount(), medals + 2);

    // The export writes the whole record with a byte-order mark.
    QTemporaryDir dir;
    f.view.saveFileAnswer = dir.filePath(u"记录.csv"_s);
    PageDocument click;
    f.controller.pageEvent(u"click"_s, exportRecordButton.toString(), click);
    QFile csv(f.view.saveFileAnswer);
    QVERIFY(csv.open(QIODevice::ReadOnly));
    QVERIFY(csv.readAll().startsWith("\xEF\xBB\xBF时间,页签"));
}

QTEST_GUILESS_MAIN(TestRecord)
#include "tst_record.moc"
