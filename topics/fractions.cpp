#include "topics/fractions.h"

#include "page/numbertext.h"
#include "page/pageformat.h"
#include "page/randomsource.h"
#include "topics/chinesenumerals.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace quorvel {

namespace {

constexpr int firstTagNumber = 5002;
constexpr int lastTagNumber = 5025;

// The rows of the group, three levels each, in the order of the tree.
struct KindRow
{
    FractionOperation operation;
    bool unitNumerators;
};
constexpr KindRow kindRows[] = {
    {FractionOperation::Addition, true},        {FractionOperation::Subtraction, true},
    {FractionOperation::Addition, false},       {FractionOperation::Subtraction, false},
    {FractionOperation::Multiplication, true},  {FractionOperation::Division, true},
    {FractionOperation::Multiplication, false}, {FractionOperation::Division, false},
};

// Denominators are Int(r × span) + lowest.
struct DenominatorRange
{
    int span;
    int lowest;
};

DenominatorRange denominatorRange(FractionLevel level)
{
    switch (level) {
    case FractionLevel::Easy:
        return {8, 2};
    case FractionLevel::Middle:
        return {18, 9};
    case FractionLevel::Hard:
        return {80, 25};
    }
    return {8, 2};
}

// The largest and smallest numerator a draw can give for a denominator:
// 1 for unit kinds; Int(r × (denominator − 2)) + 2, that is 2 to
// denominator − 1 (only 2 for the denominator 2), for drawn ones.
int largestNumerator(bool unitNumerators, int denominator)
{
    return unitNumerators ? 1 : std::max(2, denominator - 1);
}

int smallestNumerator(bool unitNumerators)
{
    return unitNumerators ? 1 : 2;
}

int pairKey(int b, int d)
{
    return b * 1000 + d;
}

} // namespace

std::optional<FractionKind> fractionKind(int tagNumber)
{
    if (tagNumber < firstTagNumber || tagNumber > lastTagNumber)
        return std::nullopt;
    const int offset = tagNumber - firstTagNumber;
    const KindRow &row = kindRows[offset / 3];
    return FractionKind{row.operation, row.unitNumerators, FractionLevel(offset % 3)};
}

QString operationSign(FractionOperation operation)
{
    switch (operation) {
    case FractionOperation::Addition:
        return u"+"_s;
    case FractionOperation::Subtraction:
        return u"-"_s;
    case FractionOperation::Multiplication:
        return u"×"_s;
    case FractionOperation::Division:
        return u"÷"_s;
    }
    return {};
}

FractionItem fractionItem(FractionOperation operation, int a, int b, int c, int d)
{
    int numerator = 0;
    int denominator = 1;
    switch (operation) {
    case FractionOperation::Addition:
        numerator = a * d + c * b;
        denominator = b * d;
        break;
    case FractionOperation::Subtraction:
        numerator = a * d - c * b;
        denominator = b * d;
        break;
    case FractionOperation::Multiplication:
        numerator = a * c;
        denominator = b * d;
        break;
    case FractionOperation::Division:
        numerator = a * d;
        denominator = c * b;
        break;
    }
    const int g = QiuZuiDaGongYueShu(numerator, denominator);
    return {a, b, c, d, numerator / g, denominator / g};
}

bool breaksFractionRules(const FractionKind &kind, int a, int b, int c, int d)
{
    if (kind.operation == FractionOperation::Subtraction && a * d - c * b <= 0)
        return true;
    if (kind.operation == FractionOperation::Division && kind.unitNumerators && b == d)
        return true;
    return a == b || c == d;
}

int usablePairCount(const FractionKind &kind)
{
    const DenominatorRange range = denominatorRange(kind.level);
    const int highest = range.lowest + range.span - 1;
    int count = 0;
    // A pair is usable when its most favourable numerators pass: the largest
    // first and the smallest second make the difference largest, and a
    // numerator equals its denominator only when nothing else can be drawn.
    for (int b = range.lowest; b <= highest; ++b)
        for (int d = range.lowest; d <= highest; ++d)
            count += !breaksFractionRules(kind, largestNumerator(kind.unitNumerators, b), b,
                                          smallestNumerator(kind.unitNumerators), d);
    return count;
}

QString fractionItemText(const QString &itemTemplate, int item, FractionOperation operation,
                         const FractionItem &values)
{
    const QString number = QString::number(item);
    QString text = itemTemplate;
    text.replace(u"运算符"_s, operationSign(operation));
    text.replace(u"第几题："_s, page::itemLabel(item));
    text.replace(u"fenshupl"_s, u"fenshupl"_s + number);
    text.replace(u"answerup"_s, u"answerup"_s + number);
    text.replace(u"answerdown"_s, u"answerdown"_s + number);
    text.replace(u"a1"_s, numberText(values.a));
    text.replace(u"a3"_s, numberText(values.c));
    text.replace(u"a2"_s, numberText(values.b));
    text.replace(u"a4"_s, numberText(values.d));
    text.replace(u"答案up"_s, numberText(values.numerator));
    text.replace(u"答案down"_s, numberText(values.denominator));
    return text;
}

int FractionPages::drawDenominator(FractionLevel level)
{
    const DenominatorRange range = denominatorRange(level);
    return m_random.below(range.span, range.lowest);
}

std::optional<FractionItem> FractionPages::drawItem(const FractionKind &kind, QSet<int> &usedPairs)
{
    for (int attempt = 0; attempt < maxAttemptsPerItem; ++attempt) {
        int a = 1;
        int c = 1;
        const int b = drawDenominator(kind.level);
        if (!kind.unitNumerators)
            a = m_random.below(b - 2, 2);
        const int d = drawDenominator(kind.level);
        if (!kind.unitNumerators)
            c = m_random.below(d - 2, 2);

        if (breaksFractionRules(kind, a, b, c, d) || usedPairs.contains(pairKey(b, d)))
            continue;
        usedPairs.insert(pairKey(b, d));
        return fractionItem(kind.operation, a, b, c, d);
    }
    return std::nullopt;
}

Page FractionPages::page(int tagNumber, int itemCount, const QString &itemTemplate)
{
    const std::optional<FractionKind> kind = fractionKind(tagNumber);
    if (!kind)
        return {};

    // Every item needs its own denominator pair; the easy kinds have fewer
    // than 50, so a long page ends when they are used up.
    const int wanted = std::min(itemCount, usablePairCount(*kind));
    QSet<int> usedPairs;
    QString text;
    int written = 0;
    for (int item = 1; item <= wanted; ++item) {
        const std::optional<FractionItem> values = drawItem(*kind, usedPairs);
        if (!values)
            break;
        text += fractionItemText(itemTemplate, item, kind->operation, *values) + u"<br><br>"_s;
        written = item;
    }
    return {text + page::submitLine(), written};
}

} // namespace quorvel
