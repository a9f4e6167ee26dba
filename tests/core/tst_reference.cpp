// The reference pages with the real program folder: the five term lists and
// their recordings, the term nodes added once per tree, the spoken term, the
// true-or-false sheets graded in place, and the files the reference nodes
// open.
#include "app/core/catalogue.h"
#include "app/core/maincontroller.h"
#include "app/core/recordingview.h"
#include "content/programfiles.h"
#include "content/storedtexts.h"
#include "controllerfixture.h"
#include "page/randomsource.h"
#include "page/settingsstore.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace quorvel;

namespace {

int tabOf(const QString &tabKey)
{
    const auto &tabs = catalogue::tabs();
    for (int i = 0; i < tabs.size(); ++i)
        if (tabs[i].key == tabKey)
            return i;
    return -1;
}

// The window on the real program folder, panes reading the files they load.
struct Window
{
    explicit Window(ProgramFiles &programFiles) : controller(view, programFiles, settings, random)
    {
        const auto read = [](const QString &path) -> std::optional<QString> {
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly))
                return std::nullopt;
            return QString::fromUtf8(file.readAll());
        };
        view.main.readFile = read;
        view.second.readFile = read;
        controller.start();
        controller.accounts().reloadStoredPassword();
        controller.accounts().confirmLogin(u"463"_s);
    }

    RecordingView view;
    MemorySettingsStore settings;
    SeededRandom random{1};
    MainWindowController controller;
};

} // namespace

class TestReference : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void termLists_data();
    void termLists();
    void termNodesOncePerTree();
    void termPageAndSound();
    void sheetsGradedInPlace_data();
    void sheetsGradedInPlace();
    void nodesOpenFilesThatExist();

private:
    DiskProgramFiles m_files{DiskProgramFiles::locate(QStringLiteral(QUORVEL_TEST_BIN_DIR))};
};

void TestReference::termLists_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<QString>("first");
    QTest::addColumn<int>("lines"); // 0: at least 30
    QTest::newRow("整数") << 6002 << u"自然数"_s << 65;
    QTest::newRow("小数") << 6003 << u"小数"_s << 0;
    QTest::newRow("分数") << 6004 << u"分数线"_s << 0;
    QTest::newRow("百分数") << 6005 << u"百分数"_s << 0;
    QTest::newRow("几何") << 6006 << u"线段"_s << 0;
}

void TestReference::termLists()
{
    QFETCH(int, group);
    QFETCH(QString, first);
    QFETCH(int, lines);

    QStringList all = texts::termList(group).split(u"\r\n"_s);
    if (all.last().isEmpty())
        all.removeLast(); // the final line end
    if (lines)
        QCOMPARE(all.size(), lines);
    else
        QVERIFY(all.size() >= 30);

    static const QRegularExpression format(u"^\\[([^\\[\\]]+)\\](\\S.*)$"_s);
    QSet<QString> seen;
    for (const QString &line : std::as_const(all)) {
        const QRegularExpressionMatch m = format.match(line);
        QVERIFY2(m.hasMatch(), qPrintable(line));
        const QString term = m.captured(1);
        QVERIFY2(!seen.contains(term), qPrintable(term));
        seen.insert(term);
        // A playable recording: an MP3 header and sound after it.
        const QString sound = u"sound/"_s + term + u".mp3"_s;
        const std::optional<QByteArray> bytes = m_files.readBytes(sound, 1 << 20);
        QVERIFY2(bytes && bytes->size() > 1000, qPrintable(sound));
        const bool id3 = bytes->startsWith("ID3");
        const bool frame = quint8(bytes->at(0)) == 0xFF && (quint8(bytes->at(1)) & 0xE0) == 0xE0;
        QVERIFY2(id3 || frame, qPrintable(sound));
    }
    QVERIFY(all.first().startsWith(u'[' + first + u']'));
    if (group == 6002)
        QVERIFY(all[16].startsWith(u"[商]"_s));
}

void TestReference::termNodesOncePerTree()
{
    Window w(m_files);
    MainWindowController &c = w.controller;
    c.selectTab(tabOf(u"T6"_s));
    QVERIFY(c.tree().childKeys(u"q6002"_s).isEmpty());

    c.nodeClicked(u"q6002"_s);
    QCOMPARE(w.view.main.body, QString());
    const QStringList children = c.tree().childKeys(u"q6002"_s);
    QCOMPARE(children.size(), 65);
    QCOMPARE(children.first(), u"q6002001"_s);
    QCOMPARE(c.tree().find(u"q6002001"_s)->caption, u"自然数"_s);
    QCOMPARE(c.tree().find(u"q6002001"_s)->tag, u"{6002001"_s);
    QCOMPARE(c.tree().find(u"q6002017"_s)->caption, u"商"_s);

    // A second click adds nothing; a new tree gets them again on its first.
    c.nodeClicked(u"q6002"_s);
    QCOMPARE(c.tree().childKeys(u"q6002"_s).size(), 65);
    c.selectTab(tabOf(u"T7"_s));
    c.selectTab(tabOf(u"T6"_s));
    QVERIFY(c.tree().childKeys(u"q6002"_s).isEmpty());
    c.nodeClicked(u"q6002"_s);
    QCOMPARE(c.tree().childKeys(u"q6002"_s), children);
}

