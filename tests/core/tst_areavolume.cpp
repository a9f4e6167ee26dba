// Area and volume pages: exact texts of the items and introductions, every
// answer worked out again from the measures on the page, the single-precision
// answers with at most seven digits, Chinese-numeral answers past a thousand,
// the unit conversions of ten items, and the pages in the main window.
#include "app/core/maincontroller.h"
#include "app/core/recordingview.h"
#include "content/programfiles.h"
#include "controllerfixture.h"
#include "page/pagedocument.h"
#include "page/randomsource.h"
#include "page/settingsstore.h"
#include "scriptedrandom.h"
#include "topics/areavolume.h"
#include "topics/chinesenumerals.h"

#include <QRegularExpression>
#include <QTest>

#include <deque>

using namespace Qt::StringLiterals;
using namespace quorvel;

namespace {

const QString n7 = u"<br>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;"_s;
const QString finishLine = u"&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp; "
                           u"<input class=button name=finish type=button size=7 value=提交答案 "
                           u"tag=十><br><br>"_s;

QString box(int item, const QString &answer)
{
    return u" <input class=text name=answer"_s + QString::number(item) +
           u" type=text size=7 tag="_s + answer + u">"_s;
}

struct Item
{
    QString question; // between "题：" and the box
    QString tag;
    QString unit; // after the box
};

struct ParsedPage
{
    QString intro;
    QList<Item> items;
    bool wellFormed = false; // items numbered 1, 2, ... back to back, then the submit line
};

ParsedPage parse(const QString &page)
{
    static const QRegularExpression item(u"第(\\d+)题：(.*?) <input class=text name=answer(\\d+) "
                                         u"type=text size=7 tag=([^ >]*)> ([^<]*)<br><br>"_s);
    ParsedPage parsed;
    qsizetype at = page.indexOf(u"第1题："_s);
    if (at < 0)
        return parsed;
    parsed.intro = page.left(at);
    for (const auto &m : item.globalMatch(page, at)) {
        const QString number = QString::number(parsed.items.size() + 1);
        if (m.capturedStart() != at || m.captured(1) != number || m.captured(3) != number)
            return parsed;
        parsed.items.append({m.captured(2), m.captured(4), m.captured(5)});
        at = m.capturedEnd();
    }
    parsed.wellFormed = page.mid(at) == finishLine;
    return parsed;
}

// A Chinese numeral read back into its number; -1 when it is none.
int readNumeral(const QString &text)
{
    static const QString digits = u"零一二三四五六七八九"_s;
    if (text.isEmpty())
        return -1;
    int value = 0;
    int pending = -1;
    for (const QChar c : text) {
        const qsizetype digit = digits.indexOf(c);
        if (digit == 0)
            continue;
        if (digit > 0) {
            if (pending >= 0)
                return -1;
            pending = int(digit);
            continue;
        }
        const int place = c == u'十' ? 10 : c == u'百' ? 100 : c == u'千' ? 1000 : 0;
        if (place == 0)
            return -1;
        value += (pending < 0 ? 1 : pending) * place;
        pending = -1;
    }
    return value + qMax(pending, 0);
}

// An exact number of hundredths as the page writes it: at most seven
// significant digits (rounded half up), no trailing zeros.
// Hundredths with both places written, as a page that asks for two places
// expects them.
QString twoPlaces(qint64 hundredths)
{
    return QString::number(hundredths / 100) + u'.' +
           QString::number(hundredths % 100).rightJustified(2, u'0');
}

// An exact value in hundredths, without the zeros after its last digit.
QString decimalText(qint64 hundredths)
{
    QString text = QString::number(hundredths / 100);
    QString fraction = QString::number(hundredths % 100).rightJustified(2, u'0');
    while (fraction.endsWith(u'0'))
        fraction.chop(1);
    return fraction.isEmpty() ? text : text + u'.' + fraction;
}

// numerator / denominator hundredths rounded half up.
qint64 roundedHundredths(qint64 numerator, qint64 denominator)
{
    const qint64 whole = numerator / denominator;
    return numerator % denominator * 2 >= denominator ? whole + 1 : whole;
}

// A decimal text such as "4.5" in hundredths; -1 when it is not one.
qint64 hundredthsOf(const QString &text)
{
    static const QRegularExpression form(u"^(\\d+)(?:\\.(\\d{1,2}))?$"_s);
    const auto m = form.match(text);
    if (!m.hasMatch())
        return -1;
    return m.captured(1).toLongLong() * 100 + m.captured(2).leftJustified(2, u'0').toLongLong();
}

struct Window : ControllerFixture<>
{
    Window() : ControllerFixture(5) { onTab(u"T11"); }
};

} // namespace

