// The sixteen game pages in the real web view: each node opens its page in
// the second pane with the node's text as its title and no script error, a
// scripted run through the page's own window.game reaches the end screen,
// and the two puzzle games' puzzles are solved by searches of this test.
#include "app/web/webpane.h"
#include "content/storedtexts.h"
#include "testwindow.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace quorvel;

namespace {

const QStringList gameNodes = {u"q63"_s,  u"q64"_s,  u"q67"_s,  u"q68"_s,  u"q69"_s,  u"q601"_s,
                               u"q602"_s, u"q603"_s, u"q604"_s, u"q606"_s, u"q607"_s, u"q608"_s,
                               u"q609"_s, u"q610"_s, u"q611"_s, u"q612"_s};

QJsonObject evaluateJson(WebPane *pane, const QString &script)
{
    return QJsonDocument::fromJson(
               evaluate(pane, u"JSON.stringify("_s + script + u')').toString().toUtf8())
        .object();
}

// A peg-solitaire search of this test: depth first over the board as text,
// remembering positions that cannot be won. Returns the jumps, or [].
const QString pegSearch = uR"((() => {
    const p = game.puzzle();
    const rows = p.rows.map(r => r.split(''));
    const dead = new Set();
    const path = [];
    const steps = [[0, 1], [1, 0], [0, -1], [-1, 0]];
    const pegs = () => rows.flat().filter(c => c === 'o').length;
    function search() {
        if (pegs() === 1) return true;
        const key = rows.map(r => r.join('')).join('/');
        if (dead.has(key)) return false;
        for (let r = 0; r < 7; ++r) for (let c = 0; c < 7; ++c) {
            if (rows[r][c] !== 'o') continue;
            for (const [dr, dc] of steps) {
                const r1 = r + dr, c1 = c + dc, r2 = r + 2 * dr, c2 = c + 2 * dc;
                if (r2 < 0 || r2 > 6 || c2 < 0 || c2 > 6) continue;
                if (rows[r1][c1] !== 'o' || rows[r2][c2] !== '.') continue;
                rows[r][c] = '.'; rows[r1][c1] = '.'; rows[r2][c2] = 'o';
                path.push([r, c, r2, c2]);
                if (search()) return true;
                path.pop();
                rows[r][c] = 'o'; rows[r1][c1] = 'o'; rows[r2][c2] = '.';
            }
        }
        dead.add(key);
        return false;
    }
    if (!search()) return {solved: false};
    for (const m of path) if (!game.move(m[0], m[1], m[2], m[3])) return {solved: false, refused: m};
    return {solved: true, screen: game.state().screen};
})())"_s;

// A Latin-square search of this test: every empty cell filled so that no row
// or column holds a number twice, each value written through game.move.
const QString squareSearch = uR"((() => {
    const p = game.puzzle();
    const n = p.size, g = p.cells.map(r => r.slice());
    const ok = (r, c, v) => g[r].every((x, j) => j === c || x !== v) &&
                            g.every((row, i) => i === r || row[c] !== v);
    function fill(k) {
        if (k === n * n) return true;
        const r = Math.floor(k / n), c = k % n;
        if (g[r][c]) return fill(k + 1);
        for (let v = 1; v <= n; ++v) {
            if (!ok(r, c, v)) continue;
            g[r][c] = v;
            if (fill(k + 1)) return true;
        }
        g[r][c] = 0;
        return false;
    }
    if (!fill(0)) return {solved: false};
    for (let r = 0; r < n; ++r) for (let c = 0; c < n; ++c)
        if (!p.cells[r][c] && !game.move(r, c, g[r][c])) return {solved: false, refused: [r, c]};
    return {solved: true, screen: game.state().screen};
})())"_s;

} // namespace

class TestGames : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void everyGamePlaysToTheEnd_data();
    void everyGamePlaysToTheEnd();
    void puzzlesAreSolvable();
    void everyGameIsDescribed();

private:
    // Opens a game node; false when its page did not load.
    bool open(const QString &key);

    std::unique_ptr<TestWindow> m_app;
    QStringList m_errors;
};

