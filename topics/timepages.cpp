#include "topics/timepages.h"

#include "page/numbertext.h"
#include "page/pageformat.h"
#include "page/randomsource.h"

using namespace Qt::StringLiterals;

namespace quorvel::timepages {

namespace {

QString n(int value)
{
    return numberText(value);
}

// The two boxes of an answer in hours and minutes, ending the item's line.
QString hoursMinutesBoxes(int item, int hours, int minutes)
{
    const QString i = QString::number(item);
    return u" <input class=text name=answerleft"_s + i + u" type=text size=7 tag="_s + n(hours) +
           u">小时"_s + u" <input class=text name=answerright"_s + i + u" type=text size=7 tag="_s +
           n(minutes) + u">分<br><br>"_s;
}

// h小时m分, the way every duration is written in a question.
QString duration(int hours, int minutes)
{
    return n(hours) + u"小时"_s + n(minutes) + u"分"_s;
}

QString conversionItem(int number, int item, RandomSource &random)
{
    const bool hard = number == HoursToMinutesHard || number == HoursToSecondsHard;
    switch (number) {
    case HoursToMinutesEasy:
    case HoursToMinutesHard: {
        const int h = hard ? random.below(98, 11) : random.below(8, 2);
        const int m = random.below(59, 1);
        return page::itemLabel(item) + n(h) + u"小时"_s + n(m) + u"分="_s +
               page::answerBox(item, n(h * 60 + m)) + u"分<br><br>"_s;
    }
    case HoursToSecondsEasy:
    case HoursToSecondsHard: {
        const int h = hard ? random.below(98, 11) : random.below(8, 1);
        const int m = random.below(59, 1);
        const int s = random.below(59, 1);
        return page::itemLabel(item) + n(h) + u"小时"_s + n(m) + u"分"_s + n(s) + u"秒="_s +
               page::answerBox(item, n((h * 60 + m) * 60 + s)) + u"秒<br><br>"_s;
    }
    default: {
        const int t = number == MinutesToHoursEasy ? random.below(939, 61) : random.below(9939, 61);
        return page::itemLabel(item) + n(t) + u"分="_s + hoursMinutesBoxes(item, t / 60, t % 60);
    }
    }
}

// k × (hours, minutes) with the minutes carried into hours.
struct Duration
{
    int hours = 0;
    int minutes = 0;
};

Duration times(int k, int hours, int minutes)
{
    const int total = k * minutes;
    return {k * hours + total / 60, total % 60};
}

QString durationIntro(int number)
{
    switch (number) {
    case DurationSum:
        return u"时间和时间之间不能相乘。加法运算的应用题如：小明周末上午做了1小时27分钟作业，下午做了1小时48分钟作业，问小明周末做了多长时间作业？<br><br>"_s;
    case DurationDifference:
        return u"时间和时间之间不能相乘。减法运算的应用题如：小明做了3小时27分钟作业，语文做了1小时48分钟，问数学做了多长时间？<br><br>"_s;
    case DurationProduct:
        return u"乘法运算的应用题如：机床加工一个零件需要1小时27分钟，问加工5个这样的零件需要多长时间？<br><br>"_s;
    case DurationQuotient:
        return u"除法运算的应用题如：机床今天运转了9小时12分，一共加工了三个零件，问平均每个零件花费多长时间？<br><br>"_s;
    default:
        return u"除法运算的应用题还有如：机床A加工一个零件需要3小时30分钟，机床B加工一个零件需要1小时10分钟，问机床B的工作效率是机床A的几倍？<br><br>"_s;
    }
}

QString durationItem(int number, int item, RandomSource &random)
{
    const QString label = page::itemLabel(item);
    if (number == DurationSum || number == DurationDifference) {
        const int h1 = random.below(15, 1);
        const int m1 = random.below(59, 1);
        const int h2 = random.below(15, 1);
        const int m2 = random.below(59, 1);
        const int minutes = m1 + m2;
        const Duration sum{h1 + h2 + minutes / 60, minutes % 60};
        if (number == DurationSum)
            return label + duration(h1, m1) + u" + "_s + duration(h2, m2) + u" = "_s +
                   hoursMinutesBoxes(item, sum.hours, sum.minutes);
        return label + duration(sum.hours, sum.minutes) + u" - "_s + duration(h2, m2) + u" = "_s +
               hoursMinutesBoxes(item, h1, m1);
    }
    if (number == DurationProduct) {
        const int h1 = random.below(15, 1);
        const int m1 = random.below(59, 1);
        const int k = random.below(15, 1);
        const Duration p = times(k, h1, m1);
        return label + duration(h1, m1) + u" × "_s + n(k) + u" = "_s +
               hoursMinutesBoxes(item, p.hours, p.minutes);
    }
    // The dividend never shows 0 minutes: the item is drawn again. A draw of
    // 1 minute (k of 2 to 16 minutes) always ends the loop, so it ends.
    const bool ratio = number == DurationRatio;
    int h1 = 0;
    int m1 = 0;
    int k = 0;
    Duration p;
    do {
        h1 = ratio ? random.below(9, 1) : random.below(15, 1);
        m1 = random.below(59, 1);
        k = random.below(15, 2);
        p = times(k, h1, m1);
    } while (p.minutes == 0);
    if (ratio)
        return label + duration(p.hours, p.minutes) + u" ÷ "_s + duration(h1, m1) + u" = "_s +
               page::answerBox(item, n(k)) + u"倍<br><br>"_s;
    return label + duration(p.hours, p.minutes) + u" ÷ "_s + n(k) + u" = "_s +
           hoursMinutesBoxes(item, h1, m1);
}

QString intervalItem(int number, int item, RandomSource &random)
{
    int h1 = 0;
    int m1 = 0;
    int h2 = 0;
    int m2 = 0;
    int minutes = 0;
    if (number == IntervalEasy) {
        h2 = random.below(18, 5);
        m2 = random.below(30, 29);
        h1 = random.below(h2 - 2, 1);
        m1 = random.below(m2 - 2, 1);
        minutes = (h2 - h1) * 60 + (m2 - m1);
    } else if (number == IntervalMedium) {
        h2 = random.below(18, 5);
        m2 = random.below(30, 1);
        h1 = random.below(h2 - 2, 1);
        m1 = m2 + random.below(55 - m2, 2);
        minutes = (h2 - h1) * 60 + (m2 - m1);
    } else {
        h2 = random.below(11, 1);
        m2 = random.below(30, 1);
        h1 = random.below(11, 12);
        m1 = m2 + random.below(55 - m2, 2);
        minutes = (h2 + 24 - h1) * 60 + (m2 - m1);
    }
    const QString middle = number == IntervalHard ? u"分 到 第二天"_s : u"分 到 "_s;
    return page::itemLabel(item) + n(h1) + u"点"_s + n(m1) + middle + n(h2) + u"点"_s + n(m2) +
           u"分 的时间间隔 = "_s + page::answerBox(item, n(minutes)) + u"分钟<br><br>"_s;
}

} // namespace

// Items answered in hours and minutes.
constexpr auto hoursAndMinutes = u"%1小时%2分";

Page conversionPage(int number, int itemCount, RandomSource &random)
{
    if (number < HoursToMinutesEasy || number > MinutesToHoursHard)
        return {};
    Page page;
    page.pairAnswer = QString::fromUtf16(hoursAndMinutes);
    for (int i = 1; i <= itemCount; ++i)
        page.text += conversionItem(number, i, random);
    page.text += page::submitLine();
    page.items = itemCount;
    return page;
}

Page sjjg(int number, int itemCount, RandomSource &random)
{
    if (number < IntervalEasy || number > IntervalHard)
        return {};
    Page page;
    for (int i = 1; i <= itemCount; ++i)
        page.text += intervalItem(number, i, random);
    page.text += page::submitLine();
    page.items = itemCount;
    return page;
}

Page ShiJianJiSuan(int number, int itemCount, RandomSource &random)
{
    if (number < DurationSum || number > DurationRatio)
        return {};
    Page page;
    page.pairAnswer = QString::fromUtf16(hoursAndMinutes);
    page.text = durationIntro(number);
    for (int i = 1; i <= itemCount; ++i)
        page.text += durationItem(number, i, random);
    page.text += page::submitLine();
    page.items = itemCount;
    return page;
}

QString puzzlePage(const QString &puzzles)
{
    QString text = puzzles;
    text.replace(u"\r\n"_s, u"<br><br>"_s);
    return text + u"&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp; <input "
                  u"class=button name=finish type=button size=7 value=查看答案 tag=十><br><br>"_s;
}

QString puzzleReveal(const QString &answers, int seconds)
{
    QString text = answers;
    text.replace(u"\r\n"_s, u"<br><br>"_s);
    return u"<br><br>"_s + text + u"思考用时"_s + QString::number(seconds) + u"秒！"_s;
}

} // namespace quorvel::timepages
