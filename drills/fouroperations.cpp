#include "drills/fouroperations.h"

#include "page/numbertext.h"
#include "page/pageformat.h"
#include "page/randomsource.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace quorvel {

namespace {

int digitCount(int x)
{
    int digits = 1;
    for (x = x < 0 ? -x : x; x >= 10; x /= 10)
        ++digits;
    return digits;
}

double roundTo(double value, int places)
{
    const double scale = std::pow(10.0, places);
    return std::round(value * scale) / scale;
}

QString nbsp(int count)
{
    return count > 0 ? u"&nbsp;"_s.repeated(count) : QString();
}

} // namespace

bool FourOperationDrill::passesRangeTest(QChar family, int range, int a, int b)
{
    const int p = a * b;
    const int lengths = digitCount(a) * digitCount(b);
    const bool twoDigitsEach = digitCount(a) >= 2 && digitCount(b) >= 2;
    if (family == u'×') {
        switch (range) {
        case 81:
            return lengths == 1;
        case 100:
            return lengths == 2;
        case 250:
            return p >= 100 && lengths == 2;
        case 251:
            return p >= 100 && lengths == 4;
        case 500:
            return p >= 250 && lengths == 2;
        case 501:
            return p >= 250 && lengths == 4;
        case 1000:
            return p >= 500 && lengths >= 4;
        case 5000:
            return p >= 1000 && twoDigitsEach;
        case 10000:
            return p >= 5000 && twoDigitsEach;
        }
        return false;
    }
    switch (range) {
    case 81:
        return lengths == 1;
    case 100:
        return p >= 50;
    case 500:
        return p >= 100;
    case 1000:
        return p >= 500;
    case 5000:
        return p >= 1000;
    case 10000:
        return p >= 5000;
    }
    return false;
}

namespace {

// The first draw of a sum (addition) or minuend (subtraction) per range.
struct FirstDraw
{
    int range;
    int span;
    int start;
};
constexpr FirstDraw firstDraws[] = {
    {20, 10, 10},    {50, 30, 20},     {100, 50, 50},
    {500, 400, 100}, {1000, 500, 500}, {5000, 4000, 1000},
};

} // namespace

QString pairText(int a, int b)
{
    return u'[' + QString::number(a) + u'|' + QString::number(b) + u']';
}

bool FourOperationDrill::servesRange(QChar family, int range)
{
    if (family == u'+' || family == u'-')
        return range >= 3;
    if (family == u'×')
        return range == 81 || range == 100 || range == 250 || range == 251 || range == 500 ||
               range == 501 || range == 1000 || range == 5000 || range == 10000;
    if (family == u'÷')
        return range == 81 || range == 100 || range == 500 || range == 1000 || range == 5000 ||
               range == 10000;
    return false;
}

FourOperationDrill::Pair FourOperationDrill::drawAddSubPair(int range, const QString &usedPairs)
{
    Pair pair;
    pair.a = m_random.below(range - 2, 2);
    pair.b = m_random.below(pair.a - 1, 1);
    for (const FirstDraw &draw : firstDraws) {
        if (draw.range == range) {
            pair.a = m_random.below(draw.span, draw.start);
            pair.b = m_random.below(pair.a - 1, 1);
        }
    }
    // A repeat is drawn again from the whole range 2 to N − 1.
    while (usedPairs.contains(pairText(pair.a, pair.b))) {
        pair.a = m_random.below(range - 2, 2);
        pair.b = m_random.below(pair.a - 1, 1);
    }
    return pair;
}

FourOperationDrill::Pair FourOperationDrill::drawMulDivPair(QChar family, int range,
                                                            const QString &usedPairs)
{
    const double span = range / 2.0 - 2;
    for (;;) {
        const int a = m_random.below(span, 2);
        const int b = m_random.below(span, 2);
        if (qint64(a) * b > range || !passesRangeTest(family, range, a, b))
            continue;
        if (usedPairs.contains(pairText(a, b)))
            continue;
        return {a, b};
    }
}

void FourOperationDrill::drawOneDecimalPlace(int a, int b)
{
    const int c1 = m_random.below(9, 1);
    const int c2 = m_random.below(9, 1);
    decimalFirst = a + c1 / 10.0;
    decimalSecond = b + c2 / 10.0;
}

void FourOperationDrill::xiaoshujisuanCheng(int a, int b, int places)
{
    const int n = qBound(1, places, 4);
    // All eight digits are drawn whatever the number of places.
    int x[4];
    int y[4];
    x[0] = m_random.below(9, 0);
    y[0] = m_random.below(9, 0);
    for (int i = 1; i < 4; ++i) {
        x[i] = m_random.below(9, 1);
        y[i] = m_random.below(9, 1);
    }
    double first = 0;
    double second = 0;
    for (int i = 0; i < n; ++i) {
        first = first * 10 + x[i];
        second = second * 10 + y[i];
    }
    const double scale = std::pow(10.0, n);
    decimalFirst = a + roundTo(first / scale, n);
    decimalSecond = b + roundTo(second / scale, n);
    decimalResult = decimalFirst * decimalSecond;
}

