#include "topics/ratio.h"

#include "page/numbertext.h"
#include "page/pageformat.h"
#include "page/randomsource.h"

#include <QSet>
#include <utility>

using namespace Qt::StringLiterals;

namespace quorvel::ratio {

namespace {

constexpr Ratio baseRatios[proportionItems] = {{2, 3}, {2, 5}, {2, 7}, {2, 9}, {3, 5},
                                               {3, 7}, {3, 9}, {5, 7}, {5, 9}, {7, 9}};

QString n(int value)
{
    return numberText(value);
}

// The two multipliers of one item, redrawn until the second ratio is neither
// the first nor (on the harder levels) its double or half.
std::pair<int, int> multipliers(int number, RandomSource &random)
{
    for (;;) {
        int m = 0;
        int k = 0;
        bool rejected = false;
        switch (number) {
        case ProportionEasy:
            m = random.below(4, 1);
            k = random.below(4, 2);
            rejected = k == m;
            break;
        case ProportionMiddle:
            m = random.below(6, 1);
            k = random.below(5, 3);
            rejected = k == m || k == 2 * m;
            break;
        default:
            m = random.below(7, 1);
            k = random.below(6, 4);
            rejected = k == m || m == 2 * k || k == 2 * m;
            break;
        }
        if (!rejected)
            return {m, k};
    }
}

} // namespace

Ratio baseRatio(int item)
{
    if (item < 1 || item > proportionItems)
        return {};
    return baseRatios[item - 1];
}

Page jiebili(int number, RandomSource &random)
{
    if (number != ProportionEasy && number != ProportionMiddle && number != ProportionHard)
        return {};
    Page page;
    for (int i = 1; i <= proportionItems; ++i) {
        const Ratio r = baseRatio(i);
        const auto [m, k] = multipliers(number, random);
        const int a = m * r.p;
        const int b = m * r.q;
        const int c = k * r.p;
        const int d = k * r.q;
        page.text += page::itemLabel(i) + n(a) + u":"_s + n(b) + u" = "_s;
        if (i <= 5)
            page.text += page::answerBox(i, n(c)) + u" : "_s + n(d);
        else
            page.text += n(c) + u" :"_s + page::answerBox(i, n(d));
        page.text += u"<br><br>"_s;
    }
    page.text += page::submitLine();
    page.items = proportionItems;
    return page;
}

QString decimalText(int numerator, int denominator)
{
    if (denominator <= 0 || numerator < 0)
        return {};
    // Thousandths rounded half up, in whole numbers so that a fraction
    // ending in an exact 5 (3/16 = 0.1875) never rounds down.
    const qint64 thousandths = (qint64(2000) * numerator + denominator) / (qint64(2) * denominator);
    // Rounded to three places, the three places are written: 4/21 is 0.190.
    return decimalUnitsText(thousandths, 3, true);
}

Range denominatorRange(int number)
{
    switch (number) {
    case DecimalEasy:
        return {3, 10};
    case DecimalMiddle:
        return {9, 26};
    case DecimalHard:
        return {25, 104};
    default:
        return {};
    }
}

int fractionCount(int number)
{
    const Range range = denominatorRange(number);
    int count = 0;
    for (int d = range.low; d <= range.high && d > 2; ++d)
        count += d - 2;
    return count;
}

Page fractionToDecimal(int number, int itemCount, RandomSource &random)
{
    const Range range = denominatorRange(number);
    if (range.high == 0)
        return {};
    const int items = std::min(itemCount, fractionCount(number));
    Page page;
    page.text = u"请保留三位小数，第四位四舍五入到三位。<br><br>"_s;
    QSet<std::pair<int, int>> shown;
    for (int i = 1; i <= items; ++i) {
        int d = 0;
        int k = 0;
        do {
            d = random.below(range.high - range.low + 1, range.low);
            k = random.below(d - 2, 2);
        } while (shown.contains({d, k}));
        shown.insert({d, k});
        page.text += page::itemLabel(i) + n(d) + u"分之"_s + n(k) + u"= "_s +
                     page::answerBox(i, decimalText(k, d)) + u"<br><br>"_s;
    }
    page.text += page::submitLine();
    page.items = items;
    return page;
}

} // namespace quorvel::ratio
