#pragma once
// Pages of linear equations in one unknown x: whole-number coefficients and a
// whole-number solution, which is drawn first so that the equation built
// around it has exactly that one solution.
#include "page/page.h"

#include <QString>

namespace quorvel {

class RandomSource;

namespace equations {

// The eight drills by the number of their node's tag ("$79681" ... "$79688").
enum Kind
{
    SumEasy = 79681,        // x + b = c
    DifferenceEasy = 79682, // c - x = b
    SumHard = 79683,        // kx + a = c
    DifferenceHard = 79684, // c - kx = a
    BothSidesEasy = 79685,  // px - d = qx + e
    BothSidesHard = 79686,  // the same with larger p
    SubtractedEasy = 79687, // c - px = e - qx
    SubtractedHard = 79688, // the same with larger p and e
};

// The page of the drill with the given tag number: itemCount items, each
// the equation and, on its own line, "x =" with the answer box.
Page QiuFangCheng(int number, int itemCount, RandomSource &random);

} // namespace equations
} // namespace quorvel
