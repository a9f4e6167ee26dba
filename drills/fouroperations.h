#pragma once
// The four-operation drills by range: a page of distinct addition,
// subtraction, multiplication or division items whose operands lie in the
// range a tree node names. The same generator makes the decimal tab's pages
// and the column and inequality forms of integer addition and subtraction.
#include "page/page.h"
#include <QChar>

#include <QString>

namespace quorvel {

class RandomSource;

enum class DisplayMode
{
    Horizontal, // "普通"
    Column,     // "竖式"
    Inequality, // "最大": the largest whole number keeping an inequality true
};

struct DrillRequest
{
    QChar family;          // '+', '-', u'×' or u'÷'
    int range = 0;         // the node's tag number: 10, 20, ... or 81, 251, 501 ...
    int itemCount = 10;    // items on the page
    bool decimal = false;  // the decimal tab is selected
    int decimalPlaces = 1; // places of decimal division, 1 to 4
    DisplayMode mode = DisplayMode::Horizontal;
};

class FourOperationDrill
{
public:
    explicit FourOperationDrill(RandomSource &random) : m_random(random) {}

    // Whether this family has a page for this range.
    static bool servesRange(QChar family, int range);
    // The rule of a multiplication or division range for the pair a × b (the
    // quotient a and the divisor b of a division item): its lengths in digits
    // and its smallest product. The product is never above the range.
    static bool passesRangeTest(QChar family, int range, int a, int b);

    // The page for the request; empty when the family has no page for the range.
    Page page(const DrillRequest &request);

    // The decimal operands of the last item drawn; they keep their values
    // until the next drill overwrites them.
    double decimalFirst = 0;
    double decimalSecond = 0;
    double decimalResult = 0;

    // The decimal operands of a division item with quotient a and divisor b,
    // with `places` decimal places: fills the three decimal fields.
    void xiaoshujisuanCheng(int a, int b, int places);

private:
    struct Pair
    {
        int a = 0;
        int b = 0;
    };
    Pair drawAddSubPair(int range, const QString &usedPairs);
    Pair drawMulDivPair(QChar family, int range, const QString &usedPairs);
    void drawOneDecimalPlace(int a, int b);
    QString addSubItem(const DrillRequest &request, int item, Pair pair) const;

    RandomSource &m_random;
};

// The pair text "[a|b]" that marks a drawn pair as used on a page.
QString pairText(int a, int b);

} // namespace quorvel
