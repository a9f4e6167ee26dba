#include "games/twentyfour.h"

#include "page/exactexpression.h"
#include "page/pageformat.h"
#include "page/randomsource.h"

#include <algorithm>
#include <mutex>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

using namespace Qt::StringLiterals;

namespace quorvel {

namespace twentyfour {

namespace {

// An exact fraction, left unreduced: four cards of 1 to 10 and three steps
// keep numerators and denominators far inside 64 bits.
struct Fraction
{
    qint64 n = 0;
    qint64 d = 1; // positive
};

// A step of an expression: a card, or an operation on two earlier nodes.
struct Node
{
    char op = 0; // 0 for a card, else '+', '-', '*', '/'
    int left = -1;
    int right = -1;
    int card = 0;
};

struct Item
{
    Fraction value;
    int node = -1;
};

// An answer with sums and products flattened: the form two answers share
// when they are one.
struct Canon
{
    char kind = 'n'; // 'n' a card, '+', '*', '-', '/'
    int card = 0;
    std::vector<Canon> kids;
    std::string key;
};

const std::string minus = "\xE2\x88\x92"; // −
const std::string times = "\xC3\x97";     // ×
const std::string divided = "\xC3\xB7";   // ÷

std::string keyOf(const Canon &c)
{
    if (c.kind == 'n')
        return std::to_string(c.card);
    std::string key(1, c.kind);
    key += '(';
    for (size_t i = 0; i < c.kids.size(); ++i) {
        if (i > 0)
            key += ',';
        key += c.kids[i].key;
    }
    return key + ')';
}

// The fewest brackets that keep the meaning, with the usual order of
// operations: + and − alike, × and ÷ alike, left to right.
std::string shown(const Canon &c)
{
    const auto bracketed = [](const Canon &k) { return '(' + shown(k) + ')'; };
    const auto additive = [](const Canon &k) { return k.kind == '+' || k.kind == '-'; };
    switch (c.kind) {
    case 'n':
        return std::to_string(c.card);
    case '+': {
        std::string text;
        for (size_t i = 0; i < c.kids.size(); ++i)
            text += (i > 0 ? "+" : "") + shown(c.kids[i]);
        return text;
    }
    case '*': {
        std::string text;
        for (size_t i = 0; i < c.kids.size(); ++i)
            text += (i > 0 ? times : "") +
                    (additive(c.kids[i]) ? bracketed(c.kids[i]) : shown(c.kids[i]));
        return text;
    }
    case '-': {
        const Canon &right = c.kids[1];
        return shown(c.kids[0]) + minus + (additive(right) ? bracketed(right) : shown(right));
    }
    default: { // '/'
        const Canon &left = c.kids[0];
        const Canon &right = c.kids[1];
        return (additive(left) ? bracketed(left) : shown(left)) + divided +
               (right.kind == 'n' ? shown(right) : bracketed(right));
    }
    }
}

class Search
{
public:
    explicit Search(const Deal &deal)
    {
        nodes.reserve(64);
        for (int i = 0; i < 4; ++i) {
            nodes.push_back({0, -1, -1, deal[size_t(i)]});
            start[i] = {{deal[size_t(i)], 1}, i};
        }
    }

    QStringList run()
    {
        step(start, 4);
        std::vector<std::string> sorted(answers.cbegin(), answers.cend());
        std::sort(sorted.begin(), sorted.end());
        QStringList list;
        list.reserve(qsizetype(sorted.size()));
        for (const std::string &answer : sorted)
            list.append(QString::fromStdString(answer));
        return list;
    }

private:
    void step(const Item *items, int count)
    {
        Item next[4];
        // Among the cards themselves, a pair of values once combined is not
        // combined again: with equal cards the rest is the same too.
        int seenPairs[6];
        int seen = 0;
        for (int i = 0; i < count; ++i) {
            for (int j = i + 1; j < count; ++j) {
                if (count == 4) {
                    const int a = nodes[size_t(items[i].node)].card;
                    const int b = nodes[size_t(items[j].node)].card;
                    const int pair = std::min(a, b) * 1000 + std::max(a, b);
                    if (std::find(seenPairs, seenPairs + seen, pair) != seenPairs + seen)
                        continue;
                    seenPairs[seen++] = pair;
                }
                int m = 0;
                for (int k = 0; k < count; ++k)
                    if (k != i && k != j)
                        next[m++] = items[k];
                const Item &a = items[i];
                const Item &b = items[j];
                combine(a, b, '+',
                        {a.value.n * b.value.d + b.value.n * a.value.d, a.value.d * b.value.d},
                        next, m);
                combine(a, b, '*', {a.value.n * b.value.n, a.value.d * b.value.d}, next, m);
                combine(a, b, '-',
                        {a.value.n * b.value.d - b.value.n * a.value.d, a.value.d * b.value.d},
                        next, m);
                combine(b, a, '-',
                        {b.value.n * a.value.d - a.value.n * b.value.d, a.value.d * b.value.d},
                        next, m);
                if (b.value.n != 0)
                    combine(a, b, '/', divide(a.value, b.value), next, m);
                if (a.value.n != 0)
                    combine(b, a, '/', divide(b.value, a.value), next, m);
            }
        }
    }

    static Fraction divide(Fraction x, Fraction y)
    {
        Fraction q{x.n * y.d, x.d * y.n};
        if (q.d < 0) {
            q.n = -q.n;
            q.d = -q.d;
        }
        return q;
    }

