#pragma once
// The fraction arithmetic pages of the group "分数": addition, subtraction,
// multiplication and division of two fractions, with unit numerators or drawn
// ones, at three levels. Every item shows two stacked fractions and asks for
// the exact result in lowest terms, numerator and denominator in two boxes.
#include "page/page.h"
#include <QSet>

#include <QString>

#include <optional>

namespace quorvel {

class RandomSource;

enum class FractionOperation
{
    Addition,
    Subtraction,
    Multiplication,
    Division,
};

enum class FractionLevel
{
    Easy,   // denominators 2 to 9
    Middle, // 9 to 26
    Hard,   // 25 to 104
};

struct FractionKind
{
    FractionOperation operation = FractionOperation::Addition;
    bool unitNumerators = true; // "分子为1"; otherwise "分子任意": drawn from the denominator
    FractionLevel level = FractionLevel::Easy;
};

// The kind a node's tag number 5002 to 5025 names; nothing for any other number.
std::optional<FractionKind> fractionKind(int tagNumber);

// "+", "-", "×" or "÷".
QString operationSign(FractionOperation operation);

// One item: a/b and c/d, and their result numerator/denominator in lowest
// terms (a whole result is written over 1, an improper one stays improper).
struct FractionItem
{
    int a = 1;
    int b = 1;
    int c = 1;
    int d = 1;
    int numerator = 0;
    int denominator = 1;
};

// The item a/b op c/d with its reduced result.
FractionItem fractionItem(FractionOperation operation, int a, int b, int c, int d);

// Whether an item breaks a rule of its kind: a fraction equal to 1, a
// subtraction that is not positive, or a unit-fraction division of equal
// fractions.
bool breaksFractionRules(const FractionKind &kind, int a, int b, int c, int d);

// How many different denominator pairs (first, second) the kind can show: a
// page never holds more items than this.
int usablePairCount(const FractionKind &kind);

// Item `item` from the item template, every placeholder replaced.
QString fractionItemText(const QString &itemTemplate, int item, FractionOperation operation,
                         const FractionItem &values);

class FractionPages
{
public:
    explicit FractionPages(RandomSource &random) : m_random(random) {}

    // Draws for one item before the page gives up on it. Uniform draws find
    // even the last free pair of a full easy page within a few thousand; only
    // a source that keeps repeating itself gets this far.
    static constexpr int maxAttemptsPerItem = 200000;

    // A page for a tag number 5002 to 5025 with up to `itemCount` items; a
    // kind with fewer different denominator pairs gives a shorter page. Empty
    // for any other number.
    Page page(int tagNumber, int itemCount, const QString &itemTemplate);

private:
    // Draws until an item passes every rule with a pair not in `usedPairs`;
    // nothing when the attempts run out.
    std::optional<FractionItem> drawItem(const FractionKind &kind, QSet<int> &usedPairs);
    int drawDenominator(FractionLevel level);

    RandomSource &m_random;
};

} // namespace quorvel