class TestAreaVolume : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void exactItems_data();
    void exactItems();
    void introductions_data();
    void introductions();
    void answersFromTheMeasuresShown_data();
    void answersFromTheMeasuresShown();
    void conversionsAlwaysHaveTenItems_data();
    void conversionsAlwaysHaveTenItems();
    void numeralsPastAThousand_data();
    void numeralsPastAThousand();
    void everyNumeralReadsBack();
    void numbersWithoutAPage_data();
    void numbersWithoutAPage();
    void conceptPage();
    void pagesInTheWindow_data();
    void pagesInTheWindow();
};

void TestAreaVolume::exactItems_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("perPage");
    QTest::addColumn<QList<QList<int>>>("draws"); // value, k, m of the first draws
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("text");

    using Draws = QList<QList<int>>;
    const auto row = [](const char *name, int kind, int perPage, const Draws &draws, int item,
                        const QString &question, const QString &answer, const QString &unit) {
        QTest::newRow(name) << kind << perPage << draws << item
                            << u"第"_s + QString::number(item) + u"题："_s + question +
                                   box(item, answer) + u" "_s + unit + u"<br><br>"_s;
    };
    row("square 3", 5725702, 10, {}, 3, u"边长是3厘米的正方形的面积 = "_s, u"9"_s, u"平方厘米"_s);
    row("square side 3", 5725716, 10, {}, 3,
        u"已知正方形的面积是9平方厘米，那么该正方形的边长 = "_s, u"3"_s, u"厘米"_s);
    const auto rectangle = [&](const char *name, int perPage, int item, const QString &length,
                               const QString &width, const QString &area) {
        row(name, 5725703, perPage, {}, item,
            u"长方形的长是"_s + length + u"分之一厘米，宽是"_s + width + u"分之一厘米，"_s + n7 +
                u"那么长方形的面积 = "_s,
            area, u"分之一平方厘米"_s);
    };
    rectangle("rectangle 1", 10, 1, u"三"_s, u"二"_s, u"六"_s);
    rectangle("rectangle 9", 10, 9, u"十一"_s, u"十"_s, u"一百一十"_s);
    rectangle("rectangle 13", 20, 13, u"十五"_s, u"十四"_s, u"二百一十"_s);
    rectangle("rectangle 30, below a thousand", 50, 30, u"三十二"_s, u"三十一"_s, u"九百九十二"_s);
    rectangle("rectangle 31, 1056", 50, 31, u"三十三"_s, u"三十二"_s, u"一千零五十六"_s);
    rectangle("rectangle 50, 2652", 50, 50, u"五十二"_s, u"五十一"_s, u"二千六百五十二"_s);
    const auto parallelogram = [&](const char *name, int item, const QString &base,
                                   const QString &height, const QString &area) {
        row(name, 5725705, 50, {}, item,
            u"平行四边形的底是"_s + base + u"分之一厘米，高是"_s + height + u"分之一厘米，"_s + n7 +
                u"那么平行四边形的面积 = "_s,
            area, u"分之一平方厘米"_s);
    };
    parallelogram("parallelogram 1", 1, u"四"_s, u"二"_s, u"八"_s);
    parallelogram("parallelogram 29, below a thousand", 29, u"三十二"_s, u"三十"_s, u"九百六十"_s);
    parallelogram("parallelogram 30, 1023", 30, u"三十三"_s, u"三十一"_s, u"一千零二十三"_s);
    parallelogram("parallelogram 47, 2400", 47, u"五十"_s, u"四十八"_s, u"二千四百"_s);
    parallelogram("parallelogram 50, 2703", 50, u"五十三"_s, u"五十一"_s, u"二千七百零三"_s);
    row("trapezoid 2 gives a half", 5725704, 10, {}, 2,
        u"梯形的上底是4厘米，下底是5厘米，高是3厘米，"_s + n7 + u"那么梯形的面积 = "_s, u"13.5"_s,
        u"平方厘米"_s);
    row("triangle 2", 5725706, 10, {}, 2,
        u"三角形的底是5厘米，高是3厘米，"_s + n7 + u"那么三角形的面积 = "_s, u"7.5"_s,
        u"平方厘米"_s);
    row("triangle height 2, k = 1", 5725717, 10, {{3, 3, 1}, {1, 3, 1}}, 2,
        u"三角形的底是3厘米，面积是4.5平方厘米，"_s + n7 + u"那么三角形的高 = "_s, u"3"_s,
        u"厘米"_s);
    row("triangle height 1, k = 3", 5725717, 10, {{3, 3, 1}}, 1,
        u"三角形的底是2厘米，面积是4平方厘米，"_s + n7 + u"那么三角形的高 = "_s, u"4"_s, u"厘米"_s);
    row("circle 1", 5725707, 10, {}, 1, u"圆形的半径是1厘米，那么圆形的面积 = "_s, u"3.14"_s,
        u"平方厘米"_s);
    row("circle 7 is 153.86", 5725707, 10, {}, 7, u"圆形的半径是7厘米，那么圆形的面积 = "_s,
        u"153.86"_s, u"平方厘米"_s);
    const auto sector = [&](const char *name, int angle, const QString &area) {
        row(name, 5725708, 10, {{angle, 179, 1}}, 1,
            u"扇形的半径是1厘米，角度是"_s + QString::number(angle) + u"度，"_s + n7 +
                u"那么扇形的面积 = "_s,
            area, u"平方厘米"_s);
    };
    sector("sector 10 degrees is 0.09", 10, u"0.09"_s);
    sector("sector 90 degrees, 0.785 rounds up", 90, u"0.79"_s);
    sector("sector 126 degrees, 1.099 is 1.10", 126, u"1.10"_s);
    sector("sector 1 degree", 1, u"0.01"_s);
    sector("sector 179 degrees", 179, u"1.56"_s);
    row("sector 170 degrees of radius 9, 120.105 rounds up", 5725708, 10,
        Draws(8, {90, 179, 1}) + Draws{{170, 179, 1}}, 9,
        u"扇形的半径是9厘米，角度是170度，"_s + n7 + u"那么扇形的面积 = "_s, u"120.11"_s,
        u"平方厘米"_s);
    row("cube 3", 5725709, 10, {}, 3, u"棱长是3厘米的正方体的体积 = "_s, u"27"_s, u"立方厘米"_s);
    row("cuboid 1", 5725710, 10, {}, 1,
        u"长方体的长是4厘米，宽是3厘米，高是2厘米，"_s + n7 + u"那么长方体的体积 = "_s, u"24"_s,
        u"立方厘米"_s);
    row("cylinder 1", 5725711, 10, {}, 1,
        u"圆柱体的底面半径是2厘米，高是3厘米，"_s + n7 + u"那么圆柱体的体积 = "_s, u"37.68"_s,
        u"立方厘米"_s);
    row("cylinder 50, exactly 424691.28", 5725711, 50, {}, 50,
        u"圆柱体的底面半径是51厘米，高是52厘米，"_s + n7 + u"那么圆柱体的体积 = "_s, u"424691.28"_s,
        u"立方厘米"_s);
    row("cone 1", 5725712, 10, {}, 1,
        u"圆锥体的底面半径是2厘米，高是3厘米，"_s + n7 + u"那么圆锥体的体积 = "_s, u"12.56"_s,
        u"立方厘米"_s);
    row("cone 3, 83.7333 rounds to 83.73", 5725712, 10, {}, 3,
        u"圆锥体的底面半径是4厘米，高是5厘米，"_s + n7 + u"那么圆锥体的体积 = "_s, u"83.73"_s,
        u"立方厘米"_s);
    row("cone 50, exactly 141563.76", 5725712, 50, {}, 50,
        u"圆锥体的底面半径是51厘米，高是52厘米，"_s + n7 + u"那么圆锥体的体积 = "_s, u"141563.76"_s,
        u"立方厘米"_s);
    row("cylinder surface 1", 5725713, 10, {}, 1,
        u"圆柱体的底面半径是2厘米，高是3厘米，"_s + n7 + u"那么圆柱体的表面积 = "_s, u"62.8"_s,
        u"平方厘米"_s);
    row("area units 1", 5725714, 10, {{7, 8, 2}}, 1, u"7平方米 = "_s, u"700"_s, u"平方分米"_s);
    row("area units 9, hectares to mu", 5725714, 10, {}, 9, u"6公顷 = "_s, u"90"_s, u"亩"_s);
    row("area units 10", 5725714, 10, {}, 10, u"6平方米 = "_s, u"54"_s, u"平方尺"_s);
    row("volume units 7 repeats 2", 5725715, 20, {}, 7, u"6立方米 = "_s, u"6000000"_s,
        u"立方厘米"_s);
    row("volume units 4", 5725715, 10, {{2, 8, 2}, {9, 8, 2}, {9, 8, 2}, {9, 8, 2}}, 4,
        u"9立方分米 = "_s, u"9000000"_s, u"立方毫米"_s);
}

