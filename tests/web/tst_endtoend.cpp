// The program as a child meets it, through the real web view offscreen:
// start-up, the introduction, a drill page clicked in the tree, the seconds
// in the status bar, page events and edits over the bridge, refused
// navigation and a tab change.
#include "app/shell/topictreewidget.h"
#include "app/web/panebridge.h"
#include "app/web/webpane.h"
#include "page/pagedocument.h"
#include "testwindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPageLayout>
#include <QPageSize>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTabBar>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEnginePage>

using namespace Qt::StringLiterals;
using namespace quorvel;

namespace {

QString bodyOf(WebPane *pane)
{
    return evaluate(pane, u"document.body.innerHTML"_s).toString();
}

} // namespace

class TestEndToEnd : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void startsWithHelpPageThenIntroduction();
    void treeClickWritesADrillPage();
    void statusBarCountsSeconds();
    void pageEventsCarryASnapshot();
    void editsKeepBackslashesAndSkipMissingElements();
    void refusesNavigationOutsideTheProgramFolder();
    void pagesCannotReadFilesOrConnect();
    void syntheticClicksDoNotGrade();
    void aWholePageByKeyboard();
    void levelGameByMouse();
    void tabChangeShowsTheMedalPage();
    void paperPrintsToPdf();

private:
    std::unique_ptr<TestWindow> m_app;
    WebPane *m_pane = nullptr;
};

void TestEndToEnd::initTestCase()
{
    m_app = std::make_unique<TestWindow>();
    m_pane = webPane(m_app->window.mainPane());
    m_app->window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m_app->window));
}

void TestEndToEnd::startsWithHelpPageThenIntroduction()
{
    QSignalSpy loaded(m_pane, &QWebEngineView::loadFinished);
    QSignalSpy applied(m_pane->bridge(), &PaneBridge::applied);
    m_app->window.controller().start();

    QVERIFY(loaded.wait(20000));
    QVERIFY(loaded.first().first().toBool());
    QVERIFY(m_pane->url().path().endsWith(u"/help.htm"_s));
    QVERIFY(bodyOf(m_pane).contains(u"QuorvelV37.0"_s));
    QCOMPARE(m_app->window.StatusBar1->text(), QString());

    // Half a second later the introduction replaces the help page's body.
    QVERIFY(applied.wait(10000));
    const QString body = bodyOf(m_pane);
    QVERIFY(body.contains(u"加减乘除"_s));
    QVERIFY(body.contains(u"<br>"_s));
    QVERIFY(!body.contains(u"\r"_s));
}

void TestEndToEnd::treeClickWritesADrillPage()
{
    TopicTreeWidget *tree = m_app->window.TreeView1;
    QTreeWidgetItem *item = tree->itemForKey(u"q17"_s);
    QVERIFY(item);
    QCOMPARE(item->text(0), u"20以内加法"_s);

    QSignalSpy applied(m_pane->bridge(), &PaneBridge::applied);
    const QRect rect = tree->visualItemRect(item);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, rect.center());
    QVERIFY(applied.wait(10000));

    // Read the items back from the page itself.
    const QJsonArray boxes = QJsonDocument::fromJson(evaluate(m_pane, uR"(JSON.stringify(
            [...document.querySelectorAll('input')].map(e => ({
                name: e.name, type: e.type, tag: e.getAttribute('tag'), value: e.value}))))"_s)
                                                         .toString()
                                                         .toUtf8())
                                 .array();
    QCOMPARE(boxes.size(), 11);
    const QString text = evaluate(m_pane, u"document.body.innerText"_s).toString();
    static const QRegularExpression itemPattern(u"第(\\d+)题：(\\d+)\\+(\\d+)="_s);
    int number = 0;
    for (auto it = itemPattern.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        ++number;
        QCOMPARE(m.captured(1).toInt(), number);
        const QJsonObject box = boxes[number - 1].toObject();
        QCOMPARE(box.value("name"_L1).toString(), u"answer"_s + QString::number(number));
        QCOMPARE(box.value("type"_L1).toString(), u"text"_s);
        const int sum = m.captured(2).toInt() + m.captured(3).toInt();
        QCOMPARE(box.value("tag"_L1).toString(), QString::number(sum));
        QVERIFY(sum >= 2 && sum <= 19);
    }
    QCOMPARE(number, 10);
    const QJsonObject finish = boxes.last().toObject();
    QCOMPARE(finish.value("name"_L1).toString(), u"finish"_s);
    QCOMPARE(finish.value("type"_L1).toString(), u"button"_s);
    QCOMPARE(finish.value("value"_L1).toString(), u"提交答案"_s);
}

