#include "topics/patterns.h"

#include "page/numbertext.h"
#include "page/pageformat.h"
#include "page/randomsource.h"

using namespace Qt::StringLiterals;

namespace quorvel::patterns {

namespace {

// Numbers from a start, each the one before plus the step of its place.
QList<int> withSteps(int start, const auto &step)
{
    QList<int> numbers{start};
    for (int j = 1; j < rowLength; ++j)
        numbers.append(numbers.last() + step(j));
    return numbers;
}

QList<int> rowNumbers(int number, int item, RandomSource &random)
{
    switch (number) {
    case countByOneNumber:
    case countByTwoNumber: {
        // The j-th number is s + j (or s + 2j), s from 2 to 9.
        const int s = random.below(8, 2);
        const int step = number == countByOneNumber ? 1 : 2;
        return withSteps(s + step, [step](int) { return step; });
    }
    case largerStepNumber: {
        const int start = random.below(20, 1);
        const int step = random.below(7, 3);
        return withSteps(start, [step](int) { return step; });
    }
    case secondRuleNumber:
        if (item % 2 == 1) {
            // Counting down, ending above 0.
            const int step = random.below(8, 2);
            const int last = random.below(20, 1);
            return withSteps(last + 7 * step, [step](int) { return -step; });
        } else {
            const int start = random.below(20, 1);
            const int first = random.below(9, 1);
            int second = random.below(8, 1);
            if (second >= first)
                ++second; // two different steps, 1 to 9
            return withSteps(start, [=](int j) { return j % 2 == 1 ? first : second; });
        }
    default:
        if (item % 2 == 1) {
            const int start = random.below(6, 1);
            QList<int> numbers{start};
            while (numbers.size() < rowLength)
                numbers.append(numbers.last() * 2);
            return numbers;
        } else {
            const int start = random.below(20, 1);
            const int firstStep = random.below(5, 1);
            return withSteps(start, [firstStep](int j) { return firstStep + j - 1; });
        }
    }
}

} // namespace

QString patternNote()
{
    return u"规律运算说明：请看数学讲座，对这种形式的题有专门的讲解！"_s;
}

Row patternRow(int number, int item, RandomSource &random)
{
    Row row;
    row.numbers = rowNumbers(number, item, random);
    row.gap = random.below(6, 2); // Int(r × 6 + 2): 2 to 7
    return row;
}

Page patternPage(int number, int itemCount, RandomSource &random)
{
    if (number < countByOneNumber || number > growingRuleNumber)
        return {};
    Page page;
    for (int i = 1; i <= itemCount; ++i) {
        const Row row = patternRow(number, i, random);
        page.text += page::itemLabel(i);
        for (int j = 1; j <= rowLength; ++j) {
            const QString value = numberText(row.numbers[j - 1]);
            page.text += (j == row.gap ? page::answerBox(i, value) : value) + u';';
        }
        page.text += u"<br><br>"_s;
    }
    page.text += page::submitLine();
    page.items = itemCount;
    return page;
}

Page comparisonPage(int number, RandomSource &random)
{
    if (number < moreEasyNumber || number > fewerHardNumber)
        return {};
    const bool hard = number == moreHardNumber || number == fewerHardNumber;
    const bool camelsMore = number == moreEasyNumber || number == moreHardNumber;
    const int larger = random.below(hard ? 45 : 15, 5);
    const int smaller = random.below(larger - 3, 2); // 2 to larger − 2
    const QString camels = QString::fromUtf16(camelPicture).repeated(camelsMore ? larger : smaller);
    const QString rabbits =
        QString::fromUtf16(rabbitPicture).repeated(camelsMore ? smaller : larger);
    Page page;
    page.text = camels + u"<p>"_s + rabbits +
                (camelsMore ? u"<p>骆驼比兔子多多少？"_s : u"<p>骆驼比兔子少多少？"_s) +
                u"<input class=text name=bj type=text size=7 tag="_s +
                numberText(larger - smaller) + u'>' +
                u"<br><br>&nbsp; <input class=button name=finish type=button size=7 "
                u"value=提交答案 tag=十><br><br>"_s;
    page.items = 1;
    return page;
}

} // namespace quorvel::patterns
