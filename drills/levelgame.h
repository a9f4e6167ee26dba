#pragma once
// The arithmetic level game: one question at a time with four consecutive
// answer choices, a new question every 9, 7 or 5 seconds; ten right answers
// in a row finish the level and open the next with larger numbers; a wrong
// choice or a question left unanswered starts the level again. Plain code
// driven by tick and click methods, so whole games run in virtual time.
#include <QString>

namespace quorvel {

class PageDocument;
class RandomSource;
class TimerControl;

// What the game needs of the main window.
class LevelGameHost
{
public:
    virtual ~LevelGameHost() = default;
    virtual TimerControl &questionTimer() = 0; // Timer5
    virtual TimerControl &secondsTimer() = 0;  // Timer6
    // Applies the page edits made so far (so they show before a message box).
    virtual void flush(PageDocument &page) = 0;
    virtual void showMessage(const QString &text) = 0;
};

class LevelGame
{
public:
    explicit LevelGame(RandomSource &random) : m_random(random) {}

    enum Kind
    {
        Addition,
        Subtraction,
        Multiplication,
        Division
    };

    // The game's kind code ("511102" to "511105"), or "000" when none runs.
    QString kindCode = QStringLiteral("000");
    int milliseconds = 9000; // per question: 9000, 7000 or 5000
    int range = 10;          // upper bound of the current level's numbers
    int questionNo = 0;      // the question on screen within the level, 1 to 10
    int score = 0;           // 10 per right answer in the current level
    int levels[4] = {};      // levels finished per kind, for the whole run
    QString used[4];         // operand keys used in the current level, per kind
    int countdown = 0;       // seconds left for the question on screen

    // The difficulty block of the node pages, the current difficulty checked.
    QString difficultyBlock() const;
    // Starts the kind of a node ("511102" …); returns the start page.
    QString start(const QString &code, LevelGameHost &host);
    // Timer5: the next question, written into page; the page's earlier
    // content is replaced.
    void questionTick(PageDocument &page, LevelGameHost &host);
    // Timer6: the seconds left, shown in the page.
    void secondsTick(PageDocument &page, LevelGameHost &host);
    // A click on answer choice j (1 to 4) of the question page.
    void answer(int j, PageDocument &page, LevelGameHost &host);
    // A click on difficulty choice j (1 to 3: n1 to n3).
    void chooseDifficulty(int j, PageDocument &page);

    bool isRunning() const { return kindCode.startsWith(QStringLiteral("51110")); }
    // Kind of the running game; -1 when none.
    int kind() const;

    struct Question
    {
        QString text; // "12+3"
        int answer = 0;
    };
    // Draws the next question of a kind, keeping its key in used[kind].
    Question drawQuestion(int kind);
    // The question page: header, question, the four choices.
    QString questionPage(const Question &question, int firstChoiceOffset) const;

private:
    void resetLevel(LevelGameHost &host);
    void restartAfterFailure(PageDocument &page, LevelGameHost &host, const QString &message);
    void initnextGG(LevelGameHost &host);

    RandomSource &m_random;
};

} // namespace quorvel
