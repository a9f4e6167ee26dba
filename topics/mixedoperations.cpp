#include "topics/mixedoperations.h"

#include "page/numbertext.h"
#include "page/pageformat.h"
#include "page/randomsource.h"
#include "topics/vbexpression.h"

#include <QSet>

#include <cmath>

using namespace Qt::StringLiterals;

namespace quorvel::mixedops {

namespace {

struct Four
{
    int a = 0;
    int b = 0;
    int c = 0;
    int d = 0;
};

Four drawFour(RandomSource &random, NumberRange range)
{
    Four f;
    f.a = random.below(range.count, range.low);
    f.b = random.below(range.count, range.low);
    f.c = random.below(range.count, range.low);
    f.d = random.below(range.count, range.low);
    return f;
}

QString n(int value)
{
    return numberText(value);
}

// The chain-addition-and-subtraction row of an item: the signs before b, c
// and d (true for "+").
struct Signs
{
    bool b, c, d;
};
Signs mixedSigns(int item)
{
    switch ((item - 1) / 2 % 5) {
    case 0:
        return {true, true, false}; // a+b+c-d
    case 1:
        return {true, false, false}; // a+b-c-d
    case 2:
        return {true, false, true}; // a+b-c+d
    case 3:
        return {false, true, true}; // a-b+c+d
    default:
        return {false, true, false}; // a-b+c-d
    }
}

// The expression text of an item (with "*" and "/"), or nothing when the
// draw breaks the condition of its row.
std::optional<QString> bracketedText(BracketKind kind, int item, const Four &f)
{
    const auto [a, b, c, d] = f;
    const int row = (item - 1) / 2 % 5;
    if (kind == BracketKind::AddSubtractMultiply) {
        switch (row) {
        case 0:
            if (a * b - c * d < 0)
                return std::nullopt;
            return n(a) + u'*' + n(b) + u'-' + n(c) + u'*' + n(d);
        case 1:
            return n(a) + u'*' + n(b) + u'+' + n(c) + u'*' + n(d);
        case 2:
            if (!(a > b && c > d))
                return std::nullopt;
            return u'(' + n(a) + u'-' + n(b) + u")*("_s + n(c) + u'-' + n(d) + u')';
        case 3:
            if (c < d)
                return std::nullopt;
            return u'(' + n(a) + u'+' + n(b) + u")*("_s + n(c) + u'-' + n(d) + u')';
        default:
            return u'(' + n(a) + u'+' + n(b) + u")*("_s + n(c) + u'+' + n(d) + u')';
        }
    }
    switch (row) {
    case 0:
        if (!(a > b && c > d))
            return std::nullopt;
        return u'(' + n(a) + u'-' + n(b) + u")/("_s + n(c) + u'-' + n(d) + u')';
    case 1:
        if (c <= d)
            return std::nullopt;
        return u'(' + n(a) + u'+' + n(b) + u")/("_s + n(c) + u'-' + n(d) + u')';
    case 2:
        return u'(' + n(a + b * c) + u'-' + n(b) + u'*' + n(c) + u")/"_s + n(d);
    case 3:
        return u'(' + n(a) + u'*' + n(b) + u")/("_s + n(c) + u'*' + n(d) + u')';
    default:
        return u'(' + n(a) + u'+' + n(b) + u'*' + n(c) + u")/"_s + n(d);
    }
}

// Whether the quotient of a quotient row comes out whole, in whole numbers:
// the pages of whole quotients redraw until one does, and most draws do not.
bool quotientIsWhole(int item, const Four &f)
{
    const auto [a, b, c, d] = f;
    qint64 numerator = 0;
    qint64 denominator = 1;
    switch ((item - 1) / 2 % 5) {
    case 0:
        numerator = qint64(a) - b;
        denominator = qint64(c) - d;
        break;
    case 1:
        numerator = qint64(a) + b;
        denominator = qint64(c) - d;
        break;
    case 2:
        numerator = a;
        denominator = d;
        break;
    case 3:
        numerator = qint64(a) * b;
        denominator = qint64(c) * d;
        break;
    default:
        numerator = a + qint64(b) * c;
        denominator = d;
        break;
    }
    return denominator != 0 && numerator % denominator == 0;
}

QString shownText(QString expression)
{
    expression.replace(u'*', u'×');
    expression.replace(u'/', u'÷');
    return expression;
}

// The values of these pages are quotients of whole numbers below a few
// hundred thousand, so a value that is whole, or lies exactly halfway
// between two hundredths, is off by far less than this after evaluation,
// and any other value is off from those points by far more.
constexpr double tolerance = 1e-7;

bool isWhole(double value)
{
    return std::abs(value - std::round(value)) < tolerance;
}

} // namespace

NumberRange levelRange(int level)
{
    if (level >= 3)
        return {100, 50};
    if (level == 2)
        return {50, 20};
    return {20, 2};
}

BracketedPageKind bracketedKind(int number)
{
    if (number == 9001)
        return {BracketKind::DecimalQuotient, 3};
    const int index = number - 9002; // 0 … 7
    return {BracketKind(index / 3), index % 3 + 1};
}

std::optional<double> evaluate(const QString &expression)
{
    for (QChar ch : expression)
        if (!ch.isDigit() && !u"+-*/()"_s.contains(ch))
            return std::nullopt;
    return evaluateVbExpression(expression);
}

QString twoDecimalText(double value)
{
    const bool negative = value < 0;
    const qint64 hundredths =
        static_cast<qint64>(std::floor(std::abs(value) * 100.0 + 0.5 + tolerance));
    // Rounded to two places, both places are written.
    return decimalUnitsText(negative ? -hundredths : hundredths, 2, true);
}

Page SiZeYunSuan(int number, RandomSource &random)
{
    if (number < firstChainNumber || number > lastChainNumber)
        return {};
    const auto kind = ChainKind((number - firstChainNumber) / 3);
    const NumberRange range = levelRange((number - firstChainNumber) % 3 + 1);
    Page page;
    for (int i = 1; i <= itemsPerPage; ++i) {
        Four f = drawFour(random, range);
        QString question;
        int answer = 0;
        switch (kind) {
        case ChainKind::Addition:
            question = n(f.a) + u'+' + n(f.b) + u'+' + n(f.c) + u'+' + n(f.d);
            answer = f.a + f.b + f.c + f.d;
            break;
        case ChainKind::Subtraction:
            question = n(f.a + f.b + f.c + f.d) + u'-' + n(f.b) + u'-' + n(f.c) + u'-' + n(f.d);
            answer = f.a;
            break;
        case ChainKind::Mixed: {
            const Signs s = mixedSigns(i);
            const auto value = [&s](const Four &x) {
                return x.a + (s.b ? x.b : -x.b) + (s.c ? x.c : -x.c) + (s.d ? x.d : -x.d);
            };
            while (value(f) < 0)
                f = drawFour(random, range);
            question = n(f.a) + (s.b ? u'+' : u'-') + n(f.b) + (s.c ? u'+' : u'-') + n(f.c) +
                       (s.d ? u'+' : u'-') + n(f.d);
            answer = value(f);
            break;
        }
        }
        page.text += page::horizontalItem(i, question + u"= "_s, n(answer));
    }
    page.text += page::submitLine();
    page.items = itemsPerPage;
    return page;
}

Page bracketedPage(int number, RandomSource &random)
{
    if (number < firstBracketedNumber || number > lastBracketedNumber)
        return {};
    const BracketedPageKind pageKind = bracketedKind(number);
    const NumberRange range = levelRange(pageKind.level);
    const bool quotient = pageKind.kind != BracketKind::AddSubtractMultiply;
    Page page;
    if (pageKind.kind == BracketKind::DecimalQuotient)
        page.text = u"请保留2位小数，第3位四舍五入到2位。<br><br>"_s;
    // No expression twice on a page of quotients.
    QSet<QString> shownBefore;
    for (int i = 1; i <= itemsPerPage; ++i) {
        QString shown;
        QString answer;
        for (;;) {
            const Four drawn = drawFour(random, range);
            if (pageKind.kind == BracketKind::WholeQuotient && !quotientIsWhole(i, drawn))
                continue;
            const std::optional<QString> text = bracketedText(pageKind.kind, i, drawn);
            if (!text)
                continue;
            const std::optional<double> value = evaluate(*text);
            if (!value)
                continue;
            if (pageKind.kind == BracketKind::WholeQuotient && !isWhole(*value))
                continue;
            shown = shownText(*text);
            if (quotient && shownBefore.contains(shown))
                continue;
            answer = pageKind.kind == BracketKind::DecimalQuotient
                         ? twoDecimalText(*value)
                         : numberText(static_cast<qint64>(std::llround(*value)));
            break;
        }
        shownBefore.insert(shown);
        page.text += page::horizontalItem(i, shown + u"= "_s, answer);
    }
    page.text += page::submitLine();
    page.items = itemsPerPage;
    return page;
}

} // namespace quorvel::mixedops
