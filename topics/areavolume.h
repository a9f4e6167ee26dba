#pragma once
// Pages of areas and volumes: the concept page, drills that measure growing
// figures (item i has side i, radius i + 1 and so on), and the two unit
// conversions.
#include "page/page.h"

#include <QString>

namespace quorvel {

class RandomSource;

namespace areavolume {

// The pages by the number of their node's tag ("$5725701" ... "$5725717").
enum Kind
{
    Concepts = 5725701,
    SquareArea = 5725702,
    RectangleArea = 5725703, // unit-fraction sides, answered in Chinese numerals
    TrapezoidArea = 5725704,
    ParallelogramArea = 5725705, // unit-fraction sides, answered in Chinese numerals
    TriangleArea = 5725706,
    CircleArea = 5725707,
    SectorArea = 5725708,
    CubeVolume = 5725709,
    CuboidVolume = 5725710,
    CylinderVolume = 5725711,
    ConeVolume = 5725712,
    CylinderSurface = 5725713,
    AreaUnits = 5725714,
    VolumeUnits = 5725715,
    SquareSide = 5725716,
    TriangleHeight = 5725717,
};

// The page of the given tag number. The measurement drills have itemCount
// items, the unit conversions always ten; the concept page is conceptText
// (already HTML) with no items.
Page QiuMT(int number, int itemCount, RandomSource &random, const QString &conceptText);

// A whole number 0 to 9999 in Chinese numerals as children write it: below
// 1000 exactly as biannumtoHan, above with the thousands (一千零五十六,
// 二千七百零三). The unit-fraction pages on 50 items reach such areas.
// Empty for negative numbers and 10000 and above.
QString areaHan(int n);

} // namespace areavolume
} // namespace quorvel