void TestEndToEnd::statusBarCountsSeconds()
{
    // One second after the click the panel reads "1秒", never "0秒".
    QTRY_COMPARE_WITH_TIMEOUT(m_app->window.StatusBar1->text(), u"1秒"_s, 3000);
}

void TestEndToEnd::pageEventsCarryASnapshot()
{
    QSignalSpy events(m_pane->bridge(), &PaneBridge::pageEvent);
    evaluate(m_pane, u"document.getElementsByName('answer3')[0].value = '12'; true"_s);
    clickElement(m_pane, u"document.getElementsByName('answer3')[0]"_s);
    // A mouse click is a mouse-down, a mouse-up and a click.
    QTRY_COMPARE_WITH_TIMEOUT(events.size(), 3, 5000);
    const QList<QVariant> event = events.last();
    QCOMPARE(event.at(0).toString(), u"click"_s);
    QCOMPARE(event.at(1).toString(), u"answer3"_s);

    const PageDocument document = PageDocument::fromJson(event.at(3).toJsonArray());
    const PageElement *typed = document.find(u"answer3"_s);
    QVERIFY(typed);
    QCOMPARE(typed->value, u"12"_s);
    QVERIFY(!typed->tag.isEmpty());
    QVERIFY(document.find(u"finish"_s));
    QCOMPARE(document.find(u"answer10"_s)->type, u"text"_s);
}

void TestEndToEnd::editsKeepBackslashesAndSkipMissingElements()
{
    QSignalSpy applied(m_pane->bridge(), &PaneBridge::applied);
    m_pane->apply({DomEdit::insertHtmlAfter(u"no-such-box"_s, u"lost"_s),
                   DomEdit::insertTextAfter(u"answer1"_s, u"(√)"_s),
                   DomEdit::insertHtmlAfter(u"finish"_s, u"<img id=medal src=zimu\\jb.gif>"_s),
                   DomEdit::setTag(u"answer2"_s, u"a\\b"_s),
                   DomEdit::setValue(u"answer2"_s, u"7"_s)});
    QVERIFY(applied.wait(5000));
    QCOMPARE(evaluate(m_pane, u"document.getElementById('medal').getAttribute('src')"_s).toString(),
             u"zimu\\jb.gif"_s);
    QCOMPARE(evaluate(m_pane, u"document.getElementsByName('answer2')[0].getAttribute('tag')"_s)
                 .toString(),
             u"a\\b"_s);
    QCOMPARE(evaluate(m_pane, u"document.getElementsByName('answer2')[0].value"_s).toString(),
             u"7"_s);
    const QString body = bodyOf(m_pane);
    QVERIFY(body.contains(u"(√)"_s));
    QVERIFY(!body.contains(u"lost"_s));
}

