// The small pieces under every page: data file text, the edits sent to a
// page, the page snapshot handlers read, the settings file, the medal page and
// the window layout.
#include "app/core/layout.h"
#include "content/datatext.h"
#include "page/domedit.h"
#include "page/exactexpression.h"
#include "page/itemmarker.h"
#include "page/medalbook.h"
#include "page/pagedocument.h"
#include "page/pagetext.h"
#include "page/randomsource.h"
#include "page/settingsstore.h"
#include "page/worksheet.h"

#include <QFile>
#include <QJsonObject>
#include <QSet>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace quorvel;

class TestPageCore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void answerKeys_data();
    void answerKeys();
    void randomDrawsAreUniformAndReproducible();
    void decodesDataText_data();
    void decodesDataText();
    void splitsDataLines_data();
    void splitsDataLines();

    void domEditsSurviveJson();
    void domEditsWithUnknownOpAreDropped();

    void findsElementsByNameOrId();
    void writesUpdateReadsAndAreRecorded();
    void setBodyForgetsOldElements();
    void readsSnapshotJson();

    void settingsFileRoundTrip();
    void settingsWriteToUnwritablePathFails();
    void damagedSettingsFilesKeepTheirRecords_data();
    void damagedSettingsFilesKeepTheirRecords();

    void medalCount_data();
    void medalCount();
    void medalPageListsRecords();

    void layoutOfStartWindow();
    void layoutSkipsZeroHeight();
    void layoutOfTinyWindowHasNoNegativeSizes();

    void exactArithmetic_data();
    void exactArithmetic();
};

void TestPageCore::decodesDataText_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    const QString chinese = u"认识时间\r\n20以内的进位加法"_s;
    QTest::newRow("utf-8") << chinese.toUtf8() << chinese;
    QTest::newRow("utf-8 with byte order mark")
        << QByteArray("\xEF\xBB\xBF") + chinese.toUtf8() << chinese;
    QStringEncoder gbk("GBK");
    QTest::newRow("gbk") << QByteArray(gbk.encode(chinese)) << chinese;
    QTest::newRow("plain ascii") << QByteArray("1+1=2\r\n") << u"1+1=2\r\n"_s;
    // A copy cut inside its last character stays UTF-8; the two bytes left
    // of it show as replacement characters.
    QTest::newRow("utf-8 cut short")
        << chinese.toUtf8().chopped(1)
        << chinese.chopped(1) + QChar::ReplacementCharacter + QChar::ReplacementCharacter;
    QTest::newRow("utf-8 with a stray byte")
        << QByteArray("\xA1") + chinese.toUtf8() << QChar::ReplacementCharacter + chinese;
    QTest::newRow("empty") << QByteArray() << QString();
}

void TestPageCore::decodesDataText()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(decodeDataText(bytes), text);
}

void TestPageCore::splitsDataLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("cr lf") << u"一\r\n二\r\n三"_s << QStringList{u"一"_s, u"二"_s, u"三"_s};
    QTest::newRow("lone lf") << u"a\nb"_s << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("mixed") << u"a\r\nb\nc"_s << QStringList{u"a"_s, u"b"_s, u"c"_s};
    QTest::newRow("final line end adds no line") << u"a\r\nb\r\n"_s << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("empty lines in the middle kept")
        << u"a\r\n\r\n\r\nb"_s << QStringList{u"a"_s, QString(), QString(), u"b"_s};
    QTest::newRow("blank last line kept") << u"a\r\n\r\n"_s << QStringList{u"a"_s, QString()};
    QTest::newRow("leading empty line") << u"\r\na"_s << QStringList{QString(), u"a"_s};
    QTest::newRow("no line end") << u"only"_s << QStringList{u"only"_s};
    QTest::newRow("empty text") << QString() << QStringList();
}

void TestPageCore::splitsDataLines()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(splitDataLines(text), lines);
}

