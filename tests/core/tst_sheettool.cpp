// quorvel-sheet as a teacher runs it: exact pages for every four-operation
// node, the same page for the same seed, and clear refusals of bad input.
#include "app/core/catalogue.h"
#include "app/core/maincontroller.h"
#include "app/core/recordingview.h"
#include "content/programfiles.h"
#include "page/randomsource.h"
#include "page/settingsstore.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace quorvel;

namespace {

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

Run sheet(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(QUORVEL_TEST_BIN_DIR "/quorvel-sheet"), arguments);
    Run run;
    if (!process.waitForFinished(30000))
        return run;
    run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

} // namespace

class TestSheetTool : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void printsTheWindowsPageForEveryDrillNode_data();
    void printsTheWindowsPageForEveryDrillNode();
    void optionsShapeThePage();
    void refusesBadInput_data();
    void refusesBadInput();
    void standaloneIsAPrintableDocument();
    void worksheetsWithAnswerKeys();
    void reachesListsAndGrades_data();
    void reachesListsAndGrades();
};

void TestSheetTool::printsTheWindowsPageForEveryDrillNode_data()
{
    QTest::addColumn<QString>("tab");
    QTest::addColumn<QString>("key");
    DiskProgramFiles files(DiskProgramFiles::locate(QStringLiteral(QUORVEL_TEST_BIN_DIR)));
    for (const QString &tab : {u"T1"_s, u"T3"_s}) {
        TopicTree tree;
        CatalogueBuilder(files).buildTab(catalogue::captionOfKey(tab), tree);
        for (const TopicNode &node : tree.nodes()) {
            const QChar family = node.tag.front();
            if (family == u'+' || family == u'-' || family == u'×' || family == u'÷')
                QTest::addRow("%s %s", qPrintable(tab), qPrintable(node.key)) << tab << node.key;
        }
    }
}

void TestSheetTool::printsTheWindowsPageForEveryDrillNode()
{
    QFETCH(QString, tab);
    QFETCH(QString, key);
    const Run run = sheet({u"--tab"_s, tab, u"--key"_s, key, u"--seed"_s, u"11"_s});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.err, u"front: WebBrowser1\n"_s);

    // The same page the window writes for the same click and draws.
    RecordingView view;
    DiskProgramFiles files(DiskProgramFiles::locate(QStringLiteral(QUORVEL_TEST_BIN_DIR)));
    MemorySettingsStore settings;
    SeededRandom random(11);
    MainWindowController controller(view, files, settings, random);
    const auto &tabs = catalogue::tabs();
    for (int i = 0; i < tabs.size(); ++i)
        if (tabs[i].key == tab)
            controller.selectTab(i);
    controller.nodeClicked(key);
    QCOMPARE(run.out, view.main.body);
    QVERIFY(!run.out.isEmpty());
}

void TestSheetTool::optionsShapeThePage()
{
    const QStringList base = {u"--tab"_s, u"T1"_s, u"--key"_s, u"q13"_s, u"--seed"_s, u"5"_s};
    const Run first = sheet(base);
    QCOMPARE(sheet(base).out, first.out);
    QVERIFY(sheet({u"--tab"_s, u"T1"_s, u"--key"_s, u"q13"_s, u"--seed"_s, u"6"_s}).out !=
            first.out);

    static const QRegularExpression box(u"name=answer\\d+ "_s);
    QCOMPARE(sheet(base + QStringList{u"--items"_s, u"50"_s}).out.count(box), 50);
    // Ten-ranges cannot fill 50 items.
    QCOMPARE(
        sheet({u"--tab"_s, u"T1"_s, u"--key"_s, u"q11"_s, u"--items"_s, u"50"_s}).out.count(box),
        20);
    QVERIFY(sheet(base + QStringList{u"--mode"_s, u"column"_s}).out.contains(u"---------<br>"_s));
    QVERIFY(
        sheet(base + QStringList{u"--mode"_s, u"inequality"_s}).out.contains(u"name=Qanswer1 "_s));

    static const QRegularExpression fourPlaces(u"÷\\d+\\.\\d{3}[1-9]="_s);
    QVERIFY(fourPlaces
                .match(sheet({u"--tab"_s, u"T3"_s, u"--key"_s, u"q46"_s, u"--places"_s, u"4"_s,
                              u"--items"_s, u"20"_s})
                           .out)
                .hasMatch());

    // A group header writes its note; a group of another family keeps the pane.
    QVERIFY(sheet({u"--tab"_s, u"T1"_s, u"--key"_s, u"q3"_s}).out == u"乘法题!"_s);
    const Run kept = sheet({u"--tab"_s, u"T9"_s, u"--key"_s, u"q8888700"_s});
    QCOMPARE(kept.exitCode, 0);
    QVERIFY(kept.out.isEmpty());
    QVERIFY(kept.err.contains(u"keeps its page"_s));
}

