#include "app/core/gamefamily.h"

#include "app/core/nodekeys.h"
#include "app/core/pagefamilies.h"
#include "content/storedtexts.h"
#include "page/pagedocument.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace quorvel {

GameFamily::GameFamily(FamilyContext &context) : levelGame(context.random()), m_context(context)
{
    questionTimer().setInterval(levelGame.milliseconds);
}

void GameFamily::registerWith(FamilyRegistry &registry)
{
    registry.onNode(Route::LevelGameChoice,
                    [this](NodeClick &click) { click.page.text = levelGame.difficultyBlock(); });
    registry.onNode(Route::LevelGameStart, [this](NodeClick &click) {
        click.page.text = levelGame.start(QString::number(click.number), *this);
    });
    registry.onNode(Route::GamesDescription, [](NodeClick &click) {
        click.page.text = texts::gamesDescription().replace(u"\r\n"_s, u"<br>"_s);
    });
    registry.onNode(Route::Game24, [this](NodeClick &click) {
        twentyFour.dealSolvable(m_context.random());
        click.page.text = twentyFour.pageText();
    });
    registry.onNode(Route::MemoryGame, [this](NodeClick &click) {
        click.page.text = memoryGame.start(m_context.random(), m_context.options().memorySeconds,
                                           m_context.timer(TimerId::MemoryGame));
        click.afterWrite = [this] { m_memoryPage = m_context.pageSerial(); };
    });
    registry.onNode(Route::GameFilePage, [this](NodeClick &click) {
        const QString file = gameFile(click.number);
        if (file.isEmpty())
            return;
        m_context.showFile(PaneId::Second, file);
        m_context.focusPane(PaneId::Second); // the game starts on Enter
    });

    // Every box the child filled is checked: the four cards once each, 24
    // exactly. Then every answer is shown.
    registry.onGrading(GradingVariant::TwentyFour, [this](PageDocument &page) {
        MarkedPage result;
        bool solved = false;
        for (int k = 1; k <= twentyFour.solutions.size(); ++k) {
            const QString name = u"answer"_s + QString::number(k);
            const PageElement *box = page.find(name);
            if (!box || box->value.trimmed().isEmpty())
                continue;
            const bool right = twentyfour::isSolution(box->value, twentyFour.deal);
            page.insertTextAfter(name, right ? u"(√)"_s : u"(×)"_s);
            result.items.append({k, u"24"_s, box->value, right});
            solved = solved || right;
        }
        page.insertHtmlAfter(u"finish"_s, twentyFour.revealText(m_context.elapsedSeconds()));
        result.score = solved ? 100 : 0;
        m_context.pageGraded(result, true);
    });
    registry.onGrading(GradingVariant::MemoryCards, [this](PageDocument &page) {
        const PageElement *box = page.find(u"answer"_s);
        const QString expected = box ? box->tag : QString();
        const QString typed = box ? box->value : QString();
        MarkedPage result;
        const bool right = MemoryGame::submit(page, m_context.elapsedSeconds());
        result.items.append({1, expected, typed, right});
        result.score = right ? 100 : 0;
        m_context.pageGraded(result, true);
    });

    registry.onPageStart([this] {
        m_context.timer(TimerId::LevelSeconds).setEnabled(false);
        levelGame.kindCode = u"000"_s;
    });
    registry.onPageEvent([this](const QString &kind, const QString &target, PageDocument &page) {
        pageEvent(kind, target, page);
    });
    registry.onTimer(TimerId::LevelQuestion, [this] {
        PageDocument page;
        levelGame.questionTick(page, *this);
        m_context.applyToMainPane(page.takeEdits());
    });
    registry.onTimer(TimerId::LevelSeconds, [this] {
        PageDocument page;
        levelGame.secondsTick(page, *this);
        m_context.applyToMainPane(page.takeEdits());
    });
    registry.onTimer(TimerId::MemoryGame, [this] {
        TimerControl &countdown = m_context.timer(TimerId::MemoryGame);
        // Another page took the pane: the countdown box is gone, so it stops.
        if (m_context.pageSerial() != m_memoryPage) {
            countdown.setEnabled(false);
            return;
        }
        PageDocument page;
        memoryGame.tick(page, countdown);
        m_context.applyToMainPane(page.takeEdits());
    });
}

// The level game binds its answer choices R1 to R4 and its difficulty
// choices n1 to n3 at a mouse-down on its own pages; a choice fires at its
// mouse-up, only on the page it was bound on.
void GameFamily::pageEvent(const QString &kind, const QString &targetName, PageDocument &page)
{
    const TopicNode *node = m_context.selectedNode();
    const QString key = node ? node->key : QString();
    if (kind == "mousedown"_L1) {
        const auto &kinds = nodes::levelGameKinds;
        if (std::find(std::begin(kinds), std::end(kinds), key) != std::end(kinds) &&
            page.find(u"R1"_s))
            m_choicesBoundOn = m_context.pageSerial();
        if (key.startsWith(nodes::levelGame.key) && page.find(u"n1"_s))
            m_difficultiesBoundOn = m_context.pageSerial();
    } else if (kind == "mouseup"_L1) {
        static const QStringList choices = {u"R1"_s, u"R2"_s, u"R3"_s, u"R4"_s};
        static const QStringList difficulties = {u"n1"_s, u"n2"_s, u"n3"_s};
        const qsizetype choice = choices.indexOf(targetName);
        const qsizetype difficulty = difficulties.indexOf(targetName);
        if (choice >= 0 && m_choicesBoundOn == m_context.pageSerial())
            levelGame.answer(int(choice) + 1, page, *this);
        else if (difficulty >= 0 && m_difficultiesBoundOn == m_context.pageSerial())
            levelGame.chooseDifficulty(int(difficulty) + 1, page);
    }
}

TimerControl &GameFamily::questionTimer()
{
    return m_context.timer(TimerId::LevelQuestion);
}

TimerControl &GameFamily::secondsTimer()
{
    return m_context.timer(TimerId::LevelSeconds);
}

void GameFamily::flush(PageDocument &page)
{
    m_context.applyToMainPane(page.takeEdits());
}

void GameFamily::showMessage(const QString &text)
{
    // A message box runs its own event loop: the game's clocks wait for it,
    // or questions and further boxes pile up behind it.
    TimerControl &question = questionTimer();
    TimerControl &seconds = secondsTimer();
    const bool questionRan = question.isEnabled();
    const bool secondsRan = seconds.isEnabled();
    question.setEnabled(false);
    seconds.setEnabled(false);
    m_context.showMessage(text);
    question.setEnabled(questionRan);
    seconds.setEnabled(secondsRan);
}

QString gameFile(int number)
{
    // The game nodes in their tree order, each with its page flash/<n>.htm.
    static constexpr int nodes[] = {65,  66,  63,  64,  67,  68,  69,  601, 602,
                                    603, 604, 606, 607, 608, 609, 610, 611, 612};
    const auto *it = std::find(std::begin(nodes), std::end(nodes), number);
    if (it == std::end(nodes))
        return {};
    return u"flash/"_s + QString::number(it - std::begin(nodes) + 1) + u".htm"_s;
}

std::shared_ptr<GameFamily> registerGames(FamilyRegistry &registry, FamilyContext &context)
{
    auto games = std::make_shared<GameFamily>(context);
    games->registerWith(registry);
    return games;
}

} // namespace quorvel