void TestPageCore::domEditsSurviveJson()
{
    const DomEdits edits = {
        DomEdit::setBody(u"第1题：4+5= <input class=text name=answer1 tag=9><br><br>"_s),
        DomEdit::insertTextAfter(u"answer1"_s, u"(√)"_s),
        DomEdit::insertHtmlAfter(u"finish"_s, u"<br>得分：<b>100</b> \"引号\""_s),
        DomEdit::setInnerHtml(u"spanguan"_s, u"9"_s),
        DomEdit::setValue(u"miao"_s, u"5"_s),
        DomEdit::setChecked(u"R2"_s, true),
        DomEdit::setChecked(u"R3"_s, false),
        DomEdit::setTag(u"answer2"_s, u"0.4"_s),
    };
    const QJsonArray json = toJson(edits);
    QCOMPARE(json.size(), edits.size());
    QCOMPARE(domEditsFromJson(json), edits);
}

void TestPageCore::domEditsWithUnknownOpAreDropped()
{
    QJsonArray json = toJson({DomEdit::setValue(u"a"_s, u"1"_s)});
    QJsonObject bogus;
    bogus.insert("op"_L1, "removeEverything"_L1);
    bogus.insert("target"_L1, "a"_L1);
    json.prepend(bogus);
    QCOMPARE(domEditsFromJson(json), DomEdits{DomEdit::setValue(u"a"_s, u"1"_s)});
}

void TestPageCore::findsElementsByNameOrId()
{
    const PageDocument doc({
        {u"answer1"_s, {}, u"text"_s, u"9"_s, u"9"_s, false},
        {{}, u"spanguan"_s, {}, {}, {}, false},
        {u"R1"_s, u"answer1"_s, u"radio"_s, {}, u"12"_s, false},
        {u"finish"_s, {}, u"button"_s, u"提交答案"_s, u"十"_s, false},
    });

    const PageElement *byName = doc.find(u"answer1"_s);
    QVERIFY(byName);
    QCOMPARE(byName->tag, u"9"_s); // the first in order, not the later id match
    const PageElement *byId = doc.find(u"spanguan"_s);
    QVERIFY(byId);
    QCOMPARE(byId, &doc.elements().at(1));
    QVERIFY(!doc.find(u"answer2"_s));
    QVERIFY(!doc.find(u"ANSWER1"_s));
    // Elements with no name or id are not found by the empty key.
    QVERIFY(!doc.find(QString()));

    // An id earlier in the order wins over a later name.
    const PageDocument idFirst(
        {{u"x"_s, u"k"_s, {}, u"first"_s, {}, false}, {u"k"_s, {}, {}, u"second"_s, {}, false}});
    QCOMPARE(idFirst.find(u"k"_s)->value, u"first"_s);
}

void TestPageCore::writesUpdateReadsAndAreRecorded()
{
    PageDocument doc({
        {u"answer1"_s, {}, u"text"_s, {}, u"9"_s, false},
        {u"answer1"_s, {}, u"text"_s, {}, u"other"_s, false},
        {u"R1"_s, {}, u"radio"_s, {}, u"12"_s, false},
    });

    doc.setValue(u"answer1"_s, u"8"_s);
    doc.setTag(u"answer1"_s, u"10"_s);
    doc.setChecked(u"R1"_s, true);
    doc.insertTextAfter(u"answer1"_s, u"(×，正确答案：10)"_s);
    doc.setValue(u"missing"_s, u"1"_s);

    QCOMPARE(doc.find(u"answer1"_s)->value, u"8"_s);
    QCOMPARE(doc.find(u"answer1"_s)->tag, u"10"_s);
    QVERIFY(doc.find(u"R1"_s)->checked);
    // Only the first element of that name changes.
    QCOMPARE(doc.elements().at(1).tag, u"other"_s);
    QCOMPARE(doc.elements().at(1).value, QString());

    const DomEdits expected = {
        DomEdit::setValue(u"answer1"_s, u"8"_s),
        DomEdit::setTag(u"answer1"_s, u"10"_s),
        DomEdit::setChecked(u"R1"_s, true),
        DomEdit::insertTextAfter(u"answer1"_s, u"(×，正确答案：10)"_s),
        DomEdit::setValue(u"missing"_s, u"1"_s),
    };
    QCOMPARE(doc.edits(), expected);
    QCOMPARE(doc.takeEdits(), expected);
    QVERIFY(doc.edits().isEmpty());

    doc.setChecked(u"R1"_s, false);
    QVERIFY(!doc.find(u"R1"_s)->checked);
    QCOMPARE(doc.edits(), DomEdits{DomEdit::setChecked(u"R1"_s, false)});
}