void TestReference::termPageAndSound()
{
    Window w(m_files);
    MainWindowController &c = w.controller;
    c.selectTab(tabOf(u"T6"_s));
    c.nodeClicked(u"q6006"_s);
    c.nodeClicked(u"q6006001"_s);
    const QString line = texts::termList(6006).section(u"\r\n"_s, 0, 0);
    QCOMPARE(w.view.main.body, u"<h1>线段</h1><h2><br>&nbsp;&nbsp;&nbsp;&nbsp;"_s +
                                   line.mid(line.indexOf(u']') + 1) + u"</h2>"_s);
    QCOMPARE(w.view.sounds, QStringList{m_files.absolutePath(u"sound/线段.mp3"_s)});

    // Without its recording, the term is shown in silence.
    MemoryProgramFiles bare;
    bare.addFile(u"help.htm"_s, "<html><body></body></html>");
    Window silent(bare);
    silent.controller.selectTab(tabOf(u"T6"_s));
    silent.controller.nodeClicked(u"q6002"_s);
    silent.controller.nodeClicked(u"q6002017"_s);
    QVERIFY(silent.view.main.body.startsWith(u"<h1>商</h1>"_s));
    QVERIFY(silent.view.sounds.isEmpty());
}

void TestReference::sheetsGradedInPlace_data()
{
    QTest::addColumn<QString>("key");
    for (int k = 1; k <= 5; ++k)
        QTest::newRow(qPrintable(u"第%1份"_s.arg(k))) << u"q66878"_s + QString::number(k);
}

void TestReference::sheetsGradedInPlace()
{
    QFETCH(QString, key);
    for (const bool oneWrong : {false, true}) {
        Window w(m_files);
        w.controller.selectTab(tabOf(u"T6"_s));
        w.controller.nodeClicked(key);
        QCOMPARE(w.view.front, PaneId::Main);
        QVERIFY(w.view.main.loadedFile.endsWith(u"/zimu/"_s + key.right(1) + u".html"_s));

        const PageDocument page = w.view.main.document.snapshot();
        QVERIFY(page.find(u"finish"_s));
        int items = 0;
        while (const PageElement *box = page.find(u"answer"_s + QString::number(items + 1))) {
            QVERIFY(box->tag == "0"_L1 || box->tag == "1"_L1);
            ++items;
        }
        QCOMPARE(items, 20);

        QHash<QString, QString> typed;
        if (oneWrong)
            typed.insert(u"answer7"_s, page.find(u"answer7"_s)->tag == "1"_L1 ? u"0"_s : u"1"_s);
        PageDocument answered = answeredPage(w.view.main.document, typed);
        w.view.main.edits.clear();
        w.controller.pageEvent(u"click"_s, u"finish"_s, answered);
        const DomEdits marks = marksOnly(w.view.main.edits);
        QCOMPARE(marks.size(), 21);
        const QString result = marks.last().text;
        QVERIFY2(result.contains(oneWrong ? u"你的得分是95分"_s : u"你的得分是100分"_s),
                 qPrintable(result));
        QCOMPARE(w.controller.medalCount(), oneWrong ? 0 : 1);
    }
}

void TestReference::nodesOpenFilesThatExist()
{
    Window w(m_files);
    MainWindowController &c = w.controller;
    int opened = 0;
    for (const QString tab : {u"T6"_s, u"T7"_s}) {
        c.selectTab(tabOf(tab));
        QSet<QString> clicked; // groups may add nodes on their first click
        for (qsizetype i = 0; i < c.tree().nodes().size(); ++i) {
            const TopicNode node = c.tree().nodes().at(i);
            if (clicked.contains(node.key))
                continue;
            clicked.insert(node.key);
            w.view.second.loadedFile.clear();
            c.nodeClicked(node.key);
            const QString shown = w.view.second.loadedFile;
            if (!shown.isEmpty()) {
                QVERIFY2(QFile::exists(shown), qPrintable(node.key + u' ' + shown));
                QCOMPARE(w.view.front, PaneId::Second);
                ++opened;
            }
            static const QRegularExpression image(u"<img src=([^ >]+)>"_s);
            const QRegularExpressionMatch m = image.match(w.view.main.body);
            if (m.hasMatch())
                QVERIFY2(m_files.exists(m.captured(1).replace(u'\\', u'/')), qPrintable(node.key));
        }
    }
    // 12 word lists, sentences, figures, 10 summaries, 106 textbook units.
    QCOMPARE(opened, 14 + 10 + 106);
    c.selectTab(tabOf(u"T6"_s));
    c.nodeClicked(u"q601303"_s);
    QCOMPARE(w.view.main.body,
             u"<div style='position:absolute; width:100%; height:100%; z-index: 1; left: 0px; "
             u"top: 0px; background-color: #FFFFFF'><img src=zimu\\gs-3.gif>"_s);
}

QTEST_GUILESS_MAIN(TestReference)
#include "tst_reference.moc"