void TestEndToEnd::refusesNavigationOutsideTheProgramFolder()
{
    const QUrl before = m_pane->url();
    auto *page = qobject_cast<GuardedPage *>(m_pane->page());
    QVERIFY(page);
    QSignalSpy refused(page, &GuardedPage::navigationRefused);
    evaluate(m_pane, u"location.href = 'file:///etc/hostname'; true"_s);
    QTRY_COMPARE_WITH_TIMEOUT(refused.size(), 1, 5000);
    QCOMPARE(refused.last().first().toUrl(), QUrl(u"file:///etc/hostname"_s));
    evaluate(m_pane, u"location.href = 'https://example.org/'; true"_s);
    QTRY_COMPARE_WITH_TIMEOUT(refused.size(), 2, 5000);
    QVERIFY(evaluate(m_pane, u"window.open('help.htm') === null"_s).toBool());
    // Still the same document: the drill page is there.
    QVERIFY(bodyOf(m_pane).contains(u"name=\"finish\""_s));
    QCOMPARE(m_pane->url(), before);

    const QString folder = m_app->programFolder;
    QVERIFY(GuardedPage::isAllowed(QUrl::fromLocalFile(folder + u"/help.htm"_s), folder));
    QVERIFY(GuardedPage::isAllowed(QUrl(u"qrc:/quorvel/pagebridge.js"_s), folder));
    QVERIFY(!GuardedPage::isAllowed(QUrl::fromLocalFile(folder + u"/../secret.htm"_s), folder));
    QVERIFY(!GuardedPage::isAllowed(QUrl::fromLocalFile(folder + u"x/help.htm"_s), folder));
    QVERIFY(!GuardedPage::isAllowed(QUrl(u"http://127.0.0.1/"_s), folder));
    QVERIFY(!GuardedPage::isAllowed(QUrl(u"data:text/html,hi"_s), folder));
}

void TestEndToEnd::pagesCannotReadFilesOrConnect()
{
    // A copy of the program folder holding a page that tries to read a file
    // inside it and one outside it, and to open a web socket to this test.
    QTemporaryDir folder;
    QTemporaryDir elsewhere;
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    const auto write = [](const QString &path, const QByteArray &bytes) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    write(folder.filePath(u"inside.txt"_s), "inside");
    write(elsewhere.filePath(u"secret.txt"_s), "secret");
    const QString probe =
        uR"(<!DOCTYPE html><html><body><script>
        window.results = {};
        function read(key, url) {
            const request = new XMLHttpRequest();
            request.onload = () => { results[key] = request.responseText; };
            request.onerror = () => { results[key] = 'blocked'; };
            try { request.open('GET', url); request.send(); } catch (e) { results[key] = 'blocked'; }
        }
        read('inside', 'inside.txt');
        read('outside', '%1');
        try {
            const socket = new WebSocket('ws://127.0.0.1:%2/');
            socket.onopen = () => { results.socket = 'open'; };
            socket.onerror = () => { results.socket = 'blocked'; };
        } catch (e) { results.socket = 'blocked'; }
        </script></body></html>)"_s
            .arg(QUrl::fromLocalFile(elsewhere.filePath(u"secret.txt"_s)).toString())
            .arg(server.serverPort());
    write(folder.filePath(u"probe.htm"_s), probe.toUtf8());

    QObject owner;
    WebPane pane(WebPane::sharedProfile(folder.path(), &owner), folder.path());
    QSignalSpy loaded(&pane, &QWebEngineView::loadFinished);
    pane.navigate(folder.filePath(u"probe.htm"_s));
    QVERIFY(loaded.wait(20000));
    QTRY_VERIFY_WITH_TIMEOUT(
        evaluate(&pane, u"'inside' in results && 'outside' in results && 'socket' in results"_s)
            .toBool(),
        10000);
    QCOMPARE(evaluate(&pane, u"results.inside"_s).toString(), u"inside"_s);
    QCOMPARE(evaluate(&pane, u"results.outside"_s).toString(), u"blocked"_s);
    QCOMPARE(evaluate(&pane, u"results.socket"_s).toString(), u"blocked"_s);
    QVERIFY(!server.hasPendingConnections());
}

