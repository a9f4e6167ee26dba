#pragma once
// Money pages: amounts in 元 and 角 (10 角 = 1 元) converted between the two
// units, added, subtracted from the amount paid, multiplied and divided.
// Answers in 角 alone have one box; answers in 元 and 角 have two boxes per
// item, answerleft (元) and answerright (角).
#include "page/page.h"

#include <QString>

namespace quorvel {

class RandomSource;

namespace money {

// The pages by the number of their node's tag ("$7899701" ... "$7899706").
enum Kind
{
    YuanToJiao = 7899701, // one box: the amount in 角
    JiaoToYuan = 7899702,
    Addition = 7899703,
    Subtraction = 7899704, // always ten items: the change from 5, 10, 50 or 100 元
    Multiplication = 7899705,
    Division = 7899706,
};

// The page of the given tag number; every kind but the subtraction has
// itemCount items.
Page RenMinBi(int number, int itemCount, RandomSource &random);

// The pair of boxes of a 元 and 角 answer, closed by "角<br><br>".
QString yuanJiaoBoxes(int item, int yuan, int jiao);

} // namespace money
} // namespace quorvel
