#pragma once
// Interest pages: simple interest on a deposit of 10000 元 at fixed yearly
// rates, for a current account by days and for six fixed terms by months.
// A year counts 360 days, a month 30; the months that do not fill a whole
// term earn the current-account rate. Nothing on these pages is random.
#include "page/page.h"

#include <QString>

namespace quorvel::interest {

// The pages by the number of their node's tag ("{7537501" ... "{7537508").
enum Kind
{
    CurrentAccount = 7537501,
    ThreeMonths = 7537502,
    SixMonths = 7537503,
    OneYear = 7537504,
    TwoYears = 7537505,
    ThreeYears = 7537506,
    FiveYears = 7537507,
    RateTable = 7537508, // shows the rate table file in the second pane
};

// The rate table, a file of the program folder.
inline constexpr char16_t rateTableFile[] = u"zimu/最新银行利率表.htm";

// The page of the given tag number with itemCount items. The rate table's
// page text is the submit line alone (the table itself is the file).
Page QiuLiXi(int number, int itemCount);

// The interest in 元 on 10000 元 kept `days` days in a current account.
double currentAccountInterest(int days);

// The interest in 元 on 10000 元 kept `months` months on the fixed term of
// the kind; the part that fills no whole term earns the current rate.
double fixedTermInterest(int kind, int months);

} // namespace quorvel::interest