void TestPageCore::setBodyForgetsOldElements()
{
    PageDocument doc({{u"answer1"_s, {}, u"text"_s, u"3"_s, u"3"_s, false}});
    doc.setBody(u"new page"_s);
    QVERIFY(!doc.find(u"answer1"_s));
    QCOMPARE(doc.edits(), DomEdits{DomEdit::setBody(u"new page"_s)});
}

void TestPageCore::readsSnapshotJson()
{
    QJsonObject box;
    box.insert("name"_L1, "answer10"_L1);
    box.insert("type"_L1, "text"_L1);
    box.insert("value"_L1, "0.4"_L1);
    box.insert("tag"_L1, "0.4"_L1);
    QJsonObject radio;
    radio.insert("name"_L1, "n2"_L1);
    radio.insert("id"_L1, "n2id"_L1);
    radio.insert("tag"_L1, u"中等"_s);
    radio.insert("checked"_L1, true);
    const PageDocument doc = PageDocument::fromJson({box, radio});

    QCOMPARE(doc.elements().size(), 2);
    QCOMPARE(doc.find(u"answer10"_s)->value, u"0.4"_s);
    QCOMPARE(doc.find(u"answer10"_s)->tag, u"0.4"_s);
    QVERIFY(!doc.find(u"answer10"_s)->checked);
    QCOMPARE(doc.find(u"n2id"_s)->tag, u"中等"_s);
    QVERIFY(doc.find(u"n2"_s)->checked);
    QVERIFY(!doc.find(u"answer1"_s));
}

void TestPageCore::settingsFileRoundTrip()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString folder = dir.filePath(u"sub"_s);

    const QString tricky = u"a\\b\nc\r\nd=e [x] \\n"_s;
    {
        IniSettingsStore store(folder);
        QCOMPARE(store.read(u"mbqzt"_s, u"jb"_s, u"num"_s), QString());
        QVERIFY(store.write(u"mbqzt"_s, u"jb"_s, u"num"_s, u"1"_s));
        QVERIFY(store.write(u"mbqzt"_s, u"jb"_s, u"第1个"_s, u"加法/10以内加法-->用时35秒！"_s));
        QVERIFY(store.write(u"mbqzt"_s, u"jb"_s, u"tricky"_s, tricky));
        QVERIFY(store.write(u"mbqzt"_s, u"other"_s, u"num"_s, u"7"_s));
        QVERIFY(store.write(u"app2"_s, u"jb"_s, u"num"_s, u"8"_s));
        QVERIFY(store.write(u"mbqzt"_s, u"jb"_s, u"num"_s, u"2"_s)); // overwrite
        QVERIFY(store.write(u"mbqzt"_s, u"jb"_s, u"empty"_s, QString()));
        QVERIFY(store.write(u"mbqzt"_s, u"jb"_s, u"k=1"_s, u"v"_s));
        QVERIFY(store.write(u"mbqzt"_s, u"jb"_s, u"[a"_s, u"b]"_s));
        QVERIFY(store.write(u"mbqzt"_s, u"jb"_s, u"第2个"_s, u"a"_s));
        QVERIFY(store.write(u"mbqzt"_s, u"jb"_s, u"第2个"_s, QString())); // emptied again
        QCOMPARE(store.read(u"mbqzt"_s, u"jb"_s, u"num"_s), u"2"_s);
    }
    // One INI file per application, the section as its group.
    QVERIFY(QFile::exists(folder + u"/mbqzt.ini"_s));
    QVERIFY(QFile::exists(folder + u"/app2.ini"_s));

    const IniSettingsStore reopened(folder);
    QCOMPARE(reopened.read(u"mbqzt"_s, u"jb"_s, u"num"_s), u"2"_s);
    QCOMPARE(reopened.read(u"mbqzt"_s, u"jb"_s, u"第1个"_s), u"加法/10以内加法-->用时35秒！"_s);
    QCOMPARE(reopened.read(u"mbqzt"_s, u"jb"_s, u"tricky"_s), tricky);
    QCOMPARE(reopened.read(u"mbqzt"_s, u"other"_s, u"num"_s), u"7"_s);
    QCOMPARE(reopened.read(u"app2"_s, u"jb"_s, u"num"_s), u"8"_s);
    QCOMPARE(reopened.read(u"mbqzt"_s, u"jb"_s, u"empty"_s), QString());
    QCOMPARE(reopened.read(u"mbqzt"_s, u"jb"_s, u"第2个"_s), QString());
    // Keys with "=" or a leading "[" neither split early nor read as a group.
    QCOMPARE(reopened.read(u"mbqzt"_s, u"jb"_s, u"k=1"_s), u"v"_s);
    QCOMPARE(reopened.read(u"mbqzt"_s, u"jb"_s, u"[a"_s), u"b]"_s);
    QCOMPARE(reopened.read(u"mbqzt"_s, u"jb"_s, u"k"_s), QString());
    QCOMPARE(reopened.read(u"nothere"_s, u"jb"_s, u"num"_s), QString());
}