void TestAreaVolume::exactItems()
{
    QFETCH(int, kind);
    QFETCH(int, perPage);
    QFETCH(QList<QList<int>>, draws);
    QFETCH(int, item);
    QFETCH(QString, text);
    ScriptedRandom random;
    for (const QList<int> &draw : draws)
        random.push(draw[0], draw[1], draw[2]);

    const QString page = areavolume::QiuMT(kind, perPage, random, {}).text;
    const qsizetype start = page.indexOf(u"第"_s + QString::number(item) + u"题："_s);
    QVERIFY(start >= 0);
    QCOMPARE(page.mid(start, text.size()), text);
}

void TestAreaVolume::introductions_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("intro");
    QTest::newRow("rectangle")
        << 5725703
        << u"设长方形的长是a，宽是b，那么长方形的面积S=a×b，求下面长方形的面积：<br>（答案用汉字写）<br><br>"_s;
    QTest::newRow("sector")
        << 5725708
        << u"设扇形的半径是r，扇形的角度是α度，那么扇形的面积S=(α/360)×π×r<sup>2</sup>，求以下扇形的面积：<br>（π=3.14）（四舍五入保留2位小数）<br><br>"_s;
    QTest::newRow("cylinder surface")
        << 5725713
        << u"设圆柱体的底面半径是r，高是h，那么圆柱体的表面积S=2×π×r<sup>2</sup> + 2×π×r×h，<br>求以下圆柱体的表面积：（π=3.14）<br><br>"_s;
    QTest::newRow("area units") << 5725714 << QString();
    QTest::newRow("volume units") << 5725715 << QString();
}

