#include "topics/wordproblems.h"

#include "page/numbertext.h"
#include "page/randomsource.h"
#include "topics/vbexpression.h"

#include <QSet>
#include <cmath>
#include <map>

using namespace Qt::StringLiterals;

namespace quorvel::wordproblems {

namespace {

constexpr int problemsPerPage = 10;

// A slot token "(name=…)" of a line: where it is, the whole token and what
// follows the "=".
struct Token
{
    QString text;  // "(x=2_10)"
    QString inner; // "2_10"
};

std::optional<Token> findToken(const QString &line, const QString &opening)
{
    const qsizetype start = line.indexOf(opening);
    if (start < 0)
        return std::nullopt;
    const qsizetype close = line.indexOf(u')', start);
    if (close < 0)
        return std::nullopt;
    return Token{line.mid(start, close - start + 1),
                 line.mid(start + opening.size(), close - start - opening.size())};
}

// "a_b" or "a#b"; nullopt for anything else.
std::optional<SlotRange> rangeOf(const QString &inner)
{
    const bool even = !inner.contains(u'_') && inner.contains(u'#');
    const QStringList parts = inner.split(even ? u'#' : u'_');
    if (parts.size() != 2)
        return std::nullopt;
    bool lowOk = false;
    bool highOk = false;
    const SlotRange range{parts[0].toDouble(&lowOk), parts[1].toDouble(&highOk), even};
    if (!lowOk || !highOk)
        return std::nullopt;
    return range;
}

// A drawn slot: its token replaced by the number everywhere in the line.
std::optional<int> fillSlot(QString &line, const Token &token, const SlotChooser &choose)
{
    const std::optional<SlotRange> range = rangeOf(token.inner);
    if (!range)
        return std::nullopt;
    const std::optional<int> value = choose(*range);
    if (value)
        line.replace(token.text, QString::number(*value));
    return value;
}

// Characters that would end the tag's unquoted attribute value.
bool fitsUnquotedTag(const QString &text)
{
    for (const QChar c : text)
        if (c.isSpace() || u"\"'<>`"_s.contains(c))
            return false;
    return true;
}

} // namespace

SlotChooser randomChooser(RandomSource &random)
{
    return [&random](const SlotRange &range) -> std::optional<int> {
        const auto draw = [&] {
            return int(std::floor(range.low + (range.high - range.low) * double(random.next())));
        };
        if (!range.even)
            return draw();
        // The numbers a draw can give run from Int(a) to the last whole
        // number below b (or Int(a) alone when b is not above a).
        const int first = int(std::floor(range.low));
        const int last = range.high > range.low ? int(std::ceil(range.high)) - 1 : first;
        if (first == last && first % 2 != 0)
            return std::nullopt;
        for (int tries = 0; tries < 10000; ++tries)
            if (const int x = draw(); x % 2 == 0)
                return x;
        return first % 2 == 0 ? first : first + 1;
    };
}

QString unitAfter(const QString &rest)
{
    if (rest.isEmpty())
        return {};
    if (rest.startsWith(u'千'))
        return rest.left(2);
    if (rest.startsWith(u'平'))
        return rest.startsWith(u"平方米"_s) ? rest.left(3) : rest.left(4);
    return rest.left(1);
}

std::optional<Problem> makeProblem(const QString &template_, const SlotChooser &choose,
                                   int previousX)
{
    QString line = template_;
    const std::optional<Token> xToken = findToken(line, u"(x="_s);
    if (!xToken)
        return std::nullopt;
    int x = previousX;
    if (xToken->inner.contains(u'_') || xToken->inner.contains(u'#')) {
        const std::optional<int> drawn = fillSlot(line, *xToken, choose);
        if (!drawn)
            return std::nullopt;
        x = *drawn;
    }

    std::optional<int> y;
    if (line.contains(u"y=x*"_s)) {
        const std::optional<Token> token = findToken(line, u"(y=x*"_s);
        const std::optional<SlotRange> range = token ? rangeOf(token->inner) : std::nullopt;
        const std::optional<int> k = range ? choose(*range) : std::nullopt;
        if (!k)
            return std::nullopt;
        y = *k * x;
        line.replace(token->text, QString::number(*y));
    } else if (const std::optional<Token> token = findToken(line, u"(y="_s)) {
        y = fillSlot(line, *token, choose);
        if (!y)
            return std::nullopt;
    }
    std::optional<int> l;
    if (y) {
        if (const std::optional<Token> token = findToken(line, u"(l="_s)) {
            l = fillSlot(line, *token, choose);
            if (!l)
                return std::nullopt;
        }
    }

    const qsizetype zStart = line.indexOf(u"(z="_s);
    const qsizetype lastClose = line.lastIndexOf(u')');
    if (zStart < 0 || lastClose < zStart)
        return std::nullopt;

    Problem problem;
    problem.x = x;
    if (line.contains(u"qiuu"_s)) {
        const qsizetype question = line.lastIndexOf(u'?');
        if (!y || *y == 0 || question <= lastClose)
            return std::nullopt;
        problem.value = QString::number(x % *y);
        problem.unit = line.mid(lastClose + 1, question - lastClose - 1);
        problem.explanation = QString::number(x) + u"除以"_s + QString::number(*y) + u"的余数="_s +
                              problem.value + problem.unit;
    } else {
        QString expression = line.mid(zStart + 3, lastClose - zStart - 3);
        expression.replace(u'x', QString::number(x));
        if (expression.contains(u'y') && !y)
            return std::nullopt;
        if (y)
            expression.replace(u'y', QString::number(*y));
        if (expression.contains(u'l') && !l)
            return std::nullopt;
        if (l)
            expression.replace(u'l', QString::number(*l));
        const std::optional<double> value = evaluateVbExpression(expression);
        if (!value || *value < 0)
            return std::nullopt; // a template fault: no such problem for a child
        problem.value = numberText(*value);
        problem.unit = unitAfter(line.mid(lastClose + 1));
        // Written with the signs a child knows.
        problem.explanation = QString(expression).replace(u'*', u'×').replace(u'/', u'÷') + u'=' +
                              problem.value + problem.unit;
    }
    if (problem.unit.isEmpty() || !fitsUnquotedTag(problem.unit + problem.explanation))
        return std::nullopt;
    problem.question = line.left(zStart) + u"多少"_s + line.mid(lastClose + 1);
    return problem;
}

QString itemHtml(int n, const Problem &problem)
{
    const QString number = QString::number(n);
    return number + u"："_s + problem.question + u"<br>答案 =  <input class=text name=answer"_s +
           number + u" type=text size=11 tag="_s + problem.value + problem.unit + u'|' +
           problem.explanation + u"><br><br>"_s;
}

Page page(const std::optional<QStringList> &lines, RandomSource &random)
{
    const QStringList all = lines.value_or(QStringList());
    const int count = int(all.size());
    const SlotChooser choose = randomChooser(random);

    // Ten different lines drawn as the design draws them; a line that gives
    // no problem is set aside and another drawn, until ten are made or every
    // line was tried.
    std::map<int, Problem> made; // by line, so the page keeps the file's order
    QSet<int> tried;
    int previousX = 0;
    while (int(made.size()) < problemsPerPage && tried.size() < count) {
        QList<int> chosen;
        const int wanted = std::min(problemsPerPage - int(made.size()), count - int(tried.size()));
        for (int draws = 0; chosen.size() < wanted; ++draws) {
            int idx = random.below(count, 0);
            if (tried.contains(idx) && draws > 100000)
                for (idx = 0; tried.contains(idx); ++idx) {
                }
            if (tried.contains(idx))
                continue;
            tried.insert(idx);
            chosen.append(idx);
        }
        std::sort(chosen.begin(), chosen.end());
        for (const int idx : std::as_const(chosen)) {
            if (std::optional<Problem> problem = makeProblem(all[idx], choose, previousX)) {
                previousX = problem->x;
                made.emplace(idx, *problem);
            }
        }
    }
    if (made.empty())
        return {u"应用题没能读出来，请检查程序文件夹里的应用题文件。"_s, 0};

    QString text = u"答案要写单位，如：20个<br><br>"_s;
    int n = 0;
    for (const auto &[idx, problem] : made)
        text += itemHtml(++n, problem);
    text += u"<br><br>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp; <input class=button name=finish "
            u"type=button size=7 value=查看答案 tag=十><br><br>"_s;
    return {text, n};
}

Key keyOf(const QString &tag)
{
    const qsizetype bar = tag.indexOf(u'|');
    if (bar < 0)
        return {tag, {}};
    return {tag.left(bar), tag.mid(bar + 1)};
}

} // namespace quorvel::wordproblems
