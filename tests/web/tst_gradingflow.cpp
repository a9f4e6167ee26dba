// A family's daily loop through the real window offscreen: the parent logs
// in as the advanced user, the child types the answers of a drill page and
// presses "提交答案", the marks and the result line appear on the page, and
// the medal is still there after a restart.
#include "app/shell/dialogs.h"
#include "app/web/panebridge.h"
#include "app/web/webpane.h"
#include "testwindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;
using namespace quorvel;

namespace {

// Loads the start page and waits for the introduction on top of it.
bool startAndWait(TestWindow &app)
{
    QSignalSpy applied(webPane(app.window.mainPane())->bridge(), &PaneBridge::applied);
    app.window.controller().start();
    return applied.wait(20000);
}

// Starts the window, logs in as the advanced user, opens a tab and clicks a
// node, waiting for each page to be in the pane.
QString bodyOf(WebPane *pane)
{
    return evaluate(pane, u"document.body.innerHTML"_s).toString();
}

// Presses the page's submit button and waits until the page's text shows
// `shown`; the text as it then stands (without `shown` when it never came).
QString submitAndRead(WebPane *pane, const QString &shown)
{
    clickElement(pane, u"document.getElementsByName('finish')[0]"_s);
    QString text;
    (void)QTest::qWaitFor(
        [&] {
            text = evaluate(pane, u"document.body.innerText"_s).toString();
            return text.contains(shown);
        },
        5000);
    return text;
}

bool openAsAdvanced(TestWindow &app, int tab, const QString &key)
{
    app.window.show();
    if (!startAndWait(app))
        return false;
    MainWindowController &controller = app.window.controller();
    controller.accounts().reloadStoredPassword();
    controller.accounts().confirmLogin(u"463"_s);
    QSignalSpy applied(webPane(app.window.mainPane())->bridge(), &PaneBridge::applied);
    app.window.TabStrip1->setCurrentIndex(tab);
    if (!applied.wait(20000))
        return false;
    applied.clear();
    controller.nodeClicked(key);
    return applied.wait(10000);
}

} // namespace

class TestGradingFlow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void studentCannotGrade();
    void advancedUserGradesAndEarnsAMedal();
    void medalSurvivesARestart();
    void twentyFourAndGamePages();
    void fractionPageGradedInThePane();
    void minutesToHoursGradedInThePane();
    void wordProblemsGradedInThePane();
    void olympiadChoiceGradedInThePane();
    void recordAndMistakeBook();

private:
    QTemporaryDir m_settings;
};

void TestGradingFlow::studentCannotGrade()
{
    TestWindow app(m_settings.path());
    app.window.show();
    QVERIFY(startAndWait(app));

    // The student account: chosen, not checked, so no message box.
    whenDialogOpens<Form2>([](Form2 *login) {
        login->List1->setCurrentRow(1);
        QVERIFY(!login->Text2->isEnabled());
        login->Command2->click();
    });
    app.window.openLoginDialog();
    QVERIFY(!app.window.controller().accounts().isAdvancedUser());

    QSignalSpy applied(webPane(app.window.mainPane())->bridge(), &PaneBridge::applied);
    app.window.controller().nodeClicked(u"q17"_s);
    QVERIFY(applied.wait(10000));

    QString refusal;
    whenDialogOpens<QMessageBox>([&refusal](QMessageBox *box) {
        refusal = box->windowTitle() + u'|' + box->text();
        box->accept();
    });
    clickElement(webPane(app.window.mainPane()), u"document.getElementsByName('finish')[0]"_s);
    QTRY_VERIFY_WITH_TIMEOUT(!refusal.isEmpty(), 5000);
    QCOMPARE(refusal, u"提示|你的密码不对，不能查看答案！请向高级用户咨询密码！"_s);
    QVERIFY(app.window.controller().state.pageGradable);
}