void TestPageCore::settingsWriteToUnwritablePathFails()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString plainFile = dir.filePath(u"plain"_s);
    {
        QFile file(plainFile);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a folder");
    }
    IniSettingsStore store(plainFile);
    QVERIFY(!store.write(u"mbqzt"_s, u"jb"_s, u"num"_s, u"1"_s));
    QVERIFY(!QFile::exists(plainFile + u"/mbqzt.ini"_s));
}

void TestPageCore::damagedSettingsFilesKeepTheirRecords_data()
{
    QTest::addColumn<QByteArray>("file");
    const QByteArray records =
        "[jb]\r\nnum=1\r\n%U7B2C1%U4E2A=" + u"加法/10以内加法"_s.toUtf8() + "\r\n";
    QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF") + records;
    QTest::newRow("line without =") << records + "junk\r\n";
    QTest::newRow("junk bytes") << records + QByteArray("\x01\x02=\r\n[", 7);
    QStringEncoder gbk("GBK");
    QTest::newRow("GBK") << QByteArray(gbk.encode(u"[jb]\r\nnum=1\r\n第1个=加法/10以内加法\r\n"_s));
}

void TestPageCore::damagedSettingsFilesKeepTheirRecords()
{
    QFETCH(QByteArray, file);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"mbqzt.ini"_s);
    {
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(file);
    }
    {
        IniSettingsStore store(dir.path());
        QCOMPARE(store.read(u"mbqzt"_s, u"jb"_s, u"第1个"_s), u"加法/10以内加法"_s);
        // A write that reaches the disk says so, every time.
        QVERIFY(store.write(u"mbqzt"_s, u"jb"_s, u"第2个"_s, u"减法/20以内减法"_s));
        QVERIFY(store.write(u"mbqzt"_s, u"jb"_s, u"num"_s, u"2"_s));
    }
    const IniSettingsStore reopened(dir.path());
    QCOMPARE(reopened.read(u"mbqzt"_s, u"jb"_s, u"第1个"_s), u"加法/10以内加法"_s);
    QCOMPARE(reopened.read(u"mbqzt"_s, u"jb"_s, u"第2个"_s), u"减法/20以内减法"_s);
    QCOMPARE(reopened.read(u"mbqzt"_s, u"jb"_s, u"num"_s), u"2"_s);
    QCOMPARE(QFile::exists(path + u".gbk"_s), QByteArray(QTest::currentDataTag()) == "GBK");
}

