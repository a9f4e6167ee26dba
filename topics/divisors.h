#pragma once
// The pages of the tab "约数和倍数": drills on the greatest common divisor,
// the least common multiple and prime factorisation, the two common-divisor
// word problems, and the collections of worked examples ("【title】problem
// 答案=answer") whose answers are revealed on request.
#include "page/page.h"
#include <QList>

#include <QString>
#include <QStringList>

namespace quorvel {

class RandomSource;

namespace divisors {

// Tag numbers of the nodes.
inline constexpr int gcdConceptNumber = 7001;
inline constexpr int gcdEasyNumber = 7002;
inline constexpr int gcdHardNumber = 7004;
inline constexpr int copperWireNumber = 7005; // "截铜丝"
inline constexpr int playgroundNumber = 7006; // "分场地"
inline constexpr int lcmConceptNumber = 8001;
inline constexpr int lcmEasyNumber = 8002;
inline constexpr int lcmHardNumber = 8004;
inline constexpr int lcmExamplesNumber = 8005;
inline constexpr int lcmFirstExampleNumber = 8005001; // the number of piece 0
inline constexpr int factorisationConceptNumber = 8888701;
inline constexpr int factorisationEasyNumber = 8888702;
inline constexpr int factorisationHardNumber = 8888704;
inline constexpr int factorisationExamplesNumber = 8888705;
inline constexpr int factorisationFirstExampleNumber = 888870501; // the number of piece 0

enum class Level
{
    Easy = 1,   // "简单"
    Middle = 2, // "中等"
    Hard = 3,   // "较难"
};

// The range of both numbers of a common-divisor or common-multiple item.
struct NumberRange
{
    int low = 1;
    int high = 1;
};
NumberRange gcdRange(Level level);
NumberRange lcmRange(Level level);

// Items "a和b的最大公约数 = " for two different numbers of the level's range
// with a common divisor above 1; no pair twice on a page.
Page gcdDrill(RandomSource &random, Level level, int itemCount);

// Items "a和b的最小公倍数 = " for two different numbers of the level's range
// (coprime pairs too); no pair twice on a page.
Page lcmDrill(RandomSource &random, Level level, int itemCount);

// The primes each of the three factors of a level is drawn from.
QList<QList<int>> factorPrimes(Level level);

// Every product one page of the level can ask for, ascending.
QList<int> factorisationProducts(Level level);

// The factors ascending, joined by "*": {5, 2, 5} gives "2*5*5".
QString factorText(QList<int> factors);

// Items "n=" with the product of three primes of the level, each product at
// most once. A level has only so many products; a longer page stops when
// they are used up, with items telling how many were written.
Page factorisationDrill(RandomSource &random, Level level, int itemCount);

// A concept text as a page: its line ends become "<br>", the final one is
// dropped.
QString conceptPage(const QString &storedText);

// The button of the pages whose submit shows the answer.
QString revealButton();

// The word-problem pages of "截铜丝" (7005) and "分场地" (7006); empty for any
// other number.
QString gcdWordProblemPage(int number);
// Their worked answers, as HTML.
QString gcdWordProblemAnswer(int number);

// The answer shown after the button, with the thinking time.
QString revealText(const QString &answerHtml, int seconds);

// A text of worked examples, each "【" title "】" problem "答案=" answer; the
// text before the first "【" is not an example. Piece k (counted from 1) is
// the k-th example; its node gets the suffix k + 1, written with a fixed
// number of digits, so a collection holds at most 10^digits − 2 examples.
class ExampleCollection
{
public:
    ExampleCollection() = default;
    ExampleCollection(const QString &text, int suffixDigits);

    struct Entry
    {
        QString suffix; // appended to the group's key and tag
        QString title;
    };
    // One entry per piece that has a "】", in order, up to the capacity.
    QList<Entry> entries() const;

    bool isEmpty() const { return m_pieces.size() <= 1; }
    // The problem of piece k, HTML: spaces as "&nbsp;", line ends as "<br>".
    // Empty when there is no such piece.
    QString problemHtml(int k) const;
    // The text after "答案=" of piece k, as HTML the same way.
    QString answerHtml(int k) const;

private:
    bool isExample(int k) const;

    QStringList m_pieces;
    int m_digits = 2;
};

// The page of one example: its title, the problem and the reveal button.
QString examplePage(const QString &title, const QString &problemHtml);

} // namespace divisors
} // namespace quorvel