void TestEndToEnd::syntheticClicksDoNotGrade()
{
    MainWindowController &controller = m_app->window.controller();
    QSignalSpy applied(m_pane->bridge(), &PaneBridge::applied);
    controller.nodeClicked(u"q17"_s);
    QVERIFY(applied.wait(10000));
    // A page script answers every box and clicks the submit button itself.
    evaluate(m_pane, u"for (const box of document.querySelectorAll('input.text'))"
                     u"  box.value = box.getAttribute('tag');"
                     u"document.getElementsByName('answer1')[0].value = 'x';"
                     u"document.getElementsByName('finish')[0].click(); true"_s);
    // A real click after it: events arrive in order, so the script's click
    // would have come first.
    QSignalSpy events(m_pane->bridge(), &PaneBridge::pageEvent);
    clickElement(m_pane, u"document.getElementsByName('answer1')[0]"_s);
    QTRY_VERIFY_WITH_TIMEOUT(!events.isEmpty(), 5000);
    for (const QList<QVariant> &event : std::as_const(events))
        QCOMPARE(event.at(1).toString(), u"answer1"_s);
    QVERIFY(controller.state.pageGradable);
    QVERIFY(!bodyOf(m_pane).contains(u"得分"_s));

    // The child's own click grades (one box wrong, so no medal is left behind).
    clickElement(m_pane, u"document.getElementsByName('finish')[0]"_s);
    QTRY_VERIFY_WITH_TIMEOUT(bodyOf(m_pane).contains(u"你的得分是90分"_s), 5000);
}

