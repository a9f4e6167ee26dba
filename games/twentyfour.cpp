#include "games/twentyfour.h"

#include "page/pageformat.h"
#include "page/randomsource.h"

#include <algorithm>
#include <cstring>
#include <vector>

using namespace Qt::StringLiterals;

namespace quorvel {

namespace twentyfour {

namespace {

// The six candidates of one combination step, in their fixed order:
// sum, left minus right, right minus left, product, left over right, right
// over left. A zero divisor gives an infinity (or NaN), which never counts
// as 24 and never leads to 24 afterwards.
struct Six
{
    double v[6];
};

inline Six combine(double x, double y)
{
    return {{x + y, x - y, y - x, x * y, x / y, y / x}};
}

// An expression text held on the stack: the longest, such as
// "(10/(10-(10/10)))", has 18 characters.
struct Text
{
    char c[24];
    int n = 0;

    static Text card(int value)
    {
        Text t;
        if (value >= 10)
            t.c[t.n++] = char('0' + value / 10);
        t.c[t.n++] = char('0' + value % 10);
        return t;
    }
    bool operator==(const Text &o) const { return n == o.n && std::memcmp(c, o.c, size_t(n)) == 0; }
};

// The text of candidate `op` built from the texts of its two operands.
Text combineText(int op, const Text &left, const Text &right)
{
    static constexpr char signs[6] = {'+', '-', '-', '*', '/', '/'};
    const bool swapped = op == 2 || op == 5;
    const Text &first = swapped ? right : left;
    const Text &second = swapped ? left : right;
    Text t;
    t.c[t.n++] = '(';
    std::memcpy(t.c + t.n, first.c, size_t(first.n));
    t.n += first.n;
    t.c[t.n++] = signs[op];
    std::memcpy(t.c + t.n, second.c, size_t(second.n));
    t.n += second.n;
    t.c[t.n++] = ')';
    return t;
}

// The solutions found so far; texts are compared before any QString is made.
struct Solutions
{
    std::vector<Text> texts;

    void offer(const Text &text)
    {
        if (std::find(texts.cbegin(), texts.cend(), text) == texts.cend())
            texts.push_back(text);
    }
};

// ((a op b) op c) op d, with c and d standing first in sums and products.
void sequentialPass(const int a, const int b, const int c, const int d, Solutions &found)
{
    const Six p = combine(a, b);
    for (int i = 0; i < 6; ++i) {
        const Six q = combine(c, p.v[i]);
        for (int j = 0; j < 6; ++j) {
            const Six r = combine(d, q.v[j]);
            for (int k = 0; k < 6; ++k) {
                if (!countsAs24(r.v[k]))
                    continue;
                // Texts are made only for the few candidates that count.
                const Text first = combineText(i, Text::card(a), Text::card(b));
                const Text second = combineText(j, Text::card(c), first);
                found.offer(combineText(k, Text::card(d), second));
            }
        }
    }
}

// (a op b) op (c op d).
void pairPass(const int a, const int b, const int c, const int d, Solutions &found)
{
    const Six left = combine(a, b);
    const Six right = combine(c, d);
    for (int i = 0; i < 6; ++i) {
        for (int j = 0; j < 6; ++j) {
            const Six t = combine(left.v[i], right.v[j]);
            for (int k = 0; k < 6; ++k) {
                if (!countsAs24(t.v[k]))
                    continue;
                found.offer(combineText(k, combineText(i, Text::card(a), Text::card(b)),
                                        combineText(j, Text::card(c), Text::card(d))));
            }
        }
    }
}

// The six first pairs, each followed by both orders of the other two cards.
constexpr int orders[12][4] = {
    {0, 1, 2, 3}, {0, 1, 3, 2}, {0, 2, 1, 3}, {0, 2, 3, 1}, {0, 3, 1, 2}, {0, 3, 2, 1},
    {1, 2, 3, 0}, {1, 2, 0, 3}, {1, 3, 0, 2}, {1, 3, 2, 0}, {2, 3, 1, 0}, {2, 3, 0, 1},
};

} // namespace

QStringList solve(const Deal &deal)
{
    Solutions found;
    found.texts.reserve(96);
    for (const auto &order : orders)
        sequentialPass(deal[order[0]], deal[order[1]], deal[order[2]], deal[order[3]], found);
    pairPass(deal[0], deal[1], deal[2], deal[3], found);
    QStringList list;
    list.reserve(qsizetype(found.texts.size()));
    for (const Text &text : found.texts)
        list.append(QString::fromLatin1(text.c, text.n));
    return list;
}

} // namespace twentyfour

QChar suitLetter(int suit)
{
    return QChar(u'a' + (qBound(1, suit, 4) - 1));
}

void TwentyFourGame::dealSolvable(RandomSource &random)
{
    do {
        for (int &value : deal)
            value = random.below(10, 1);
        suit = random.below(4, 1);
        solutions = twentyfour::solve(deal);
    } while (solutions.isEmpty());
}

QString TwentyFourGame::pageText() const
{
    const QChar letter = suitLetter(suit);
    const auto card = [letter](int value) {
        return u"<img src=24/"_s + QString::number(value) + letter + u".gif>"_s;
    };
    QString page = card(deal[0]) + card(deal[1]) + u"<br>"_s + card(deal[2]) + card(deal[3]) +
                   u"<br><br>一共有"_s + QString::number(solutions.size()) + u"种答案！<br>"_s;
    for (int k = 1; k <= solutions.size(); ++k) {
        const QString n = QString::number(k);
        page += n + u"：<input class=text name=answer"_s + n + u" type=text size=27 tag="_s +
                solutions[k - 1] + u"><br>"_s;
    }
    return page + page::submitLine();
}

QString TwentyFourGame::revealText(int seconds) const
{
    QString text = u"<br>全部答案：<br>"_s;
    for (const QString &solution : solutions)
        text += solution + u"<br>"_s;
    return text + u"思考时间："_s + QString::number(seconds) + u"秒！"_s;
}

} // namespace quorvel
