#pragma once
// The 24-point game: four cards of values 1 to 10, and every way to make
// exactly 24 from them, each card used once, with + − × ÷ and brackets.
//
// The solver tries every order of the cards and every bracket shape, in
// exact fractions, so 8÷(3−8÷3) is exactly 24. Two answers are one when
// they differ only in the order or grouping of a sum's or a product's terms
// (a+b and b+a, (a+b)+c and a+(b+c)); − and ÷ keep their order. Answers are
// written with × ÷ − and the fewest brackets that keep their meaning.
#include <QString>
#include <QStringList>

#include <array>

namespace quorvel {

class RandomSource;

namespace twentyfour {

using Deal = std::array<int, 4>;

// Every distinct answer of the deal, sorted; none when there is none. Each
// set of cards is searched once a run and remembered.
QStringList solve(const Deal &deal);
// The search itself, without that memory.
QStringList search(const Deal &deal);

// Whether an expression a child typed (+ − × ÷ or * /, brackets, full-width
// characters) uses the four cards once each and makes exactly 24.
bool isSolution(const QString &typed, const Deal &deal);

} // namespace twentyfour

// One page of the game: a solvable deal of one suit and its answers.
class TwentyFourGame
{
public:
    twentyfour::Deal deal{};
    int suit = 1; // 1 to 4, shown as "a" to "d"
    QStringList solutions;

    // Deals until the solver finds at least one answer.
    void dealSolvable(RandomSource &random);
    // The page: the four cards two to a row, the count, a box per answer.
    QString pageText() const;
    // Shown after "finish": every answer on its own line, then the time.
    QString revealText(int seconds) const;
};

QChar suitLetter(int suit);

} // namespace quorvel