void TestEndToEnd::aWholePageByKeyboard()
{
    TopicTreeWidget *tree = m_app->window.TreeView1;
    // The page before is scrolled to its end.
    evaluate(m_pane, u"window.scrollTo(0, document.body.scrollHeight); true"_s);

    QSignalSpy applied(m_pane->bridge(), &PaneBridge::applied);
    QTreeWidgetItem *item = tree->itemForKey(u"q17"_s);
    tree->setFocus();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
    QVERIFY(applied.wait(10000));

    // The new page starts at its top, with the keyboard in its first box.
    QCOMPARE(evaluate(m_pane, u"window.scrollY"_s).toInt(), 0);
    QTRY_VERIFY_WITH_TIMEOUT(m_pane->focusProxy()->hasFocus(), 5000);
    QCOMPARE(evaluate(m_pane, u"document.activeElement.name"_s).toString(), u"answer1"_s);

    // Digits and Enter through every box, then Enter on 提交答案.
    const QStringList keys = evaluate(m_pane, u"[...document.querySelectorAll('input.text')].map("
                                              u"e => e.getAttribute('tag'))"_s)
                                 .toStringList();
    QCOMPARE(keys.size(), 10);
    for (const QString &key : keys) {
        QTest::keyClicks(m_pane->focusProxy(), key);
        QTest::keyClick(m_pane->focusProxy(), Qt::Key_Return);
    }
    QTRY_COMPARE_WITH_TIMEOUT(evaluate(m_pane, u"document.activeElement.name"_s).toString(),
                              u"finish"_s, 5000);
    QCOMPARE(m_app->window.TreeView1->currentItem(), item);
    QTest::keyClick(m_pane->focusProxy(), Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(bodyOf(m_pane).contains(u"你的得分是100分"_s), 5000);
    QCOMPARE(m_app->window.controller().medalCount(), 1);

    // Graded: every box is read-only and the score line is in view.
    QTRY_VERIFY_WITH_TIMEOUT(
        evaluate(m_pane, u"[...document.querySelectorAll('input.text')].every(e => e.readOnly)"_s)
            .toBool(),
        5000);
    QVERIFY(evaluate(m_pane, u"(() => { const r = document.getElementsByName('finish')[0]"
                             u".getBoundingClientRect(); return r.top >= 0 && "
                             u"r.bottom <= window.innerHeight; })()"_s)
                .toBool());
}

void TestEndToEnd::levelGameByMouse()
{
    MainWindowController &controller = m_app->window.controller();
    QSignalSpy applied(m_pane->bridge(), &PaneBridge::applied);
    controller.nodeClicked(u"q5111"_s);
    QVERIFY(applied.wait(5000));

    // The hardest difficulty: five seconds a question.
    clickElement(m_pane, u"document.getElementsByName('n3')[0]"_s);
    QTRY_COMPARE_WITH_TIMEOUT(controller.families().games->levelGame.milliseconds, 5000, 5000);
    QTRY_VERIFY_WITH_TIMEOUT(evaluate(m_pane, u"document.getElementsByName('n3')[0].checked && "
                                              u"!document.getElementsByName('n1')[0].checked"_s)
                                 .toBool(),
                             5000);

    applied.clear();
    controller.nodeClicked(u"q511102"_s);
    QVERIFY(applied.wait(5000));
    QVERIFY(bodyOf(m_pane).contains(u"5秒后开始算术闯关，做好准备哦。"_s));
    QCOMPARE(m_app->window.timer(TimerId::LevelQuestion).interval(), 5000);
    QVERIFY(m_app->window.timer(TimerId::LevelQuestion).isEnabled());

    // The question clock's tick, without waiting the five seconds.
    applied.clear();
    controller.tick(TimerId::LevelQuestion);
    QVERIFY(applied.wait(5000));
    QVERIFY(bodyOf(m_pane).contains(u"第1题："_s));

    clickElement(m_pane, u"[...document.querySelectorAll('input[type=radio]')].find("
                         u"r => r.getAttribute('tag') === document.getElementsByName("
                         u"'answerguoguan')[0].getAttribute('tag'))"_s);
    QTRY_VERIFY_WITH_TIMEOUT(
        evaluate(m_pane, u"document.body.innerText"_s).toString().contains(u"10(√)"_s), 5000);
    QCOMPARE(
        evaluate(m_pane, u"document.querySelectorAll('img[src=\"jindu.gif\"]').length"_s).toInt(),
        1);
    QCOMPARE(controller.families().games->levelGame.score, 10);

    // Leaving for another node ends the game.
    applied.clear();
    controller.nodeClicked(u"q17"_s);
    QVERIFY(applied.wait(5000));
    controller.tick(TimerId::LevelQuestion);
    QVERIFY(!m_app->window.timer(TimerId::LevelQuestion).isEnabled());
}

void TestEndToEnd::tabChangeShowsTheMedalPage()
{
    QSignalSpy applied(m_pane->bridge(), &PaneBridge::applied);
    m_app->window.TabStrip1->setCurrentIndex(8);
    QVERIFY(applied.wait(20000));
    QVERIFY(m_pane->url().path().endsWith(u"/help.htm"_s));
    // The page graded by keyboard earned the first medal.
    QVERIFY(bodyOf(m_pane).startsWith(u"每当你得到一个100分的时候，就会得到一块奖牌。<br>"
                                      u"你现在已经得到了1块奖牌"_s));
    QVERIFY(m_app->window.TreeView1->itemForKey(u"q8888705"_s));
}

void TestEndToEnd::paperPrintsToPdf()
{
    // A paper in the second pane, as the print button prints it.
    m_app->window.TabStrip1->setCurrentIndex(13); // "各年级试卷"
    WebPane *paper = webPane(m_app->window.secondPane());
    QSignalSpy loaded(paper, &QWebEngineView::loadFinished);
    m_app->window.controller().nodeClicked(u"q2001"_s);
    QVERIFY(loaded.wait(20000));
    QCOMPARE(m_app->window.frontPane(), PaneId::Second);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(u"paper.pdf"_s);
    QSignalSpy printed(paper->page(), &QWebEnginePage::pdfPrintingFinished);
    paper->page()->printToPdf(pdf, QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                               QMarginsF(15, 15, 15, 15)));
    QVERIFY(printed.wait(30000));
    QVERIFY(printed.first().at(1).toBool());
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("%PDF"));
    // A first-grade mid-term paper: a few A4 pages, not one per item.
    const qsizetype pages = bytes.count("/Type /Page\n") + bytes.count("/Type /Page>>") +
                            bytes.count("/Type /Page/") + bytes.count("/Type /Page ");
    QVERIFY2(pages >= 1 && pages <= 6, qPrintable(QString::number(pages)));
}

QUORVEL_WEB_TEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