void TestSheetTool::refusesBadInput_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::newRow("unknown tab") << QStringList{u"--tab"_s, u"T17"_s, u"--key"_s, u"q1"_s}
                                 << u"unknown tab"_s;
    QTest::newRow("no tab") << QStringList{u"--key"_s, u"q1"_s} << u"unknown tab"_s;
    QTest::newRow("unknown key") << QStringList{u"--tab"_s, u"T1"_s, u"--key"_s, u"q99"_s}
                                 << u"no node q99"_s;
    QTest::newRow("key of another tab")
        << QStringList{u"--tab"_s, u"T1"_s, u"--key"_s, u"q7"_s} << u"no node q7"_s;
    QTest::newRow("items") << QStringList{u"--tab"_s, u"T1"_s,      u"--key"_s,
                                          u"q17"_s,   u"--items"_s, u"30"_s}
                           << u"--items"_s;
    QTest::newRow("places") << QStringList{u"--tab"_s, u"T3"_s,       u"--key"_s,
                                           u"q41"_s,   u"--places"_s, u"5"_s}
                            << u"--places"_s;
    QTest::newRow("mode") << QStringList{u"--tab"_s, u"T1"_s,     u"--key"_s,
                                         u"q17"_s,   u"--mode"_s, u"wide"_s}
                          << u"--mode"_s;
    QTest::newRow("seed") << QStringList{u"--tab"_s, u"T1"_s,     u"--key"_s,
                                         u"q17"_s,   u"--seed"_s, u"-x"_s}
                          << u"--seed"_s;
    QTest::newRow("unknown option")
        << QStringList{u"--tab"_s, u"T1"_s, u"--colour"_s} << u"colour"_s;
    QTest::newRow("submit") << QStringList{u"--tab"_s, u"T1"_s,       u"--key"_s,
                                           u"q17"_s,   u"--submit"_s, u"all"_s}
                            << u"--submit"_s;
}

void TestSheetTool::refusesBadInput()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const Run run = sheet(arguments);
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.out.isEmpty());
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
}

void TestSheetTool::standaloneIsAPrintableDocument()
{
    const Run run =
        sheet({u"--tab"_s, u"T1"_s, u"--key"_s, u"q17"_s, u"--standalone"_s, u"--seed"_s, u"3"_s});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.startsWith(u"<!DOCTYPE html>"_s));
    QVERIFY(run.out.contains(u"href=\"content.css\""_s)); // the program's style sheet
    QVERIFY(run.out.contains(u"<base href=\"file://"_s));
    QVERIFY(run.out.contains(u"第10题："_s));
    QVERIFY(run.out.trimmed().endsWith(u"</html>"_s));
}

// --pages, --answers and --pdf: distinct sheets, each with its key, each on
// its own printed page.
void TestSheetTool::worksheetsWithAnswerKeys()
{
    const Run run = sheet({u"--tab"_s, u"T1"_s, u"--key"_s, u"q17"_s, u"--seed"_s, u"3"_s,
                           u"--pages"_s, u"3"_s, u"--answers"_s, u"--standalone"_s});
    QCOMPARE(run.exitCode, 0);
    const QStringList sheets = run.out.split(u"<div class=sheet>"_s).mid(1);
    QCOMPARE(sheets.size(), 3);
    QCOMPARE(QSet<QString>(sheets.cbegin(), sheets.cend()).size(), 3);
    for (const QString &s : sheets) {
        QVERIFY(s.contains(u"姓名________"_s));
        QVERIFY(s.contains(u"<h1>20以内加法</h1>"_s));
        QCOMPARE(s.count(u"<span>第"_s), 10);
    }
    // A page with no boxes prints, and says it has no key.
    const Run notes = sheet({u"--tab"_s, u"T10"_s, u"--key"_s, u"q6"_s, u"--answers"_s});
    QCOMPARE(notes.exitCode, 0);
    QVERIFY(notes.err.contains(u"no answer key"_s));

#ifdef QUORVEL_SHEET_PDF
    QTemporaryDir dir;
    const QString pdf = dir.filePath(u"week.pdf"_s);
    const Run printed = sheet({u"--tab"_s, u"T1"_s, u"--key"_s, u"q17"_s, u"--pages"_s, u"2"_s,
                               u"--answers"_s, u"--pdf"_s, pdf});
    QCOMPARE(printed.exitCode, 0);
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("%PDF"));
    static const QRegularExpression page(u"/Type\\s*/Page[^s]"_s);
    QCOMPARE(QString::fromLatin1(bytes).count(page), 4); // two sheets, two keys
    const Run refused = sheet({u"--tab"_s, u"T1"_s, u"--key"_s, u"q17"_s, u"--pdf"_s,
                               dir.filePath(u"no/such/folder/x.pdf"_s)});
    QCOMPARE(refused.exitCode, 2);
    QVERIFY(refused.err.contains(u"cannot write the PDF file"_s));
