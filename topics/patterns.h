#pragma once
// The pages of the groups "规律运算" and "比较多少": rows of eight numbers
// that follow a rule with one number left out, and two rows of pictures,
// camels and rabbits, whose counts are compared.
#include "page/page.h"
#include <QList>

#include <QString>

namespace quorvel {

class RandomSource;

namespace patterns {

// Tag numbers of the nodes ("*9", "*91" … "*95", "&81" … "&84").
inline constexpr int noteNumber = 9;
inline constexpr int countByOneNumber = 91;  // 最简单
inline constexpr int countByTwoNumber = 92;  // 简单
inline constexpr int largerStepNumber = 93;  // 中等
inline constexpr int secondRuleNumber = 94;  // 较难
inline constexpr int growingRuleNumber = 95; // 最难
inline constexpr int moreEasyNumber = 81;    // 多多少（简单）
inline constexpr int fewerEasyNumber = 82;   // 少多少（简单）
inline constexpr int moreHardNumber = 83;    // 多多少（较难）
inline constexpr int fewerHardNumber = 84;   // 少多少（较难）

inline constexpr int rowLength = 8;

// The page of the group node itself.
QString patternNote();

// The eight numbers of one row and the position (1 … 8) left out.
struct Row
{
    QList<int> numbers;
    int gap = 2;
};

// One row of the level: *91 counts up by 1, *92 by 2, *93 by a step of 3 to
// 9, *94 counts down by a step of 2 to 9 (odd items) or adds two steps in
// turn (even items), *95 doubles (odd items) or adds 1, 2, 3, … more each
// time (even items). The gap is never the first or the last number.
Row patternRow(int number, int item, RandomSource &random);

// itemCount rows: "第i题：" and the numbers, each followed by ";", with the
// answer box in the gap.
Page patternPage(int number, int itemCount, RandomSource &random);

// The one question of a comparison page: a row of camels over a row of
// rabbits, "骆驼比兔子多多少？" (81, 83) or "骆驼比兔子少多少？" (82, 84),
// with the box "bj" holding the difference.
Page comparisonPage(int number, RandomSource &random);

inline constexpr char16_t camelPicture[] = u"<img src=flash/t2.gif>";
inline constexpr char16_t rabbitPicture[] = u"<img src=flash/t3.gif>";

} // namespace patterns
} // namespace quorvel
