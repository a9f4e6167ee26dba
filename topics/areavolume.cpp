#include "topics/areavolume.h"

#include "page/numbertext.h"
#include "page/pageformat.h"
#include "page/randomsource.h"
#include "topics/chinesenumerals.h"

using namespace Qt::StringLiterals;

namespace quorvel::areavolume {

namespace {

// A line break and seven spaces: the second line of a long question.
const QString newLine = u"<br>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;"_s;

QString n(int value)
{
    return numberText(value);
}

// An exact measure given in hundredths (π is 3.14, so every area and volume
// of the page is a whole number of hundredths).
QString hundredths(qint64 value)
{
    return decimalUnitsText(value, 2, false);
}

// The value numerator / denominator hundredths rounded half up to two
// places, both places written, as the page asks.
QString hundredthsRoundedHalfUp(qint64 numerator, qint64 denominator)
{
    const qint64 rounded = (2 * numerator + denominator) / (2 * denominator);
    return decimalUnitsText(rounded, 2, true);
}

struct Item
{
    QString question; // after "第i题："
    QString answer;
    QString unit; // after the answer box
};

struct Drill
{
    int kind;
    const char16_t *intro;
    Item (*item)(int i, RandomSource &random);
};

const Drill drills[] = {
    {SquareArea,
     u"设正方形的边长是a，那么正方形的面积S=a<sup>2</sup>，求以下边长的正方形的面积：<br><br>",
     [](int i, RandomSource &) -> Item {
         return {u"边长是"_s + n(i) + u"厘米的正方形的面积 = "_s, n(i * i), u"平方厘米"_s};
     }},
    {SquareSide,
     u"设正方形的边长是a，那么正方形的面积S=a<sup>2</sup>，"
     u"已知正方形的面积，求正方形的边长：<br><br>",
     [](int i, RandomSource &) -> Item {
         return {u"已知正方形的面积是"_s + n(i * i) + u"平方厘米，那么该正方形的边长 = "_s, n(i),
                 u"厘米"_s};
     }},
    {RectangleArea,
     u"设长方形的长是a，宽是b，那么长方形的面积S=a×b，求下面长方形的面积：<br>"
     u"（答案用汉字写）<br><br>",
     [](int i, RandomSource &) -> Item {
         return {u"长方形的长是"_s + areaHan(i + 2) + u"分之一厘米，宽是"_s + areaHan(i + 1) +
                     u"分之一厘米，"_s + newLine + u"那么长方形的面积 = "_s,
                 areaHan((i + 1) * (i + 2)), u"分之一平方厘米"_s};
     }},
    {TrapezoidArea,
     u"设梯形的上底是a，下底是b，高是h，那么梯形的面积S=(a+b)×h÷2，求以下梯形的面积：<br><br>",
     [](int i, RandomSource &) -> Item {
         const int a = i + 2, b = i + 3, h = i + 1;
         return {u"梯形的上底是"_s + n(a) + u"厘米，下底是"_s + n(b) + u"厘米，高是"_s + n(h) +
                     u"厘米，"_s + newLine + u"那么梯形的面积 = "_s,
                 hundredths(qint64(a + b) * h * 50), u"平方厘米"_s};
     }},
    {ParallelogramArea,
     u"设平行四边形的底是a，高是h，那么平行四边形的面积S=a×h，求以下平行四边形的面积：<br>"
     u"（答案用汉字写）<br><br>",
     [](int i, RandomSource &) -> Item {
         return {u"平行四边形的底是"_s + areaHan(i + 3) + u"分之一厘米，高是"_s + areaHan(i + 1) +
                     u"分之一厘米，"_s + newLine + u"那么平行四边形的面积 = "_s,
                 areaHan((i + 3) * (i + 1)), u"分之一平方厘米"_s};
     }},
    {TriangleArea, u"设三角形的底是a，高是h，那么三角形的面积S=a×h÷2，求以下三角形的面积：<br><br>",
     [](int i, RandomSource &) -> Item {
         const int a = i + 3, h = i + 1;
         return {u"三角形的底是"_s + n(a) + u"厘米，高是"_s + n(h) + u"厘米，"_s + newLine +
                     u"那么三角形的面积 = "_s,
                 hundredths(qint64(a) * h * 50), u"平方厘米"_s};
     }},
    {TriangleHeight, u"设三角形的底是a，高是h，那么三角形的面积S=a×h÷2，求以下三角形的高：<br><br>",
     [](int i, RandomSource &random) -> Item {
         const int h = i + random.below(3, 1);
         const int a = i + 1;
         return {u"三角形的底是"_s + n(a) + u"厘米，面积是"_s + hundredths(qint64(a) * h * 50) +
                     u"平方厘米，"_s + newLine + u"那么三角形的高 = "_s,
                 n(h), u"厘米"_s};
     }},
    {CircleArea,
     u"设圆形的半径是r，那么圆形的面积S=π×r<sup>2</sup>，求以下圆形的面积：<br>（π=3.14）<br><br>",
     [](int i, RandomSource &) -> Item {
         const int r = i;
         return {u"圆形的半径是"_s + n(r) + u"厘米，那么圆形的面积 = "_s,
                 hundredths(qint64(314) * r * r), u"平方厘米"_s};
     }},
    {SectorArea,
     u"设扇形的半径是r，扇形的角度是α度，那么扇形的面积S=(α/360)×π×r<sup>2</sup>，"
     u"求以下扇形的面积：<br>（π=3.14）（四舍五入保留2位小数）<br><br>",
     [](int i, RandomSource &random) -> Item {
         const int r = i;
         const int angle = random.below(179, 1);
         // α/360 × 3.14 × r² is α × 314 × r² / 360 hundredths.
         return {u"扇形的半径是"_s + n(r) + u"厘米，角度是"_s + n(angle) + u"度，"_s + newLine +
                     u"那么扇形的面积 = "_s,
                 hundredthsRoundedHalfUp(qint64(angle) * 314 * r * r, 360), u"平方厘米"_s};
     }},
    {CubeVolume,
     u"设正方体的棱长是a，那么正方体的体积V=a<sup>3</sup>，求以下棱长的正方体的体积：<br><br>",
     [](int i, RandomSource &) -> Item {
         return {u"棱长是"_s + n(i) + u"厘米的正方体的体积 = "_s, n(i * i * i), u"立方厘米"_s};
     }},
    {CuboidVolume,
     u"设长方体的长是a，宽是b，高是h，那么长方体的体积V=a×b×h，求以下长方体的体积：<br><br>",
     [](int i, RandomSource &) -> Item {
         const int a = i + 3, b = i + 2, h = i + 1;
         return {u"长方体的长是"_s + n(a) + u"厘米，宽是"_s + n(b) + u"厘米，高是"_s + n(h) +
                     u"厘米，"_s + newLine + u"那么长方体的体积 = "_s,
                 n(a * b * h), u"立方厘米"_s};
     }},
    {CylinderVolume,
     u"设圆柱体的底面半径是r，高是h，那么圆柱体的体积V=π×r<sup>2</sup>×h，"
     u"求以下圆柱体的体积：<br>（π=3.14）<br><br>",
     [](int i, RandomSource &) -> Item {
         const int r = i + 1, h = i + 2;
         return {u"圆柱体的底面半径是"_s + n(r) + u"厘米，高是"_s + n(h) + u"厘米，"_s + newLine +
                     u"那么圆柱体的体积 = "_s,
                 hundredths(qint64(314) * r * r * h), u"立方厘米"_s};
     }},
    {ConeVolume,
     u"设圆锥体的底面半径是r，高是h，那么圆锥体的体积V=π×r<sup>2</sup>×h÷3，"
     u"求以下圆锥体的体积：<br>（π=3.14）（四舍五入保留2位小数）<br><br>",
     [](int i, RandomSource &) -> Item {
         const int r = i + 1, h = i + 2;
         // 3.14 × r² × h ÷ 3 is 314 × r² × h / 3 hundredths.
         return {u"圆锥体的底面半径是"_s + n(r) + u"厘米，高是"_s + n(h) + u"厘米，"_s + newLine +
                     u"那么圆锥体的体积 = "_s,
                 hundredthsRoundedHalfUp(qint64(314) * r * r * h, 3), u"立方厘米"_s};
     }},
    {CylinderSurface,
     u"设圆柱体的底面半径是r，高是h，那么圆柱体的表面积S=2×π×r<sup>2</sup> + "
     u"2×π×r×h，<br>求以下圆柱体的表面积：（π=3.14）<br><br>",
     [](int i, RandomSource &) -> Item {
         const int r = i + 1, h = i + 2;
         return {u"圆柱体的底面半径是"_s + n(r) + u"厘米，高是"_s + n(h) + u"厘米，"_s + newLine +
                     u"那么圆柱体的表面积 = "_s,
                 hundredths(qint64(628) * r * (r + h)), u"平方厘米"_s};
     }},
};

struct Conversion
{
    const char16_t *from; // after the drawn number
    int factor;
    const char16_t *to; // after the answer box
};

const Conversion areaConversions[10] = {
    {u"平方米 = ", 100, u"平方分米"},
    {u"平方米 = ", 10000, u"平方厘米"},
    {u"平方分米 = ", 100, u"平方厘米"},
    {u"平方公里 = ", 1000000, u"平方米"},
    {u"平方米 = ", 1000000, u"平方毫米"},
    {u"平方厘米 = ", 100, u"平方毫米"},
    {u"公顷 = ", 10000, u"平方米"},
    {u"平方公里 = ", 100, u"公顷"},
    {u"公顷 = ", 15, u"亩"},
    {u"平方米 = ", 9, u"平方尺"},
};

const Conversion volumeConversions[5] = {
    {u"立方米 = ", 1000, u"立方分米"},   {u"立方米 = ", 1000000, u"立方厘米"},
    {u"立方分米 = ", 1000, u"立方厘米"}, {u"立方分米 = ", 1000000, u"立方毫米"},
    {u"立方厘米 = ", 1000, u"立方毫米"},
};

QString itemText(int i, const Item &item)
{
    return page::itemLabel(i) + item.question + page::answerBox(i, item.answer) + u" "_s +
           item.unit + u"<br><br>"_s;
}

Page conversionPage(bool volume, RandomSource &random)
{
    constexpr int itemCount = 10; // whatever the page size is set to
    Page page;
    for (int i = 1; i <= itemCount; ++i) {
        const Conversion &c = volume ? volumeConversions[(i - 1) % 5] : areaConversions[i - 1];
        const int value = random.below(8, 2);
        page.text += itemText(i, {n(value) + QString::fromUtf16(c.from), n(value * c.factor),
                                  QString::fromUtf16(c.to)});
    }
    page.text += page::submitLine();
    page.items = itemCount;
    return page;
}

} // namespace

Page QiuMT(int number, int itemCount, RandomSource &random, const QString &conceptText)
{
    if (number == Concepts)
        return {conceptText, 0};
    if (number == AreaUnits || number == VolumeUnits)
        return conversionPage(number == VolumeUnits, random);
    for (const Drill &drill : drills) {
        if (drill.kind != number)
            continue;
        Page page{QString::fromUtf16(drill.intro), itemCount};
        for (int i = 1; i <= itemCount; ++i)
            page.text += itemText(i, drill.item(i, random));
        page.text += page::submitLine();
        return page;
    }
    return {};
}

QString areaHan(int n)
{
    if (n < 0 || n > 9999)
        return {};
    if (n < 1000)
        return biannumtoHan(n);
    QString text = biannumtoHan(n / 1000) + u"千"_s;
    const int rest = n % 1000;
    if (rest == 0 || rest >= 100)
        return rest == 0 ? text : text + biannumtoHan(rest);
    // A gap in the hundreds is read as 零, and a ten after it keeps its 一:
    // 1015 is 一千零一十五.
    text += u"零"_s;
    if (rest >= 10 && rest < 20)
        text += u"一"_s;
    return text + biannumtoHan(rest);
}

} // namespace quorvel::areavolume