void TestAreaVolume::introductions()
{
    QFETCH(int, kind);
    QFETCH(QString, intro);
    SeededRandom random(3);
    const ParsedPage page = parse(areavolume::QiuMT(kind, 10, random, {}).text);
    QVERIFY(page.wellFormed);
    QCOMPARE(page.intro, intro);
}

void TestAreaVolume::answersFromTheMeasuresShown_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("perPage");
    QTest::addColumn<QString>("unit");
    const struct
    {
        const char *name;
        int kind;
        QString unit;
    } kinds[] = {
        {"square", 5725702, u"平方厘米"_s},
        {"square side", 5725716, u"厘米"_s},
        {"rectangle", 5725703, u"分之一平方厘米"_s},
        {"trapezoid", 5725704, u"平方厘米"_s},
        {"parallelogram", 5725705, u"分之一平方厘米"_s},
        {"triangle", 5725706, u"平方厘米"_s},
        {"triangle height", 5725717, u"厘米"_s},
        {"circle", 5725707, u"平方厘米"_s},
        {"sector", 5725708, u"平方厘米"_s},
        {"cube", 5725709, u"立方厘米"_s},
        {"cuboid", 5725710, u"立方厘米"_s},
        {"cylinder", 5725711, u"立方厘米"_s},
        {"cone", 5725712, u"立方厘米"_s},
        {"cylinder surface", 5725713, u"平方厘米"_s},
    };
    for (const auto &k : kinds)
        for (int perPage : {10, 20, 50})
            QTest::addRow("%s, %d items", k.name, perPage) << k.kind << perPage << k.unit;
}