void TestPageCore::medalCount_data()
{
    QTest::addColumn<bool>("stored");
    QTest::addColumn<QString>("num");
    QTest::addColumn<int>("records"); // records 第1个 … 第records个 are stored
    QTest::addColumn<int>("count");

    QTest::newRow("missing") << false << QString() << 0 << 0;
    QTest::newRow("zero") << true << u"0"_s << 0 << 0;
    QTest::newRow("two") << true << u"2"_s << 2 << 2;
    QTest::newRow("leading digits") << true << u"12abc"_s << 0 << 12;
    // A count that is no sound count is rebuilt from the records.
    QTest::newRow("missing, records kept") << false << QString() << 3 << 3;
    QTest::newRow("empty") << true << QString() << 2 << 2;
    QTest::newRow("letters") << true << u"abc"_s << 2 << 2;
    QTest::newRow("negative") << true << u"-3"_s << 1 << 1;
    QTest::newRow("largest int") << true << u"2147483647"_s << 4 << 4;
    QTest::newRow("too large for a count") << true << u"99999999999"_s << 0 << 0;
    // A count below the records rises to them, so none is overwritten.
    QTest::newRow("count behind the records") << true << u"2"_s << 5 << 5;
}

void TestPageCore::medalCount()
{
    QFETCH(bool, stored);
    QFETCH(QString, num);
    QFETCH(int, records);
    QFETCH(int, count);

    MemorySettingsStore store;
    if (stored)
        store.write(u"mbqzt"_s, u"jb"_s, u"num"_s, num);
    for (int k = 1; k <= records; ++k)
        store.write(u"mbqzt"_s, u"jb"_s, MedalBook::recordKey(k), u"R"_s + QString::number(k));
    MedalBook book(store);
    QCOMPARE(book.load(), count);
    if (count == 0)
        QCOMPARE(book.pageText(), u"每当你得到一个100分的时候，就会得到一块奖牌。<br>"_s);

    // The next award follows the last record and keeps every earlier one.
    QVERIFY(book.award(u"NEW"_s));
    QCOMPARE(book.count(), count + 1);
    QCOMPARE(store.read(u"mbqzt"_s, u"jb"_s, u"num"_s), QString::number(count + 1));
    QCOMPARE(store.read(u"mbqzt"_s, u"jb"_s, MedalBook::recordKey(count + 1)), u"NEW"_s);
    for (int k = 1; k <= records; ++k)
        QCOMPARE(store.read(u"mbqzt"_s, u"jb"_s, MedalBook::recordKey(k)),
                 u"R"_s + QString::number(k));
}

void TestPageCore::medalPageListsRecords()
{
    MemorySettingsStore store;
    store.write(u"mbqzt"_s, u"jb"_s, u"num"_s, u"2"_s);
    store.write(u"mbqzt"_s, u"jb"_s, u"第1个"_s, u"RECORD1"_s);
    store.write(u"mbqzt"_s, u"jb"_s, u"第2个"_s, u"RECORD2"_s);
    // Records in another section or application are not medals.
    store.write(u"mbqzt"_s, u"other"_s, u"第3个"_s, u"X"_s);

    MedalBook book(store);
    QCOMPARE(book.load(), 2);
    const QString row = u"<tr><td valign=center>第%1块： </td><td valign=center>"
                        u"<img src=zimu\\jb.gif></td><td valign=center> %2</td></tr>"_s;
    const QString head = u"每当你得到一个100分的时候，就会得到一块奖牌。<br>"
                         u"你现在已经得到了2块奖牌<br><table>"_s;
    QCOMPARE(book.pageText(),
             head + row.arg(1).arg(u"RECORD1"_s) + row.arg(2).arg(u"RECORD2"_s) + u"</table>"_s);

    // A count above the stored records shows the missing one as an empty cell.
    store.write(u"mbqzt"_s, u"jb"_s, u"num"_s, u"3"_s);
    QCOMPARE(book.load(), 3);
    QVERIFY(book.pageText().endsWith(row.arg(3).arg(QString()) + u"</table>"_s));
    QVERIFY(book.pageText().contains(u"你现在已经得到了3块奖牌<br>"_s));

    // Stored records are text, never markup of the page.
    store.write(u"mbqzt"_s, u"jb"_s, u"第3个"_s, u"<img src=x onerror=alert(1)>&"_s);
    QVERIFY(book.pageText().endsWith(row.arg(3).arg(u"&lt;img src=x onerror=alert(1)>&amp;"_s) +
                                     u"</table>"_s));
}

