#pragma once
// Grading a page: which grading variants a page's node key leads to, in
// their fixed order. Most variants grade the page item by item with the one
// item marker (page/itemmarker.h); the others belong to page families.
#include <QList>
#include <QString>

namespace quorvel {

enum class GradingVariant
{
    TimePuzzles = 1,       // "q78": reveal the answers (ends the grading)
    TwentyFour,            // "q61…": reveal the solutions
    MemoryCards,           // "q62…"
    MinutesToHours,        // "q75", "q76": two boxes per item (ends the grading)
    Fractions,             // "q50xx": general item grading
    WordProblems,          // "q55", "q56", "q57"
    General,               // the arithmetic drills and the time conversions
    Comparison,            // "q8x": bj boxes
    FactorisationExamples, // children of "q8888705"
    OlympiadExplanations,  // children of "q66788"
    LcmExamples,           // "q8005xxx"
    BrainTeasers,          // "q59xxxx"
    RevealedAnswers,       // puzzles, geometry examples, "q7005", "q7006"
    TopicPages,            // the topic generators: general item grading
};

// The variants whose key tests pass, in the order they are tried.
QList<GradingVariant> gradingVariants(const QString &key, const QString &parentKey);

// Variants that end the grading at once: no later variant test runs.
bool endsGradingAtOnce(GradingVariant variant);

// Whether a variant grades with the item marker.
bool usesItemGrading(GradingVariant variant);

// Whether a variant marks items right or wrong, so that it can do so without
// the answers; the others reveal answers or explanations.
bool marksWithoutAnswers(GradingVariant variant);

} // namespace quorvel