void TestGames::initTestCase()
{
    m_app = std::make_unique<TestWindow>();
    m_app->window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m_app->window));
    m_app->window.controller().start();
    m_app->window.TabStrip1->setCurrentIndex(9); // "数学游戏"
    auto *page = qobject_cast<GuardedPage *>(webPane(m_app->window.secondPane())->page());
    QVERIFY(page);
    connect(page, &GuardedPage::scriptError, this,
            [this](const QString &message, int line, const QString &source) {
                m_errors.append(source + u':' + QString::number(line) + u' ' + message);
            });
}

bool TestGames::open(const QString &key)
{
    QSignalSpy loaded(webPane(m_app->window.secondPane()), &QWebEngineView::loadFinished);
    m_errors.clear();
    m_app->window.controller().nodeClicked(key);
    return loaded.wait(20000) && loaded.first().first().toBool();
}

void TestGames::everyGamePlaysToTheEnd_data()
{
    QTest::addColumn<QString>("key");
    for (const QString &key : gameNodes)
        QTest::newRow(qPrintable(key)) << key;
}

void TestGames::everyGamePlaysToTheEnd()
{
    QFETCH(QString, key);
    QVERIFY(open(key));
    WebPane *pane = webPane(m_app->window.secondPane());
    QCOMPARE(m_app->window.frontPane(), PaneId::Second);
    const TopicNode *node = m_app->window.controller().tree().find(key);
    QCOMPARE(evaluate(pane, u"document.title"_s).toString(), node->caption);

    // Screenshots for the docs, when asked for: the game in play.
    if (const QString folder = qEnvironmentVariable("QUORVEL_GAME_SCREENSHOTS");
        !folder.isEmpty()) {
        evaluate(pane, u"game.autoClock(false); game.start(2); for (let i = 0; i < 6; ++i) "
                       u"{ game.solveStep(); game.tick(400); } true"_s);
        QTest::qWait(300); // let the compositor paint the frame
        m_app->window.grab().save(folder + u'/' + key.mid(1) + u".png"_s);
    }

    // A perfect player at every level, the clock moved by hand.
    for (int level = 1; level <= 3; ++level) {
        const QJsonObject end = evaluateJson(pane, uR"((() => {
            game.autoClock(false);
            game.start(%1);
            for (let i = 0; i < 40000 && game.state().screen !== 'end'; ++i)
                if (!game.solveStep()) game.tick(50);
            return game.state(); })())"_s.arg(level));
        QCOMPARE(end.value("screen"_L1).toString(), u"end"_s);
        QVERIFY2(!end.value("result"_L1).toString().isEmpty(), qPrintable(key));
    }
    QVERIFY2(m_errors.isEmpty(), qPrintable(m_errors.join(u'\n')));
}

void TestGames::puzzlesAreSolvable()
{
    for (int level = 1; level <= 3; ++level) {
        QVERIFY(open(u"q67"_s)); // 填方格
        WebPane *pane = webPane(m_app->window.secondPane());
        evaluate(pane, u"game.autoClock(false); game.start(%1); true"_s.arg(level));
        const QJsonObject square = evaluateJson(pane, squareSearch);
        QVERIFY2(square.value("solved"_L1).toBool(), qPrintable(QString::number(level)));
        QCOMPARE(square.value("screen"_L1).toString(), u"end"_s);
    }
    QVERIFY(open(u"q64"_s)); // 智力跳棋, the level a child starts with
    WebPane *pane = webPane(m_app->window.secondPane());
    evaluate(pane, u"game.autoClock(false); game.start(1); true"_s);
    const QJsonObject pegs = evaluateJson(pane, pegSearch);
    QVERIFY(pegs.value("solved"_L1).toBool());
    QCOMPARE(pegs.value("screen"_L1).toString(), u"end"_s);
    QVERIFY2(m_errors.isEmpty(), qPrintable(m_errors.join(u'\n')));
}

// Every game node has its entry in the games description, under its own
// text.
void TestGames::everyGameIsDescribed()
{
    const QString description = texts::gamesDescription();
    for (const QString &key : gameNodes) {
        const QString caption = m_app->window.controller().tree().find(key)->caption;
        static const QRegularExpression entry(u"^【\\d+】(.+)$"_s,
                                              QRegularExpression::MultilineOption);
        bool found = false;
        for (auto it = entry.globalMatch(description); it.hasNext() && !found;)
            found = it.next().captured(1).trimmed() == caption;
        QVERIFY2(found, qPrintable(caption));
    }
}

QUORVEL_WEB_TEST_MAIN(TestGames)
#include "tst_games.moc"