void TestAreaVolume::answersFromTheMeasuresShown()
{
    QFETCH(int, kind);
    QFETCH(int, perPage);
    QFETCH(QString, unit);
    const QString wrap = u"，<br>(?:&nbsp;){7}那么"_s;
    const QHash<int, QString> forms = {
        {5725702, u"^边长是(\\d+)厘米的正方形的面积 = $"_s},
        {5725716, u"^已知正方形的面积是(\\d+)平方厘米，那么该正方形的边长 = $"_s},
        {5725703,
         u"^长方形的长是(\\S+?)分之一厘米，宽是(\\S+?)分之一厘米"_s + wrap + u"长方形的面积 = $"_s},
        {5725704, u"^梯形的上底是(\\d+)厘米，下底是(\\d+)厘米，高是(\\d+)厘米"_s + wrap +
                      u"梯形的面积 = $"_s},
        {5725705, u"^平行四边形的底是(\\S+?)分之一厘米，高是(\\S+?)分之一厘米"_s + wrap +
                      u"平行四边形的面积 = $"_s},
        {5725706, u"^三角形的底是(\\d+)厘米，高是(\\d+)厘米"_s + wrap + u"三角形的面积 = $"_s},
        {5725717,
         u"^三角形的底是(\\d+)厘米，面积是([\\d.]+)平方厘米"_s + wrap + u"三角形的高 = $"_s},
        {5725707, u"^圆形的半径是(\\d+)厘米，那么圆形的面积 = $"_s},
        {5725708, u"^扇形的半径是(\\d+)厘米，角度是(\\d+)度"_s + wrap + u"扇形的面积 = $"_s},
        {5725709, u"^棱长是(\\d+)厘米的正方体的体积 = $"_s},
        {5725710, u"^长方体的长是(\\d+)厘米，宽是(\\d+)厘米，高是(\\d+)厘米"_s + wrap +
                      u"长方体的体积 = $"_s},
        {5725711,
         u"^圆柱体的底面半径是(\\d+)厘米，高是(\\d+)厘米"_s + wrap + u"圆柱体的体积 = $"_s},
        {5725712,
         u"^圆锥体的底面半径是(\\d+)厘米，高是(\\d+)厘米"_s + wrap + u"圆锥体的体积 = $"_s},
        {5725713,
         u"^圆柱体的底面半径是(\\d+)厘米，高是(\\d+)厘米"_s + wrap + u"圆柱体的表面积 = $"_s},
    };
    const QRegularExpression form(forms.value(kind));
    QVERIFY(form.isValid());

    const bool random = kind == 5725708 || kind == 5725717;
    QSet<int> drawn; // the angles, or the height above the base's i
    for (quint64 seed = 1; seed <= (random ? 30 : 1); ++seed) {
        SeededRandom source(seed);
        const Page generated = areavolume::QiuMT(kind, perPage, source, {});
        const ParsedPage page = parse(generated.text);
        QVERIFY(page.wellFormed);
        QCOMPARE(page.items.size(), perPage);
        QCOMPARE(generated.items, perPage);
        for (int i = 1; i <= perPage; ++i) {
            const Item &item = page.items[i - 1];
            const auto m = form.match(item.question);
            QVERIFY2(m.hasMatch(), qPrintable(item.question));
            QCOMPARE(item.unit, unit);
            QVERIFY(!item.tag.isEmpty());
            const auto number = [&m](int c) { return m.captured(c).toLongLong(); };
            QString expected;
            switch (kind) {
            case 5725702:
                QCOMPARE(number(1), i);
                expected = QString::number(i * i);
                break;
            case 5725716:
                QCOMPARE(number(1), i * i);
                QCOMPARE(item.tag.toLongLong() * item.tag.toLongLong(), number(1));
                expected = QString::number(i);
                break;
            case 5725703:
            case 5725705: {
                // The sides are unit fractions 1/(i + 2) and 1/(i + 1), or 1/(i + 3) and
                // 1/(i + 1); the answer is the denominator of their product.
                const int first = readNumeral(m.captured(1));
                const int second = readNumeral(m.captured(2));
                QCOMPARE(first, i + (kind == 5725703 ? 2 : 3));
                QCOMPARE(second, i + 1);
                QCOMPARE(m.captured(1), biannumtoHan(first));
                QCOMPARE(m.captured(2), biannumtoHan(second));
                QCOMPARE(readNumeral(item.tag), first * second);
                expected = first * second < 1000 ? biannumtoHan(first * second) : item.tag;
                break;
            }
            case 5725704:
                QCOMPARE(number(1), i + 2);
                QCOMPARE(number(2), i + 3);
                QCOMPARE(number(3), i + 1);
                expected = decimalText((number(1) + number(2)) * number(3) * 50);
                break;
            case 5725706:
                QCOMPARE(number(1), i + 3);
                QCOMPARE(number(2), i + 1);
                expected = decimalText(number(1) * number(2) * 50);
                break;
            case 5725717: {
                QCOMPARE(number(1), i + 1);
                const qint64 area = hundredthsOf(m.captured(2));
                QVERIFY(area > 0 && area * 2 % (number(1) * 100) == 0);
                const qint64 height = area * 2 / (number(1) * 100);
                QVERIFY(height >= i + 1 && height <= i + 3);
                QCOMPARE(m.captured(2), decimalText(number(1) * height * 50));
                drawn.insert(int(height - i));
                expected = QString::number(height);
                break;
            }
            case 5725707:
                QCOMPARE(number(1), i);
                expected = decimalText(314 * number(1) * number(1));
                break;
            case 5725708: {
                const qint64 r = number(1), angle = number(2);
                QCOMPARE(r, i);
                QVERIFY(angle >= 1 && angle <= 179);
                drawn.insert(int(angle));
                // α/360 × 3.14 × r² in hundredths is α × 314 × r² / 360.
                expected = twoPlaces(roundedHundredths(angle * 314 * r * r, 360));
                break;
            }
            case 5725709:
                QCOMPARE(number(1), i);
                expected = QString::number(qint64(i) * i * i);
                break;
            case 5725710:
                QCOMPARE(number(1), i + 3);
                QCOMPARE(number(2), i + 2);
                QCOMPARE(number(3), i + 1);
                expected = QString::number(number(1) * number(2) * number(3));
                break;
            case 5725711:
            case 5725712:
            case 5725713: {
                const qint64 r = number(1), h = number(2);
                QCOMPARE(r, i + 1);
                QCOMPARE(h, i + 2);
                if (kind == 5725711)
                    expected = decimalText(314 * r * r * h);
                else if (kind == 5725712)
                    expected = twoPlaces(roundedHundredths(314 * r * r * h, 3));
                else
                    expected = decimalText(2 * 314 * r * r + 2 * 314 * r * h);
                break;
            }
            }
            if (item.tag != expected)
                QFAIL(qPrintable(u"item %1: %2 expects %3, tag %4"_s.arg(i).arg(
                    item.question, expected, item.tag)));
        }
    }
    if (kind == 5725717)
        QCOMPARE(drawn, (QSet<int>{1, 2, 3}));
    if (kind == 5725708 && perPage == 50)
        QCOMPARE(drawn.size(), 179); // every angle from 1 to 179 degrees
}