void TestGradingFlow::advancedUserGradesAndEarnsAMedal()
{
    TestWindow app(m_settings.path());
    app.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&app.window));
    QVERIFY(startAndWait(app));

    whenDialogOpens<Form2>([](Form2 *login) {
        login->List1->setCurrentRow(0);
        QVERIFY(login->Text2->isEnabled());
        QTest::keyClicks(login->Text2, u"463"_s);
        login->Command2->click();
    });
    app.window.openLoginDialog();
    QVERIFY(app.window.controller().accounts().isAdvancedUser());

    WebPane *pane = webPane(app.window.mainPane());
    QSignalSpy applied(pane->bridge(), &PaneBridge::applied);
    app.window.controller().nodeClicked(u"q17"_s);
    QVERIFY(applied.wait(10000));

    // Type every answer with the keyboard into its box, as a child does.
    const int items = evaluate(pane, u"document.getElementsByName('finish').length ? "
                                     u"document.querySelectorAll('input.text').length : 0"_s)
                          .toInt();
    QCOMPARE(items, 10);
    for (int i = 1; i <= items; ++i) {
        const QString box =
            u"document.getElementsByName('answer"_s + QString::number(i) + u"')[0]"_s;
        const QString answer = evaluate(pane, box + u".getAttribute('tag')"_s).toString();
        evaluate(pane, box + u".focus(); true"_s);
        QTest::keyClicks(pane->focusProxy(), answer);
        QTRY_COMPARE_WITH_TIMEOUT(evaluate(pane, box + u".value"_s).toString(), answer, 5000);
    }

    // Press "提交答案" with the mouse.
    const QVariantList rect =
        evaluate(
            pane,
            u"(() => { const r = document.getElementsByName('finish')[0]"
            u".getBoundingClientRect(); return [r.x + r.width / 2, r.y + r.height / 2]; })()"_s)
            .toList();
    QCOMPARE(rect.size(), 2);
    const QPoint centre(qRound(rect[0].toDouble()), qRound(rect[1].toDouble()));
    applied.clear();
    QTest::mouseClick(pane->focusProxy(), Qt::LeftButton, {}, centre);
    QTRY_VERIFY_WITH_TIMEOUT(!app.window.controller().state.pageGradable, 5000);
    QTRY_VERIFY_WITH_TIMEOUT(evaluate(pane, u"document.body.innerText"_s)
                                 .toString()
                                 .contains(u"非常不错！你的得分是100分"_s),
                             5000);

    const QString text = evaluate(pane, u"document.body.innerText"_s).toString();
    QCOMPARE(text.count(u"(√)"_s), 10);
    QVERIFY(!text.contains(u"正确答案"_s));
    QVERIFY(evaluate(pane, u"document.querySelector('img[src$=\"jb.gif\"]') !== null"_s).toBool());
    QVERIFY(!app.window.timer(TimerId::PageSeconds).isEnabled());
    QCOMPARE(app.window.controller().medalCount(), 1);

    // A second press reaches the program and changes nothing.
    QSignalSpy events(pane->bridge(), &PaneBridge::pageEvent);
    QTest::mouseClick(pane->focusProxy(), Qt::LeftButton, {}, centre);
    QTRY_VERIFY_WITH_TIMEOUT(std::any_of(events.cbegin(), events.cend(),
                                         [](const QList<QVariant> &e) {
                                             return e.at(0).toString() == "click"_L1 &&
                                                    e.at(1).toString() == "finish"_L1;
                                         }),
                             5000);
    QCOMPARE(evaluate(pane, u"document.body.innerText"_s).toString(), text);
    QCOMPARE(app.window.controller().medalCount(), 1);
}

void TestGradingFlow::medalSurvivesARestart()
{
    TestWindow app(m_settings.path());
    app.window.show();
    QVERIFY(startAndWait(app));
    QCOMPARE(app.window.controller().medalCount(), 1);

    QSignalSpy applied(webPane(app.window.mainPane())->bridge(), &PaneBridge::applied);
    app.window.toolbarAction(u"w9"_s)->trigger();
    QVERIFY(applied.wait(10000));
    const QString body =
        evaluate(webPane(app.window.mainPane()), u"document.body.innerHTML"_s).toString();
    QVERIFY(body.contains(u"你现在已经得到了1块奖牌"_s));
    QVERIFY(body.contains(u"加法/20以内加法--&gt;用时"_s));
}

