#pragma once
// Pages of the group "比和比例" (proportions with one missing term, built on
// a fixed table of ten base ratios) and of "分数变小数" (proper fractions
// written as decimals rounded to three places).
#include "page/page.h"

#include <QString>

namespace quorvel {

class RandomSource;

namespace ratio {

// The nodes by the number of their tag ("$9872501" ... and "{7697601" ...).
enum Kind
{
    Concept = 9872501, // the page file conceptFile in the second pane
    ProportionEasy = 9872502,
    ProportionMiddle = 9872503,
    ProportionHard = 9872504,
    DecimalEasy = 7697601,
    DecimalMiddle = 7697602,
    DecimalHard = 7697603,
};

// The concept page, relative to the program folder.
inline constexpr char16_t conceptFile[] = u"zimu/bili.htm";

// Every proportion page has this many items, whatever the page size.
inline constexpr int proportionItems = 10;

struct Ratio
{
    int p = 0;
    int q = 0;
};

// The base ratio of proportion item 1 to 10: 2:3, 2:5, ... 7:9.
Ratio baseRatio(int item);

// jiebili: ten proportions A:B = C:D built from the base ratios times two
// different multipliers; items 1 to 5 ask for C, items 6 to 10 for D.
Page jiebili(int number, RandomSource &random);

// n ÷ d rounded half up to three decimals, trailing zeros dropped:
// 3/8 gives "0.375", 2/4 "0.5", 3/12 "0.25", 2/3 "0.667".
QString decimalText(int numerator, int denominator);

// The denominators of a level.
struct Range
{
    int low = 0;
    int high = 0;
};
Range denominatorRange(int number);

// How many different fractions n/d (2 <= n < d) a level can ask for.
int fractionCount(int number);

// Items "d分之n= " with the decimal as the answer; no fraction twice on a
// page. A page longer than the level has fractions stops when they are used
// up, with items telling how many were written.
Page fractionToDecimal(int number, int itemCount, RandomSource &random);

} // namespace ratio
} // namespace quorvel
