#include "topics/interest.h"

#include "page/numbertext.h"
#include "page/pageformat.h"
#include "topics/chinesenumerals.h"

using namespace Qt::StringLiterals;

namespace quorvel::interest {

namespace {

constexpr double principal = 10000;
constexpr double currentRate = 0.36; // per cent a year

struct Term
{
    int kind;
    int months;  // one term
    double rate; // per cent a year
    const char16_t *intro;
    int (*period)(int item); // months asked in item i
};

const Term terms[] = {
    {ThreeMonths, 3, 2.25,
     u"三个月整存利率是百分之二点二五，壹万元按三个月整存，存如下月数的利息是多少？"
     u"（满一个存期的部分按整存利率计算，不满一个存期的部分按活期计算，一个月按30天计算）<br><br>",
     [](int i) { return i; }},
    {SixMonths, 6, 2.5,
     u"六个月整存利率是百分之二点五，壹万元按六个月整存，存如下月数的利息是多少？"
     u"（满一个存期的部分按整存利率计算，不满一个存期的部分按活期计算，一个月按30天计算）<br><br>",
     [](int i) { return i + 3; }},
    {OneYear, 12, 2.75,
     u"一年整存利率是百分之二点七五，壹万元按一年整存，存如下月数的利息是多少？"
     u"（满一个存期的部分按整存利率计算，不满一个存期的部分按活期计算，一个月按30天计算）<br><br>",
     [](int i) { return 2 * i + 6; }},
    {TwoYears, 24, 3.55,
     u"两年整存利率是百分之三点五五，壹万元按两年整存，存如下月数的利息是多少？"
     u"（满一个存期的部分按整存利率计算，不满一个存期的部分按活期计算，一个月按30天计算）<br><br>",
     [](int i) { return 6 * i; }},
    {ThreeYears, 36, 4.15,
     u"三年整存利率是百分之四点一五，壹万元按三年整存，存如下月数的利息是多少？"
     u"（满一个存期的部分按整存利率计算，不满一个存期的部分按活期计算，一个月按30天计算）<br><br>",
     [](int i) { return 18 * i; }},
    {FiveYears, 60, 4.55,
     u"五年整存利率是百分之四点五五，壹万元按五年整存，存如下月数的利息是多少？"
     u"（满一个存期的部分按整存利率计算，不满一个存期的部分按活期计算，一个月按30天计算）<br><br>",
     [](int i) { return 30 * i; }},
};

const Term *termOf(int kind)
{
    for (const Term &term : terms)
        if (term.kind == kind)
            return &term;
    return nullptr;
}

QString item(int i, const QString &question, double interest)
{
    return page::itemLabel(i) + question + page::answerBox(i, numberText(interest)) +
           u" 元<br><br>"_s;
}

} // namespace

double currentAccountInterest(int days)
{
    return principal * days * currentRate * 0.01 / 360;
}

double fixedTermInterest(int kind, int months)
{
    const Term *term = termOf(kind);
    if (!term)
        return 0;
    const int wholeTerms = months / term->months;
    const double leftOverDays = QiuYuShu(months, term->months).toDouble() * 30;
    // n × 10000 × rate × 0.01, then scaled by the term's length in years.
    double termInterest = wholeTerms * principal * term->rate * 0.01;
    switch (term->months) {
    case 3:
        termInterest /= 4;
        break;
    case 6:
        termInterest /= 2;
        break;
    default:
        termInterest *= term->months / 12;
        break;
    }
    return termInterest + leftOverDays * principal * currentRate * 0.01 / 360;
}

Page QiuLiXi(int number, int itemCount)
{
    Page page;
    if (number == CurrentAccount) {
        page.text = u"活期存款年利率是百分之零点三六，壹万元存如下天数的利息是多少？"
                    u"（银行按360天计一年）<br><br>"_s;
        for (int i = 1; i <= itemCount; ++i) {
            const int days = 15 * i;
            page.text += item(i, numberText(days) + u"天的利息 = "_s, currentAccountInterest(days));
        }
        page.items = itemCount;
    } else if (const Term *term = termOf(number)) {
        page.text = QString::fromUtf16(term->intro);
        for (int i = 1; i <= itemCount; ++i) {
            const int months = term->period(i);
            page.text +=
                item(i, numberText(months) + u"个月的利息 = "_s, fixedTermInterest(number, months));
        }
        page.items = itemCount;
    } else if (number != RateTable) {
        return {};
    }
    page.text += page::submitLine();
    return page;
}

} // namespace quorvel::interest
