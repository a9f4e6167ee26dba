#include "topics/equations.h"

#include "page/numbertext.h"
#include "page/pageformat.h"
#include "page/randomsource.h"

using namespace Qt::StringLiterals;

namespace quorvel::equations {

namespace {

// The answer sits on a line of its own, indented by seven spaces.
const QString answerLine = u"<br>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp; x ="_s;

QString n(int value)
{
    return numberText(value);
}

// A coefficient of x: 1 is not written.
QString coefficient(int value)
{
    return value == 1 ? QString() : n(value);
}

struct Equation
{
    QString question; // after "第i题："
    int solution = 0;
};

// x + b = c and c - x = b.
Equation easyOneSided(bool difference, RandomSource &random)
{
    const int a = random.below(45, 3);
    const int b = random.below(45, 3);
    const int c = a + b;
    if (difference)
        return {u" "_s + n(c) + u" - x = "_s + n(b), a};
    return {u" x + "_s + n(b) + u" = "_s + n(c), a};
}

// kx + a = c and c - kx = a.
Equation hardOneSided(bool difference, RandomSource &random)
{
    const int a = random.below(45, 3);
    const int b = random.below(15, 3);
    const int k = random.below(7, 2);
    const int c = a + k * b;
    if (difference)
        return {u" "_s + n(c) + u" - "_s + n(k) + u"x = "_s + n(a), b};
    return {u" "_s + n(k) + u"x + "_s + n(a) + u" = "_s + n(c), b};
}

// px - d = qx + e, with a zero d left out.
Equation bothSides(bool hard, RandomSource &random)
{
    const int p = hard ? random.below(45, 3) : random.below(15, 3);
    const int q = random.below(p - 1, 1);
    const int m = random.below(8, 2);
    const int total = m * (p - q);
    const int d = random.below(total - 2, 0);
    const int e = total - d;
    const QString left = u" "_s + n(p) + (d != 0 ? u"x - "_s + n(d) : u"x "_s);
    return {left + u" = "_s + coefficient(q) + u"x + "_s + n(e), m};
}

// c - px = e - qx.
Equation subtracted(bool hard, RandomSource &random)
{
    const int p = hard ? random.below(45, 3) : random.below(15, 3);
    const int q = random.below(p - 1, 1);
    const int m = random.below(8, 2);
    const int e = hard ? random.below(20, 2) : random.below(10, 2);
    const int c = m * (p - q) + e;
    return {u" "_s + n(c) + u" - "_s + n(p) + u"x = "_s + n(e) + u" - "_s + coefficient(q) + u"x"_s,
            m};
}

Equation draw(int kind, RandomSource &random)
{
    switch (kind) {
    case SumEasy:
    case DifferenceEasy:
        return easyOneSided(kind == DifferenceEasy, random);
    case SumHard:
    case DifferenceHard:
        return hardOneSided(kind == DifferenceHard, random);
    case BothSidesEasy:
    case BothSidesHard:
        return bothSides(kind == BothSidesHard, random);
    default:
        return subtracted(kind == SubtractedHard, random);
    }
}

} // namespace

Page QiuFangCheng(int number, int itemCount, RandomSource &random)
{
    if (number < SumEasy || number > SubtractedHard)
        return {};
    Page page;
    for (int i = 1; i <= itemCount; ++i) {
        const Equation equation = draw(number, random);
        page.text +=
            page::horizontalItem(i, equation.question + answerLine, numberText(equation.solution));
    }
    page.text += page::submitLine();
    page.items = itemCount;
    return page;
}

} // namespace quorvel::equations
