#pragma once
// The word problems of "应用题": each line of a difficulty's template file is
// a problem with number slots, "(x=a_b)", "(x=a#b)" (even), "(y=x*a_b)",
// "(y=a_b)", "(l=a_b)", and the asked quantity "(z=expression)" followed by
// its unit (or "(z=qiuu)" for the remainder of x divided by y). A page draws
// ten different lines, fills their slots and writes each answer, value and
// unit, with its worked explanation into the box's tag.
#include "page/page.h"

#include <QStringList>
#include <functional>
#include <optional>

namespace quorvel {

class RandomSource;

namespace wordproblems {

// A slot's range as the template writes it: a to b, b excluded.
struct SlotRange
{
    double low = 0;
    double high = 0;
    bool even = false; // "#": only even numbers
};

// Chooses a slot's number; nullopt when the range holds none ("#" with no
// even number in it).
using SlotChooser = std::function<std::optional<int>(const SlotRange &)>;

// Int(a + (b − a) × r), drawn again until even for "#".
SlotChooser randomChooser(RandomSource &random);

struct Problem
{
    QString question;    // the line with the z token replaced by "多少"
    QString value;       // in number text
    QString unit;        // "个", "千克", "平方厘米" …
    QString explanation; // "5+15=20个"
    int x = 0;           // the x of this problem, kept for a line whose x slot is not drawn
};

// One template line made into a problem, or nullopt for a line outside the
// format (no x slot, no z token, no unit), a slot range without a number, or
// an expression that does not evaluate to a finite number. previousX stands
// for x when the line's x slot has neither "_" nor "#".
std::optional<Problem> makeProblem(const QString &line, const SlotChooser &choose,
                                   int previousX = 0);

// The unit rule: the first character after the z token; two for "千", three
// for "平方米", four for any other "平…".
QString unitAfter(const QString &rest);

// The page item of problem n, its box's tag "value unit|explanation".
QString itemHtml(int n, const Problem &problem);

// A page of up to ten problems from a template file's lines; a page that says
// so when there are no lines or none of them can be used.
Page page(const std::optional<QStringList> &lines, RandomSource &random);

// The answer and the explanation of a box's tag.
struct Key
{
    QString answer;
    QString explanation;
};
Key keyOf(const QString &tag);

} // namespace wordproblems
} // namespace quorvel