void TestGradingFlow::twentyFourAndGamePages()
{
    TestWindow app(m_settings.path());
    QVERIFY(openAsAdvanced(app, 9, u"q61"_s)); // "数学游戏"
    MainWindowController &controller = app.window.controller();
    WebPane *pane = webPane(app.window.mainPane());
    const QStringList solutions = controller.families().games->twentyFour.solutions;
    QVERIFY(!solutions.isEmpty());
    QCOMPARE(evaluate(pane, u"document.querySelectorAll('img[src^=\"24/\"]').length"_s).toInt(), 4);
    // The card pictures are there.
    QTRY_VERIFY_WITH_TIMEOUT(
        evaluate(pane, u"[...document.images].every(i => i.complete && i.naturalWidth > 0)"_s)
            .toBool(),
        5000);

    const QString text = submitAndRead(pane, u"全部答案"_s);
    QVERIFY(text.contains(u"全部答案"_s));
    const QString revealed = text.mid(text.indexOf(u"全部答案："_s));
    for (const QString &solution : solutions)
        QVERIFY2(revealed.contains(solution), qPrintable(solution));
    QVERIFY(revealed.contains(u"秒！"_s));

    // "测试心算能力" opens its game in the second pane, in front.
    QSignalSpy loaded(webPane(app.window.secondPane()), &QWebEngineView::loadFinished);
    controller.nodeClicked(u"q65"_s);
    QVERIFY(loaded.wait(10000));
    QVERIFY(loaded.first().first().toBool());
    QCOMPARE(app.window.frontPane(), PaneId::Second);
    QVERIFY(webPane(app.window.secondPane())->url().path().endsWith(u"/flash/1.htm"_s));
    QCOMPARE(evaluate(webPane(app.window.secondPane()), u"document.title"_s).toString(),
             u"测试心算能力"_s);
    // Both panes render in one process.
    QCOMPARE(webPane(app.window.secondPane())->page()->renderProcessPid(),
             webPane(app.window.mainPane())->page()->renderProcessPid());

    // The game has the keyboard: Enter starts it, and a whole test runs by
    // keyboard.
    WebPane *game = webPane(app.window.secondPane());
    QTRY_VERIFY_WITH_TIMEOUT(game->focusProxy() && game->focusProxy()->hasFocus(), 5000);
    QTest::keyClick(game->focusProxy(), Qt::Key_Return);
    const auto visible = [game](const QString &id) {
        return !evaluate(game,
                         u"document.getElementById('%1').classList.contains('hidden')"_s.arg(id))
                    .toBool();
    };
    QTRY_VERIFY_WITH_TIMEOUT(visible(u"quizView"_s), 5000);
    for (int q = 1; q <= 20; ++q) {
        QTRY_VERIFY_WITH_TIMEOUT(
            evaluate(game, u"document.getElementById('qNumber').textContent === '%1' && "
                           u"!document.getElementById('answerBox').readOnly"_s.arg(q))
                .toBool(),
            5000);
        const QString answer = evaluate(game, uR"((() => {
            const m = document.getElementById('qText').textContent.match(/(\d+) (.) (\d+)/);
            const a = Number(m[1]), b = Number(m[3]);
            return String({'+': a + b, '\u2212': a - b, '\u00d7': a * b, '\u00f7': a / b}[m[2]]);
            })())"_s)
                                   .toString();
        QTest::keyClicks(game->focusProxy(), answer);
        QTest::keyClick(game->focusProxy(), Qt::Key_Return);
        QTRY_VERIFY_WITH_TIMEOUT(
            evaluate(game, u"document.getElementById('answerBox').readOnly"_s).toBool(), 5000);
        QTest::keyClick(game->focusProxy(), Qt::Key_Return);
    }
    QTRY_VERIFY_WITH_TIMEOUT(visible(u"resultView"_s), 5000);
    QCOMPARE(evaluate(game, u"document.getElementById('rRight').textContent"_s).toString(),
             u"20 / 20 题"_s);
    // The summary is in view, and the restart button waits before taking the
    // focus.
    QVERIFY(evaluate(game, u"document.getElementById('stars').getBoundingClientRect().top >= 0"_s)
                .toBool());
    QVERIFY(evaluate(game, u"document.activeElement.id"_s).toString() != u"againButton"_s);
    QTRY_COMPARE_WITH_TIMEOUT(evaluate(game, u"document.activeElement.id"_s).toString(),
                              u"againButton"_s, 5000);
    QVERIFY(visible(u"resultView"_s));

    // Any other node brings the main pane back to the front.
    controller.nodeClicked(u"q61"_s);
    QCOMPARE(app.window.frontPane(), PaneId::Main);
}