QString FourOperationDrill::addSubItem(const DrillRequest &request, int item, Pair pair) const
{
    const bool addition = request.family == u'+';
    const int a = pair.a;
    const int b = pair.b;
    const QString i = QString::number(item);

    if (request.decimal) {
        if (addition)
            return page::horizontalItem(
                item, numberText(decimalSecond) + u'+' + numberText(decimalResult) + u'=',
                numberText(decimalFirst));
        return page::horizontalItem(
            item, numberText(decimalFirst) + u'-' + numberText(decimalSecond) + u'=',
            numberText(decimalResult));
    }

    switch (request.mode) {
    case DisplayMode::Horizontal:
        if (addition)
            return page::horizontalItem(item, numberText(b) + u'+' + numberText(a - b) + u'=',
                                        numberText(a));
        return page::horizontalItem(item, numberText(a) + u'-' + numberText(b) + u'=',
                                    numberText(a - b));

    case DisplayMode::Column: {
        const int top = addition ? b : a;
        const int bottom = addition ? a - b : b;
        const int answer = addition ? a : a - b;
        // Right-aligns the two lines; the sign counts as one character.
        const int pad = digitCount(bottom) + 1 - digitCount(top);
        return page::itemLabel(item) + u"<br>&nbsp;"_s + nbsp(pad) + numberText(top) +
               u"<br>&nbsp;"_s + nbsp(-pad) + (addition ? u'+' : u'-') + numberText(bottom) +
               u"<br>---------<br> <input class=text  name=answer"_s + i +
               u" type=text size=7 tag="_s + numberText(answer) + u"><br><br>"_s;
    }

    case DisplayMode::Inequality: {
        const int answer = addition ? a - b - 1 : b - 1;
        const QString answerText = numberText(answer);
        const QString visibleBox = u"<input class=text name=Qanswer"_s + i +
                                   u" type=text size=7 tag="_s + answerText + u'>';
        const QString hiddenBox =
            u"<input name=answer"_s + i + u" type=hidden size=7 tag="_s + answerText + u'>';
        if (addition)
            return page::itemLabel(item) + numberText(b) + u'+' + visibleBox + u'<' +
                   numberText(a) + hiddenBox + u"<br><br>"_s;
        return page::itemLabel(item) + numberText(a) + u'-' + visibleBox + u'>' +
               numberText(a - b) + hiddenBox + u"<br><br>"_s;
    }
    }
    return {};
}

Page FourOperationDrill::page(const DrillRequest &request)
{
    const QChar family = request.family;
    const int range = request.range;
    if (!servesRange(family, range))
        return {};

    int items = request.itemCount;
    const bool addSub = family == u'+' || family == u'-';
    if (addSub) {
        // A range admits (N − 1)(N − 2) / 2 different pairs; never ask for more.
        const qint64 distinct = qint64(range - 1) * (range - 2) / 2;
        items = int(qMin<qint64>(items, distinct));
    }

    QString usedPairs;
    QString text;
    for (int item = 1; item <= items; ++item) {
        if (addSub) {
            const Pair pair = drawAddSubPair(range, usedPairs);
            usedPairs += pairText(pair.a, pair.b);
            if (request.decimal) {
                drawOneDecimalPlace(pair.a, pair.b);
                decimalResult = roundTo(decimalFirst - decimalSecond, 1);
            }
            text += addSubItem(request, item, pair);
            continue;
        }

        const Pair pair = drawMulDivPair(family, range, usedPairs);
        usedPairs += pairText(pair.a, pair.b);
        const int product = pair.a * pair.b;
        if (family == u'×') {
            if (request.decimal) {
                drawOneDecimalPlace(pair.a, pair.b);
                decimalResult = decimalSecond * decimalFirst;
                text += page::horizontalItem(
                    item, numberText(decimalFirst) + u'×' + numberText(decimalSecond) + u'=',
                    numberText(decimalResult));
            } else {
                text += page::horizontalItem(item,
                                             numberText(pair.a) + u'×' + numberText(pair.b) + u'=',
                                             numberText(product));
            }
            continue;
        }

        // Division: the decimal operands are made for every item, used only
        // on the decimal tab.
        xiaoshujisuanCheng(pair.a, pair.b, request.decimalPlaces);
        if (request.decimal)
            text += page::horizontalItem(
                item, numberText(decimalResult) + u'÷' + numberText(decimalSecond) + u'=',
                numberText(decimalFirst));
        else
            text += page::horizontalItem(
                item, numberText(product) + u'÷' + numberText(pair.b) + u'=', numberText(pair.a));
    }
    return {text + page::submitLine(), items};
}

} // namespace quorvel