void TestPageCore::layoutOfStartWindow()
{
    LayoutInput in;
    in.innerWidth = 739;
    in.innerHeight = 518;
    in.toolbarHeight = 30;
    in.statusBarHeight = 20;
    in.tabRowHeight = 24;
    const std::optional<WindowLayout> layout = computeLayout(in);
    QVERIFY(layout);

    // Tab strip: W − 8 wide at left 2, under the tool bar, H − 1.2 × tool bar − status high.
    QCOMPARE(layout->tabStrip, (Box{2, 33, 731, 462}));

    // The client area lies inside the 24-pixel tab row and a 2-pixel border.
    const Box client = tabStripClientArea(layout->tabStrip, in.tabRowHeight);
    QCOMPARE(client, (Box{4, 59, 727, 434}));

    // Tree one pixel inside the client area, fixed width 209, client height.
    QCOMPARE(layout->tree, (Box{5, 60, 209, 434}));
    // Pane right of the tree: left tree width + tree left + 5, width client
    // width − tree width − 7, the tree's top and height.
    QCOMPARE(layout->pane, (Box{219, 60, 511, 434}));
}

void TestPageCore::layoutSkipsZeroHeight()
{
    LayoutInput in;
    in.innerWidth = 739;
    in.innerHeight = 0;
    in.toolbarHeight = 30;
    in.statusBarHeight = 20;
    in.tabRowHeight = 24;
    QVERIFY(!computeLayout(in));
}

void TestPageCore::layoutOfTinyWindowHasNoNegativeSizes()
{
    LayoutInput in;
    in.innerWidth = 1;
    in.innerHeight = 1;
    in.toolbarHeight = 30;
    in.statusBarHeight = 20;
    in.tabRowHeight = 24;
    const std::optional<WindowLayout> layout = computeLayout(in);
    QVERIFY(layout);
    for (const Box &box : {layout->tabStrip, layout->tree, layout->pane}) {
        QVERIFY(box.width >= 0);
        QVERIFY(box.height >= 0);
    }
    QCOMPARE(layout->pane.width, 0);
    QCOMPARE(layout->tabStrip.height, 0);
    QCOMPARE(tabStripClientArea(layout->tabStrip, in.tabRowHeight).height, 0);
}

void TestPageCore::randomDrawsAreUniformAndReproducible()
{
    SeededRandom a(2024);
    SeededRandom b(2024);
    SeededRandom c(2025);
    int buckets[10] = {};
    bool differs = false;
    constexpr int draws = 100000;
    for (int i = 0; i < draws; ++i) {
        const float r = a.next();
        QVERIFY(r >= 0.0f && r < 1.0f);
        QCOMPARE(b.next(), r);
        differs = differs || c.next() != r;
        ++buckets[int(r * 10)];
    }
    QVERIFY(differs);
    // Each tenth of [0, 1) gets its share, within five standard deviations.
    for (int count : buckets)
        QVERIFY2(std::abs(count - draws / 10) < 500, qPrintable(QString::number(count)));
    // Int(r × k) + m covers m to m + k − 1 and nothing else.
    QSet<int> seen;
    for (int i = 0; i < 2000; ++i)
        seen.insert(a.below(8, 2));
    QCOMPARE(seen, (QSet<int>{2, 3, 4, 5, 6, 7, 8, 9}));
}

