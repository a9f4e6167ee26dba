#pragma once
// The 24-point solver written the plain way: every candidate carries its
// text from the start. The program's solver makes texts only for solutions;
// the tests check both give the same lists, and the benchmark compares them.
#include <QStringList>

#include <array>

namespace reference24 {

struct Candidate
{
    double value;
    QString text;
};

inline std::array<Candidate, 6> combine(const Candidate &x, const Candidate &y)
{
    return {{{x.value + y.value, u'(' + x.text + u'+' + y.text + u')'},
             {x.value - y.value, u'(' + x.text + u'-' + y.text + u')'},
             {y.value - x.value, u'(' + y.text + u'-' + x.text + u')'},
             {x.value * y.value, u'(' + x.text + u'*' + y.text + u')'},
             {x.value / y.value, u'(' + x.text + u'/' + y.text + u')'},
             {y.value / x.value, u'(' + y.text + u'/' + x.text + u')'}}};
}

inline Candidate card(int value)
{
    return {double(value), QString::number(value)};
}

inline void offer(QStringList &list, const Candidate &c)
{
    if (c.value > 23.99999 && c.value < 24.00001 && !list.contains(c.text))
        list.append(c.text);
}

inline QStringList solve(const std::array<int, 4> &deal)
{
    static constexpr int orders[12][4] = {
        {0, 1, 2, 3}, {0, 1, 3, 2}, {0, 2, 1, 3}, {0, 2, 3, 1}, {0, 3, 1, 2}, {0, 3, 2, 1},
        {1, 2, 3, 0}, {1, 2, 0, 3}, {1, 3, 0, 2}, {1, 3, 2, 0}, {2, 3, 1, 0}, {2, 3, 0, 1},
    };
    QStringList list;
    for (const auto &o : orders)
        for (const Candidate &p : combine(card(deal[o[0]]), card(deal[o[1]])))
            for (const Candidate &q : combine(card(deal[o[2]]), p))
                for (const Candidate &r : combine(card(deal[o[3]]), q))
                    offer(list, r);
    for (const Candidate &l : combine(card(deal[0]), card(deal[1])))
        for (const Candidate &m : combine(card(deal[2]), card(deal[3])))
            for (const Candidate &t : combine(l, m))
                offer(list, t);
    return list;
}

} // namespace reference24