#endif
}

void TestSheetTool::reachesListsAndGrades_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("inOut"); // texts the page holds
    QTest::addColumn<QString>("err");       // standard error, whole
    QTest::addColumn<QStringList>("notInOut");

    const QStringList q17 = {u"--tab"_s, u"T1"_s, u"--key"_s, u"q17"_s, u"--seed"_s, u"2"_s};
    const QString perfect = u"非常不错！你的得分是100分，用时0秒！<br><img src=zimu\\jb.gif>"_s;
    QTest::newRow("right, advanced")
        << q17 + QStringList{u"--submit"_s, u"right"_s, u"--password"_s, u"463"_s}
        << QStringList{u"(√)<br><br>第10题："_s, perfect}
        << u"front: WebBrowser1\nmedal awarded\n"_s << QStringList{u"(×"_s};
    QTest::newRow("empty, advanced")
        << q17 + QStringList{u"--submit"_s, u"empty"_s, u"--password"_s, u"463"_s}
        << QStringList{u"(×，正确答案："_s, u"<br>你的得分是0分，用时0秒！"_s}
        << u"front: WebBrowser1\n"_s << QStringList{u"(√)"_s};
    QTest::newRow("right, student")
        << q17 + QStringList{u"--submit"_s, u"right"_s} << QStringList{u"第10题："_s}
        << u"front: WebBrowser1\nmessage: 你的密码不对，不能查看答案！请向高级用户咨询密码！\n"_s
        << QStringList{u"(√)"_s, u"得分"_s};
    QTest::newRow("wrong password is the student")
        << q17 + QStringList{u"--submit"_s, u"right"_s, u"--password"_s, u"464"_s} << QStringList{}
        << QString() << QStringList{u"(√)"_s};
    // The page text goes into the document as it is, backslashes and all.
    QTest::newRow("standalone graded")
        << q17 +
               QStringList{u"--submit"_s, u"right"_s, u"--password"_s, u"463"_s, u"--standalone"_s}
        << QStringList{u"<!DOCTYPE html>"_s, perfect + u"<br><br></body>"_s}
        << u"front: WebBrowser1\nmedal awarded\n"_s << QStringList{u"\\\\"_s};
    // A node its group adds on the first click.
    QTest::newRow("first-click child")
        << QStringList{u"--tab"_s, u"T9"_s, u"--key"_s, u"q8005003"_s}
        << QStringList{u"<h1>例2</h1>"_s} << u"front: WebBrowser1\n"_s << QStringList{};
    QTest::newRow("list")
        << QStringList{u"--tab"_s, u"T9"_s, u"--list"_s}
        << QStringList{u"q700\t{700\t\t求最大公约数\nq7001\t{7001\tq700\t基本概念\n"_s,
                       u"\nq8005002\t{8005002\tq8005\t"_s, u"\nq888870515\t"_s}
        << QString() << QStringList{};
}

void TestSheetTool::reachesListsAndGrades()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, inOut);
    QFETCH(QString, err);
    QFETCH(QStringList, notInOut);
    const Run run = sheet(arguments);
    QCOMPARE(run.exitCode, 0);
    for (const QString &text : inOut)
        QVERIFY2(run.out.contains(text), qPrintable(text));
    for (const QString &text : notInOut)
        QVERIFY2(!run.out.contains(text), qPrintable(text));
    if (!err.isNull())
        QCOMPARE(run.err, err);
}

QTEST_GUILESS_MAIN(TestSheetTool)
#include "tst_sheettool.moc"