void TestGradingFlow::fractionPageGradedInThePane()
{
    TestWindow app(m_settings.path());
    QVERIFY(openAsAdvanced(app, 4, u"q5008"_s)); // "分数和比例"
    MainWindowController &controller = app.window.controller();
    WebPane *pane = webPane(app.window.mainPane());

    // Every item right but the third, whose numerator is off by one.
    QCOMPARE(evaluate(pane, uR"((() => {
        let n = 0;
        for (let i = 1; ; ++i) {
            const up = document.getElementsByName('answerup' + i)[0];
            const down = document.getElementsByName('answerdown' + i)[0];
            if (!up || !down) break;
            up.value = i === 3 ? String(Number(up.getAttribute('tag')) + 1) : up.getAttribute('tag');
            down.value = down.getAttribute('tag');
            ++n;
        }
        return n; })())"_s)
                 .toInt(),
             10);
    clickElement(pane, u"document.getElementsByName('finish')[0]"_s);
    QTRY_VERIFY_WITH_TIMEOUT(!controller.state.pageGradable, 5000);
    QTRY_VERIFY_WITH_TIMEOUT(
        evaluate(pane, u"document.body.innerText"_s).toString().contains(u"你的得分是90分"_s),
        5000);
    const QString third =
        evaluate(pane, u"document.getElementById('fenshupl3').innerText"_s).toString();
    QVERIFY2(third.startsWith(u"(×，正确答案："_s), qPrintable(third));
    QCOMPARE(
        evaluate(pane, u"document.getElementById('fenshupl1').innerText"_s).toString().trimmed(),
        u"(√)"_s);
}

void TestGradingFlow::minutesToHoursGradedInThePane()
{
    TestWindow app(m_settings.path());
    QVERIFY(openAsAdvanced(app, 1, u"q75"_s)); // "时间转换"
    MainWindowController &controller = app.window.controller();
    WebPane *pane = webPane(app.window.mainPane());

    // Every item right but the second, whose minutes box is off by one.
    QCOMPARE(evaluate(pane, uR"((() => {
        let n = 0;
        for (let i = 1; ; ++i) {
            const hours = document.getElementsByName('answerleft' + i)[0];
            const minutes = document.getElementsByName('answerright' + i)[0];
            if (!hours || !minutes) break;
            hours.value = hours.getAttribute('tag');
            const m = Number(minutes.getAttribute('tag'));
            minutes.value = i === 2 ? String(m + 1) : String(m);
            ++n;
        }
        return n; })())"_s)
                 .toInt(),
             10);
    const QString text = submitAndRead(pane, u"你的得分是90分"_s);
    QVERIFY(text.contains(u"你的得分是90分"_s));
    QCOMPARE(text.count(u"(√)"_s), 9);
    QCOMPARE(text.count(u"(×，正确答案："_s), 1);

    // The clock node brings the clock panel to the front.
    controller.nodeClicked(u"q77"_s);
    QCOMPARE(app.window.frontPane(), PaneId::Clock);
}

void TestGradingFlow::wordProblemsGradedInThePane()
{
    TestWindow app(m_settings.path());
    QVERIFY(openAsAdvanced(app, 10, u"q57"_s)); // "应用题-简单"
    WebPane *pane = webPane(app.window.mainPane());

    // The answers with their units, but the third without its unit and the
    // fifth left empty.
    QCOMPARE(evaluate(pane, uR"((() => {
        let n = 0;
        for (let i = 1; ; ++i) {
            const box = document.getElementsByName('answer' + i)[0];
            if (!box) break;
            const answer = box.getAttribute('tag').split('|')[0];
            box.value = i === 3 ? answer.replace(/[^0-9.]/g, '') : i === 5 ? '' : answer;
            ++n;
        }
        return n; })())"_s)
                 .toInt(),
             10);
    const QString text = submitAndRead(pane, u"你的得分是80分"_s);
    QVERIFY(text.contains(u"你的得分是80分"_s));
    QCOMPARE(text.count(u"(√，正确答案："_s), 8);
    QCOMPARE(text.count(u"(×，正确答案："_s), 2);
    QVERIFY(text.contains(u"答案要写单位"_s));
}