void TestAreaVolume::conversionsAlwaysHaveTenItems_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("perPage");
    QTest::addColumn<QStringList>("units"); // from and to of the ten items
    const QStringList area = {u"平方米"_s,   u"平方分米"_s, u"平方米"_s,   u"平方厘米"_s,
                              u"平方分米"_s, u"平方厘米"_s, u"平方公里"_s, u"平方米"_s,
                              u"平方米"_s,   u"平方毫米"_s, u"平方厘米"_s, u"平方毫米"_s,
                              u"公顷"_s,     u"平方米"_s,   u"平方公里"_s, u"公顷"_s,
                              u"公顷"_s,     u"亩"_s,       u"平方米"_s,   u"平方尺"_s};
    const QStringList firstFive = {u"立方米"_s,   u"立方分米"_s, u"立方米"_s,   u"立方厘米"_s,
                                   u"立方分米"_s, u"立方厘米"_s, u"立方分米"_s, u"立方毫米"_s,
                                   u"立方厘米"_s, u"立方毫米"_s};
    for (int perPage : {10, 20, 50}) {
        QTest::addRow("area, %d per page", perPage) << 5725714 << perPage << area;
        QTest::addRow("volume, %d per page", perPage)
            << 5725715 << perPage << firstFive + firstFive;
    }
}

