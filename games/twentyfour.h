#pragma once
// The 24-point game: four cards of values 1 to 10, and every expression of
// two fixed shapes over them whose value is 24. The solver tries twelve card
// orders of the shape ((a op b) op c) op d, and the one pairing
// (first op second) op (third op fourth); each operation writes one pair of
// parentheses, sums and products keep a fixed orientation, differences and
// quotients come both ways. Solutions are distinct texts, in the order found.
#include <QString>
#include <QStringList>

#include <array>

namespace quorvel {

class RandomSource;

namespace twentyfour {

using Deal = std::array<int, 4>;

// The band that absorbs rounding: 8/(3-8/3) is 23.999999999999986.
inline bool countsAs24(double value)
{
    return value > 23.99999 && value < 24.00001;
}

// Every solution of the deal, in the order found; at most 82.
QStringList solve(const Deal &deal);

} // namespace twentyfour

// One page of the game: a solvable deal of one suit and its solutions.
class TwentyFourGame
{
public:
    twentyfour::Deal deal{};
    int suit = 1; // 1 to 4, shown as "a" to "d"
    QStringList solutions;

    // Deals until the solver finds at least one solution.
    void dealSolvable(RandomSource &random);
    // The page: the four cards two to a row, the count, a box per solution.
    QString pageText() const;
    // Shown after "finish": every solution on its own line, then the time.
    QString revealText(int seconds) const;
};

QChar suitLetter(int suit);

} // namespace quorvel