    void combine(const Item &left, const Item &right, char op, Fraction value, Item *next, int rest)
    {
        if (rest == 0) {
            // The last step: a node is made only for an answer.
            if (value.n == 24 * value.d) {
                nodes.push_back({op, left.node, right.node, 0});
                offer(int(nodes.size()) - 1);
                nodes.pop_back();
            }
            return;
        }
        nodes.push_back({op, left.node, right.node, 0});
        next[rest] = {value, int(nodes.size()) - 1};
        step(next, rest + 1);
        nodes.pop_back();
    }

    Canon canon(int index) const
    {
        const Node &node = nodes[size_t(index)];
        Canon c;
        c.kind = node.op == 0 ? 'n' : node.op;
        c.card = node.card;
        if (node.op != 0) {
            Canon left = canon(node.left);
            Canon right = canon(node.right);
            if (node.op == '+' || node.op == '*') {
                for (Canon *side : {&left, &right}) {
                    if (side->kind == node.op)
                        for (Canon &kid : side->kids)
                            c.kids.push_back(std::move(kid));
                    else
                        c.kids.push_back(std::move(*side));
                }
                std::sort(c.kids.begin(), c.kids.end(),
                          [](const Canon &x, const Canon &y) { return x.key < y.key; });
            } else {
                c.kids.push_back(std::move(left));
                c.kids.push_back(std::move(right));
            }
        }
        c.key = keyOf(c);
        return c;
    }

    // A fingerprint of the flattened form, made without allocating: the
    // same answer found along another path is passed over before any text
    // is built.
    struct Print
    {
        quint64 hash = 0;
        int count = 0; // the terms of a flattened sum or product
        quint64 terms[4] = {};
    };

    static quint64 mix(quint64 x)
    {
        x ^= x >> 33;
        x *= 0xff51afd7ed558ccdULL;
        x ^= x >> 33;
        x *= 0xc4ceb9fe1a85ec53ULL;
        return x ^ (x >> 33);
    }

    Print print(int index) const
    {
        const Node &node = nodes[size_t(index)];
        Print p;
        if (node.op == 0) {
            p.hash = mix(quint64(node.card) + 0x9e3779b97f4a7c15ULL);
            return p;
        }
        const Print left = print(node.left);
        const Print right = print(node.right);
        if (node.op == '+' || node.op == '*') {
            for (const Print *side : {&left, &right}) {
                if (side->count > 0 && side->hash == flatHash(*side, node.op)) {
                    for (int i = 0; i < side->count && p.count < 4; ++i)
                        p.terms[p.count++] = side->terms[i];
                } else if (p.count < 4) {
                    p.terms[p.count++] = side->hash;
                }
            }
            for (int i = 1; i < p.count; ++i) // at most four terms
                for (int k = i; k > 0 && p.terms[k - 1] > p.terms[k]; --k)
                    std::swap(p.terms[k - 1], p.terms[k]);
            p.hash = flatHash(p, node.op);
            return p;
        }
        p.hash = mix(mix(left.hash) * 31 + right.hash + quint64(node.op));
        return p;
    }

    static quint64 flatHash(const Print &p, char op)
    {
        quint64 h = quint64(op) * 0x100000001b3ULL;
        for (int i = 0; i < p.count; ++i)
            h = mix(h ^ p.terms[i]);
        return h;
    }

    void offer(int node)
    {
        const quint64 hash = print(node).hash;
        if (std::find(prints.cbegin(), prints.cend(), hash) != prints.cend())
            return;
        prints.push_back(hash);
        const Canon c = canon(node);
        if (keys.insert(c.key).second)
            answers.insert(shown(c));
    }

    Item start[4];
    std::vector<Node> nodes;
    std::vector<quint64> prints;
    std::set<std::string> keys;
    std::set<std::string> answers; // two forms that read alike are one answer
};

} // namespace

QStringList search(const Deal &deal)
{
    return Search(deal).run();
}

QStringList solve(const Deal &deal)
{
    // The answers depend only on the cards, not their order: each set of
    // cards is searched once a run.
    Deal sorted = deal;
    std::sort(sorted.begin(), sorted.end());
    const bool small = sorted.front() >= 0 && sorted.back() < 16;
    if (!small)
        return Search(sorted).run();
    const int key = ((sorted[0] * 16 + sorted[1]) * 16 + sorted[2]) * 16 + sorted[3];
    static std::mutex lock;
    static std::unordered_map<int, QStringList> known;
    {
        const std::lock_guard<std::mutex> guard(lock);
        const auto it = known.find(key);
        if (it != known.end())
            return it->second;
    }
    const QStringList answers = Search(sorted).run();
    const std::lock_guard<std::mutex> guard(lock);
    known.emplace(key, answers);
    return answers;
}

bool isSolution(const QString &typed, const Deal &deal)
{
    const QString text = foldFullWidth(typed);
    static const QString allowed = u"0123456789+-*/×÷()[]{} "_s;
    if (text.trimmed().isEmpty() ||
        !std::all_of(text.cbegin(), text.cend(), [](QChar c) { return allowed.contains(c); }))
        return false;
    QList<Rational> literals;
    const std::optional<Rational> value = evaluateExact(text, &literals);
    if (!value || *value != Rational(24) || literals.size() != 4)
        return false;
    std::vector<Rational> cards(deal.cbegin(), deal.cend());
    for (const Rational &literal : std::as_const(literals)) {
        const auto it = std::find(cards.begin(), cards.end(), literal);
        if (it == cards.end())
            return false;
        cards.erase(it);
    }
    return true;
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