void TestAreaVolume::conversionsAlwaysHaveTenItems()
{
    QFETCH(int, kind);
    QFETCH(int, perPage);
    QFETCH(QStringList, units);
    // Each unit as a fraction of the smallest: square or cubic millimetres.
    const QHash<QString, std::pair<qint64, qint64>> size = {
        {u"平方毫米"_s, {1, 1}},
        {u"平方厘米"_s, {100, 1}},
        {u"平方分米"_s, {10000, 1}},
        {u"平方米"_s, {1000000, 1}},
        {u"平方尺"_s, {1000000, 9}},         // a chi is a third of a metre
        {u"公顷"_s, {10000000000, 1}},       // 100 m by 100 m
        {u"亩"_s, {10000000000, 15}},        // 15 mu to the hectare
        {u"平方公里"_s, {1000000000000, 1}}, // 1000 m by 1000 m
        {u"立方毫米"_s, {1, 1}},
        {u"立方厘米"_s, {1000, 1}},
        {u"立方分米"_s, {1000000, 1}},
        {u"立方米"_s, {1000000000, 1}},
    };
    static const QRegularExpression question(u"^(\\d+)(\\S+) = $"_s);
    QSet<int> values;
    for (quint64 seed = 1; seed <= 20; ++seed) {
        SeededRandom random(seed);
        const Page generated = areavolume::QiuMT(kind, perPage, random, {});
        const ParsedPage page = parse(generated.text);
        QVERIFY(page.wellFormed);
        QCOMPARE(page.intro, QString());
        QCOMPARE(page.items.size(), 10);
        QCOMPARE(generated.items, 10);
        for (int i = 0; i < 10; ++i) {
            const Item &item = page.items[i];
            const auto m = question.match(item.question);
            QVERIFY2(m.hasMatch(), qPrintable(item.question));
            QCOMPARE(m.captured(2), units[2 * i]);
            QCOMPARE(item.unit, units[2 * i + 1]);
            const qint64 value = m.captured(1).toLongLong();
            QVERIFY(value >= 2 && value <= 9);
            values.insert(int(value));
            // value × from = answer × to
            const auto from = size.value(units[2 * i]);
            const auto to = size.value(units[2 * i + 1]);
            bool whole = false;
            const qint64 answer = item.tag.toLongLong(&whole);
            QVERIFY(whole);
            QCOMPARE(value * from.first * to.second, answer * to.first * from.second);
        }
    }
    QCOMPARE(values, (QSet<int>{2, 3, 4, 5, 6, 7, 8, 9}));
}

void TestAreaVolume::numeralsPastAThousand_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("numeral");
    QTest::newRow("1000") << 1000 << u"一千"_s;
    QTest::newRow("1001") << 1001 << u"一千零一"_s;
    QTest::newRow("1010") << 1010 << u"一千零一十"_s;
    QTest::newRow("1015") << 1015 << u"一千零一十五"_s;
    QTest::newRow("1020") << 1020 << u"一千零二十"_s;
    QTest::newRow("1056") << 1056 << u"一千零五十六"_s;
    QTest::newRow("1100") << 1100 << u"一千一百"_s;
    QTest::newRow("1105") << 1105 << u"一千一百零五"_s;
    QTest::newRow("1110") << 1110 << u"一千一百一十"_s;
    QTest::newRow("1122") << 1122 << u"一千一百二十二"_s;
    QTest::newRow("2000") << 2000 << u"二千"_s;
    QTest::newRow("2652") << 2652 << u"二千六百五十二"_s;
    QTest::newRow("2703") << 2703 << u"二千七百零三"_s;
    QTest::newRow("9999") << 9999 << u"九千九百九十九"_s;
    QTest::newRow("999 as before") << 999 << u"九百九十九"_s;
    QTest::newRow("10 as before") << 10 << u"十"_s;
    QTest::newRow("0 as before") << 0 << u"零"_s;
    QTest::newRow("10000 has none") << 10000 << QString();
    QTest::newRow("-1 has none") << -1 << QString();
}

void TestAreaVolume::numeralsPastAThousand()
{
    QFETCH(int, number);
    QFETCH(QString, numeral);
    QCOMPARE(areavolume::areaHan(number), numeral);
    if (number >= 1000)
        QVERIFY(biannumtoHan(number).isEmpty()); // the shared converter stays as it is
}

