#include "app/core/grading.h"

#include "app/core/nodekeys.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace quorvel {

namespace {

// The value of the key after its first character, as its leading digits.
qint64 keyNumber(const QString &key)
{
    qint64 value = 0;
    for (qsizetype i = 1; i < key.size() && key[i].isDigit() && i < 19; ++i)
        value = value * 10 + key[i].digitValue();
    return value;
}

template <std::size_t n> bool isOneOf(const QString &key, const QStringView (&keys)[n])
{
    return std::find(std::begin(keys), std::end(keys), key) != std::end(keys);
}

bool passesGeneralTest(const QString &key)
{
    if (key.startsWith(nodes::divisorDrillPrefix) &&
        keyNumber(key) < nodes::factorisationExamples.tag)
        return true;
    if (key.startsWith("q8"_L1) && key.size() == 5)
        return true;
    if (key.startsWith("q7"_L1) && keyNumber(key) < 7005)
        return true;
    const QString two = key.left(2);
    return two == "q4"_L1 || two == "q3"_L1 || two == "q2"_L1 || two == "q1"_L1;
}

bool isRevealedAnswerKey(const QString &key)
{
    for (const nodes::Node &problem : nodes::commonDivisorProblems)
        if (key == problem.key)
            return true;
    const qint64 n = keyNumber(key);
    if (key.size() == 4 && n >= 511 && n <= 578)
        return true;
    return key.size() == 5 && n >= 5801 && n <= 5808;
}

bool isTopicPageKey(const QString &key, const QString &parentKey)
{
    for (QStringView prefix : nodes::topicPagePrefixes)
        if (key.startsWith(prefix))
            return true;
    if (key.startsWith(nodes::questionBank.key) && key.size() == nodes::questionBank.key.size() + 3)
        return true;
    return parentKey == nodes::trueFalseSheets.key;
}

} // namespace

QList<GradingVariant> gradingVariants(const QString &key, const QString &parentKey)
{
    const QString three = key.left(3);
    QList<GradingVariant> variants;
    const auto test = [&variants](bool passes, GradingVariant variant) {
        if (passes)
            variants.append(variant);
    };
    test(key == nodes::timePuzzles.key, GradingVariant::TimePuzzles);
    test(three == nodes::twentyFourPrefix, GradingVariant::TwentyFour);
    test(three == nodes::memoryCardsPrefix, GradingVariant::MemoryCards);
    test(key.size() == 3 && isOneOf(three, nodes::minutesToHours), GradingVariant::MinutesToHours);
    test(three == nodes::fractionPrefix && key.size() == 5, GradingVariant::Fractions);
    test(isOneOf(key, nodes::wordProblems), GradingVariant::WordProblems);
    test(passesGeneralTest(key), GradingVariant::General);
    test(key.startsWith("q8"_L1) && key.size() == 3, GradingVariant::Comparison);
    test(parentKey == nodes::factorisationExamples.key, GradingVariant::FactorisationExamples);
    test(parentKey == nodes::olympiadExplanations.key, GradingVariant::OlympiadExplanations);
    test(key.startsWith(nodes::lcmExamples.key) && key.size() == 8, GradingVariant::LcmExamples);
    test(three == nodes::brainTeaserPrefix && key.size() == 6, GradingVariant::BrainTeasers);
    test(isRevealedAnswerKey(key), GradingVariant::RevealedAnswers);
    test(isTopicPageKey(key, parentKey), GradingVariant::TopicPages);
    return variants;
}

bool endsGradingAtOnce(GradingVariant variant)
{
    return variant == GradingVariant::TimePuzzles || variant == GradingVariant::MinutesToHours;
}

bool usesItemGrading(GradingVariant variant)
{
    return variant == GradingVariant::General || variant == GradingVariant::TopicPages ||
           variant == GradingVariant::Fractions || variant == GradingVariant::MinutesToHours;
}

bool marksWithoutAnswers(GradingVariant variant)
{
    return usesItemGrading(variant) || variant == GradingVariant::WordProblems;
}

} // namespace quorvel
