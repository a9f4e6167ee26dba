#include "topics/averages.h"

#include "page/numbertext.h"
#include "page/pageformat.h"
#include "page/randomsource.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace quorvel::averages {

namespace {

QString n(qint64 value)
{
    return numberText(value);
}

int numbersPerItem(int number)
{
    switch (number) {
    case AverageEasy:
        return 3;
    case AverageMiddle:
        return 4;
    case AverageHard:
        return 5;
    default:
        return 0;
    }
}

} // namespace

QString averageText(const QList<int> &numbers)
{
    if (numbers.isEmpty())
        return {};
    qint64 sum = 0;
    for (int value : numbers)
        sum += value;
    const qint64 count = numbers.size();
    // Hundredths rounded half up, in whole numbers (sums are positive).
    const qint64 hundredths = (200 * sum + count) / (2 * count);
    // Rounded to two places, both places are written: 34.00, 6.50.
    return decimalUnitsText(hundredths, 2, true);
}

Page QiuPingJunShu(int number, int itemCount, RandomSource &random)
{
    const int k = numbersPerItem(number);
    if (k == 0)
        return {};
    Page page;
    page.text = u"四舍五入，保留2位小数！<br><br>"_s;
    for (int i = 1; i <= itemCount; ++i) {
        QList<int> numbers;
        QStringList texts;
        for (int j = 0; j < k; ++j) {
            numbers.append(random.below(45, 3));
            texts.append(n(numbers.last()));
        }
        page.text +=
            page::horizontalItem(i, texts.join(u',') + u"的平均数 = "_s, averageText(numbers));
    }
    page.text += page::submitLine();
    page.items = itemCount;
    return page;
}

int complementBase(int number)
{
    switch (number) {
    case ComplementEasy:
        return 100;
    case ComplementMiddle:
        return 1000;
    case ComplementHard:
        return 10000;
    default:
        return 0;
    }
}

Page QiuBuShu(int number, int itemCount, RandomSource &random)
{
    const int base = complementBase(number);
    if (base == 0)
        return {};
    Page page;
    for (int i = 1; i <= itemCount; ++i) {
        const int x = random.below(base - 5, 3);
        page.text += page::horizontalItem(i, n(base) + u" - "_s + n(x) + u" = "_s, n(base - x));
    }
    page.text += page::submitLine();
    page.items = itemCount;
    return page;
}

Range dividendRange(int number)
{
    switch (number) {
    case RemainderEasy:
        return {3, 10};
    case RemainderMiddle:
        return {9, 26};
    case RemainderHard:
        return {25, 104};
    default:
        return {};
    }
}

Page remainderPage(int number, int itemCount, RandomSource &random)
{
    const Range range = dividendRange(number);
    if (range.high == 0)
        return {};
    Page page;
    for (int i = 1; i <= itemCount; ++i) {
        const int a = random.below(range.high - range.low + 1, range.low);
        const int b = random.below(a - 2, 2);
        page.text += page::horizontalItem(i, n(a) + u"除以"_s + n(b) + u"的余数= "_s, n(a % b));
    }
    page.text += page::submitLine();
    page.items = itemCount;
    return page;
}

Page QiuLiFang(int number)
{
    if (number != SquaresTo10 && number != SquaresTo20 && number != Cubes)
        return {};
    Page page;
    page.text = number == Cubes ? u"我们应该背下10以内的立方结果。<br><br>"_s
                                : u"我们应该背下20以内的平方结果。<br><br>"_s;
    for (int k = 1; k <= powerItems; ++k) {
        const qint64 base = number == SquaresTo20 ? k + 10 : k;
        const QString question = n(base) + (number == Cubes ? u"的立方 = "_s : u"的平方 = "_s);
        const qint64 answer = number == Cubes ? base * base * base : base * base;
        page.text += page::horizontalItem(k, question, n(answer));
    }
    page.text += page::submitLine();
    page.items = powerItems;
    return page;
}

} // namespace quorvel::averages