void TestAreaVolume::everyNumeralReadsBack()
{
    static const QString names = u"零一二三四五六七八九"_s;
    for (int n = 0; n <= 9999; ++n) {
        const QString numeral = areavolume::areaHan(n);
        QCOMPARE(readNumeral(numeral), n);
        if (n < 1000) {
            QCOMPARE(numeral, biannumtoHan(n));
            continue;
        }
        // Thousands, hundreds, tens, units: a gap before a written digit is one 零,
        // a written ten keeps its digit, and the numeral ends on the last place written.
        const int t = n / 1000, h = n / 100 % 10, ten = n / 10 % 10, u = n % 10;
        QVERIFY(numeral.startsWith(names[t] + u"千"_s));
        const bool gap = (h == 0 && (ten != 0 || u != 0)) || (h != 0 && ten == 0 && u != 0);
        QCOMPARE(numeral.count(u'零'), gap ? 1 : 0);
        if (ten != 0)
            QVERIFY(numeral.contains(names[ten] + u"十"_s));
        const QString last = u != 0     ? QString(names[u])
                             : ten != 0 ? u"十"_s
                             : h != 0   ? u"百"_s
                                        : u"千"_s;
        QVERIFY2(numeral.endsWith(last), qPrintable(numeral));
    }
}

void TestAreaVolume::numbersWithoutAPage_data()
{
    QTest::addColumn<int>("number");
    QTest::newRow("the group 57257") << 57257;
    QTest::newRow("5725700") << 5725700;
    QTest::newRow("5725718") << 5725718;
    QTest::newRow("5725799") << 5725799;
}

void TestAreaVolume::numbersWithoutAPage()
{
    QFETCH(int, number);
    ScriptedRandom random;
    const Page page = areavolume::QiuMT(number, 10, random, u"concepts"_s);
    QVERIFY(page.text.isEmpty());
    QCOMPARE(page.items, 0);
}

void TestAreaVolume::conceptPage()
{
    Window w;
    w.controller.state.defaultTiCount = 20;
    w.controller.nodeClicked(u"q5725701"_s);
    const QString body = w.view.main.body;
    const QString area = u"　　<b>面积：物体的表面的大小，叫做它们的面积。</b>"_s;
    const QString volume = u"　　<b>体积：指物质或物体所占空间的大小。</b>"_s;
    QVERIFY(body.startsWith(area));
    const qsizetype volumeAt = body.indexOf(volume);
    QVERIFY(volumeAt > 0);
    for (const QString &unit :
         {u"平方厘米"_s, u"平方分米"_s, u"平方米"_s, u"公顷"_s, u"平方千米"_s})
        QVERIFY2(body.left(volumeAt).contains(unit), qPrintable(unit));
    for (const QString &unit : {u"立方米"_s, u"立方分米"_s, u"立方厘米"_s})
        QVERIFY2(body.mid(volumeAt).contains(unit), qPrintable(unit));
    QVERIFY(!body.contains(u'\r') && !body.contains(u'\n'));
    QVERIFY(!body.contains(u"<input"_s));
    QCOMPARE(w.controller.state.pageItemCount, 0);
}

void TestAreaVolume::pagesInTheWindow_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("perPage");
    QTest::addColumn<int>("items");
    for (int last = 2; last <= 17; ++last) {
        const QString key = u"q57257%1"_s.arg(last, 2, 10, QChar(u'0'));
        const int items = last == 14 || last == 15 ? 10 : 50;
        QTest::addRow("%s, 50 per page", qPrintable(key)) << key << 50 << items;
    }
    QTest::newRow("rectangle, 20 per page") << u"q5725703"_s << 20 << 20;
    QTest::newRow("volume units, 20 per page") << u"q5725715"_s << 20 << 10;
}

void TestAreaVolume::pagesInTheWindow()
{
    QFETCH(QString, key);
    QFETCH(int, perPage);
    QFETCH(int, items);
    Window w;
    w.controller.state.defaultTiCount = perPage;
    w.controller.nodeClicked(key);

    const ParsedPage parsed = parse(w.view.main.body);
    QVERIFY(parsed.wellFormed);
    QCOMPARE(parsed.items.size(), items);
    QCOMPARE(w.controller.state.pageItemCount, items);

    PageDocument page = w.answered();
    w.controller.gradePage(page);
    QCOMPARE(marksOnly(page.edits()).size(), items + 1);
    for (int i = 0; i < items; ++i)
        QCOMPARE(page.edits()[i].text, u"(√)"_s);
    QVERIFY(marksOnly(page.edits()).last().text.contains(u"得分是100分"_s));

    // The group node itself has no page.
    w.controller.nodeClicked(u"q57257"_s);
    QVERIFY(w.view.main.body.isEmpty());
    QCOMPARE(w.controller.state.pageItemCount, 0);
}

QTEST_APPLESS_MAIN(TestAreaVolume)
#include "tst_areavolume.moc"
