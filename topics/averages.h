#pragma once
// Pages of the tab "规律运算" with one box per item: averages of three to five
// numbers, complements to 100, 1000 and 10000, remainders of a division, and
// the squares and cubes children learn by heart.
#include "page/page.h"
#include <QList>

#include <QString>

namespace quorvel {

class RandomSource;

namespace averages {

// The nodes by the number of their tag.
enum Kind
{
    AverageConcept = 7727701,    // the page file averageConceptFile
    AverageEasy = 7727702,       // three numbers
    AverageMiddle = 7727703,     // four numbers
    AverageHard = 7727704,       // five numbers
    ComplementConcept = 7787701, // the page file complementConceptFile
    ComplementEasy = 7787702,    // to 100
    ComplementMiddle = 7787703,  // to 1000
    ComplementHard = 7787704,    // to 10000
    RemainderEasy = 7597501,
    RemainderMiddle = 7597502,
    RemainderHard = 7597503,
    SquaresTo10 = 7598901,
    SquaresTo20 = 7598902,
    Cubes = 7598903,
};

// The concept pages, relative to the program folder.
inline constexpr char16_t averageConceptFile[] = u"zimu/平均数.htm";
inline constexpr char16_t complementConceptFile[] = u"zimu/补数.htm";

// The square and cube pages always have this many items.
inline constexpr int powerItems = 10;

// The average rounded half up to two decimals, written without trailing
// zeros: 18.00 gives "18", 15.50 "15.5", 12.33 "12.33", 20.00 "20".
QString averageText(const QList<int> &numbers);

// QiuPingJunShu: items "a,b,c的平均数 = " with three to five numbers from
// 3 to 47.
Page QiuPingJunShu(int number, int itemCount, RandomSource &random);

// The whole a level takes the complement to (100, 1000, 10000); 0 for any
// other number.
int complementBase(int number);

// QiuBuShu: items "100 - x = " with x from 3 to base - 3.
Page QiuBuShu(int number, int itemCount, RandomSource &random);

// The dividends of a remainder level.
struct Range
{
    int low = 0;
    int high = 0;
};
Range dividendRange(int number);

// Items "a除以b的余数= " with 2 <= b < a.
Page remainderPage(int number, int itemCount, RandomSource &random);

// QiuLiFang: the ten squares of 1 to 10 or 11 to 20, or the cubes of 1 to
// 10; the same page on every visit.
Page QiuLiFang(int number);

} // namespace averages
} // namespace quorvel
