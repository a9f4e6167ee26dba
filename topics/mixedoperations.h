#pragma once
// The pages of the group "四则运算": chains of four numbers joined by
// additions and subtractions, and bracketed expressions of four numbers that
// mix the four operations, whose values come from the expression evaluator
// (real division). Every page has ten items.
#include "page/page.h"

#include <QString>

#include <optional>

namespace quorvel {

class RandomSource;

namespace mixedops {

inline constexpr int itemsPerPage = 10;

// Tag numbers of the nodes ("{9001" … "{9018").
inline constexpr int firstBracketedNumber = 9001;
inline constexpr int lastBracketedNumber = 9009;
inline constexpr int firstChainNumber = 9010;
inline constexpr int lastChainNumber = 9018;

enum class ChainKind
{
    Addition,    // 连加: a+b+c+d
    Subtraction, // 连减: S-b-c-d with S = a+b+c+d
    Mixed,       // 连加连减: the pattern of signs follows the item number
};

enum class BracketKind
{
    AddSubtractMultiply, // 加减乘
    WholeQuotient,       // 加减乘除, whole results
    DecimalQuotient,     // 结果小数的加减乘除, results to two decimals
};

// Each of the four numbers is drawn as Int(r × count) + low.
struct NumberRange
{
    int count = 20;
    int low = 2;
};
// Level 1 (简单) 2 to 21, level 2 (中等) 20 to 69, level 3 (较难) 50 to 149.
NumberRange levelRange(int level);

struct BracketedPageKind
{
    BracketKind kind = BracketKind::AddSubtractMultiply;
    int level = 1;
};
// 9002 … 9009 in the order of the tree, and 9001 the third decimal level.
BracketedPageKind bracketedKind(int number);

// The value of an expression of whole numbers, "+", "-", "*", "/" and
// parentheses, with real division; nothing when the text is no such
// expression or divides by zero.
std::optional<double> evaluate(const QString &expression);

// The value rounded to two decimals, a third decimal of 5 or more rounding
// up: trailing zeros of the decimals dropped, the point too when none are
// left, "0" before the point below 1 (0.83, 1.5, 12).
QString twoDecimalText(double value);

// The chain pages 9010 … 9018.
Page SiZeYunSuan(int number, RandomSource &random);

// The bracketed pages 9001 … 9009.
Page bracketedPage(int number, RandomSource &random);

} // namespace mixedops
} // namespace quorvel