void TestGradingFlow::olympiadChoiceGradedInThePane()
{
    TestWindow app(m_settings.path());
    app.window.show();
    QVERIFY(startAndWait(app));
    MainWindowController &controller = app.window.controller();
    controller.accounts().reloadStoredPassword();
    controller.accounts().confirmLogin(u"463"_s);
    WebPane *pane = webPane(app.window.mainPane());
    QSignalSpy applied(pane->bridge(), &PaneBridge::applied);
    app.window.TabStrip1->setCurrentIndex(14); // "奥数题详解"
    QVERIFY(applied.wait(20000));

    // 第2题 offers four choices: a wrong one, chosen with the mouse.
    QSignalSpy ready(pane->bridge(), &PaneBridge::ready);
    controller.nodeClicked(u"q66788002"_s);
    QVERIFY(ready.wait(10000)); // the page's bridge reports its events
    clickElement(pane, u"[...document.querySelectorAll('input[type=radio]')].find("
                       u"r => r.getAttribute('tag') !== 'good')"_s);
    QTRY_VERIFY_WITH_TIMEOUT(evaluate(pane,
                                      u"[...document.querySelectorAll('input[type=radio]')].some("
                                      u"r => r.checked)"_s)
                                 .toBool(),
                             5000);
    const QString text = submitAndRead(pane, u"（×）"_s);
    QVERIFY(text.contains(u"（×）"_s));
    QVERIFY(text.contains(u"正确答案及解释："_s));
    QVERIFY(text.contains(u"答：结果是400，选C。"_s));
}

void TestGradingFlow::recordAndMistakeBook()
{
    TestWindow app(m_settings.path());
    app.window.show();
    QVERIFY(startAndWait(app));
    app.window.controller().accounts().reloadStoredPassword();
    app.window.controller().accounts().confirmLogin(u"463"_s);
    WebPane *pane = webPane(app.window.mainPane());
    QSignalSpy written(pane->bridge(), &PaneBridge::applied);
    app.window.controller().nodeClicked(u"q17"_s); // "20以内加法"
    QVERIFY(written.wait(10000));
    const QString missed = evaluate(pane, uR"((() => {
        const boxes = [...document.querySelectorAll('input.text')];
        boxes.forEach(b => b.value = b.getAttribute('tag'));
        boxes[0].value = '99';
        return boxes[0].getAttribute('tag'); })())"_s)
                               .toString();
    clickElement(pane, u"document.getElementsByName('finish')[0]"_s);
    QTRY_VERIFY_WITH_TIMEOUT(bodyOf(pane).contains(u"你的得分是90分"_s), 5000);

    // The medal page shows the record: one page this week, its score.
    QSignalSpy applied(pane->bridge(), &PaneBridge::applied);
    app.window.controller().toolbarClicked(u"w9"_s);
    QVERIFY(applied.wait(5000));
    const QString text = evaluate(pane, u"document.body.innerText"_s).toString();
    QVERIFY(text.contains(u"练习记录"_s));
    QVERIFY2(text.contains(u"本周\t1\t10\t90分"_s), qPrintable(text));
    QVERIFY(text.contains(u"20以内加法\t1\t10\t90%"_s));
    QCOMPARE(evaluate(pane, u"document.querySelectorAll('svg.chart').length"_s).toInt(), 2);

    // The mistake book: the one missed item, its key in its box.
    applied.clear();
    clickElement(pane, u"document.getElementsByName('practiseMistakes')[0]"_s);
    QVERIFY(applied.wait(5000));
    QVERIFY(bodyOf(pane).contains(u"练习错题"_s));
    QCOMPARE(evaluate(pane, u"document.querySelectorAll('input.text').length"_s).toInt(), 1);
    QCOMPARE(evaluate(pane, u"document.getElementsByName('answer1')[0].getAttribute('tag')"_s)
                 .toString(),
             missed);
}

QUORVEL_WEB_TEST_MAIN(TestGradingFlow)
#include "tst_gradingflow.moc"