void TestPageCore::exactArithmetic_data()
{
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QString>("value"); // "none" when it is no expression

    QTest::newRow("24 from thirds") << u"8/(3-8/3)"_s << u"24"_s;
    QTest::newRow("decimals are exact") << u"0.1+0.2"_s << u"3/10"_s;
    QTest::newRow("signs of the page") << u"（3＋5）×4÷2−1"_s << u"15"_s;
    QTest::newRow("brackets of three kinds") << u"{2*[3+(4-1)]}"_s << u"12"_s;
    QTest::newRow("precedence and unary minus") << u"-2^2+3*-1"_s << u"-7"_s;
    QTest::newRow("percent") << u"200*15%"_s << u"30"_s;
    QTest::newRow("negative power") << u"2^-2"_s << u"1/4"_s;
    QTest::newRow("division by zero") << u"1/(2-2)"_s << u"none"_s;
    QTest::newRow("overflow is no value") << u"99999999999*99999999999*99999"_s << u"none"_s;
    QTest::newRow("unclosed bracket") << u"(1+2"_s << u"none"_s;
    QTest::newRow("mismatched bracket") << u"(1+2]"_s << u"none"_s;
    QTest::newRow("letters") << u"2x"_s << u"none"_s;
    QTest::newRow("empty") << QString() << u"none"_s;
}

void TestPageCore::exactArithmetic()
{
    QFETCH(QString, expression);
    QFETCH(QString, value);
    const std::optional<Rational> result = evaluateExact(expression);
    QCOMPARE(result ? result->toString() : u"none"_s, value);

    // The numbers an answer starts with, as stated answers are written.
    QCOMPARE(leadingNumber(u" 12个"_s)->toString(), u"12"_s);
    QCOMPARE(leadingNumber(u"2又1/3千克"_s)->toString(), u"7/3"_s);
    QCOMPARE(leadingNumber(u"-0.25"_s)->toString(), u"-1/4"_s);
    QCOMPARE(leadingNumber(u"37.5%"_s)->toString(), u"3/8"_s);
    QVERIFY(!leadingNumber(u"约12"_s));
    QCOMPARE(Rational::fraction(2, 3).rounded(2).toString(), u"67/100"_s);
    QCOMPARE(Rational::fraction(-5, 2).rounded(0).toString(), u"-3"_s);
}

void TestPageCore::answerKeys_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("pairAnswer");
    QTest::addColumn<QStringList>("keys");
    QTest::newRow("four operations")
        << u"第1题：12+7= <input class=text name=answer1 tag=19><br>第2题：9-4= "
           u"<input class=text name=answer2 tag=5><br><input class=button name=finish>"_s
        << u"%1%2"_s << QStringList{u"19"_s, u"5"_s};
    QTest::newRow("fractions")
        << u"<input name=answerup1 tag=3><input name=answerdown1 tag=4><td id=fenshupl1></td>"_s
        << u"%1%2"_s << QStringList{u"3/4"_s};
    QTest::newRow("hours and minutes")
        << u"<input name=answerleft1 tag=2>小时<input name=answerright1 tag=15>分"_s
        << u"%1小时%2分"_s << QStringList{u"2小时15分"_s};
    QTest::newRow("inequality")
        << u"3+4&lt;<input name=Qanswer1 tag=><input type=hidden name=answer1 tag=6>"_s << u"%1%2"_s
        << QStringList{u"6"_s};
}

void TestPageCore::answerKeys()
{
    QFETCH(QString, html);
    QFETCH(QString, pairAnswer);
    QFETCH(QStringList, keys);
    QCOMPARE(answerKeyOf(PageText(html).snapshot(), pairAnswer), keys);
    // The key page: one line an item, after a page break of its own.
    const QString sheet = worksheet(u"题目"_s, html, keys);
    QVERIFY(sheet.contains(u"姓名________"_s) && sheet.contains(u"<h1>题目</h1>"_s));
    QCOMPARE(sheet.count(u"<span>第"_s), keys.size());
    QVERIFY(sheet.indexOf(u"class=answer-key"_s) > sheet.indexOf(html));
}

QTEST_GUILESS_MAIN(TestPageCore)
#include "tst_pagecore.moc"
