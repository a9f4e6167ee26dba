#pragma once
// Grading a page: which grading variants a page's node key leads to, in
// their fixed order, and the general item grading most pages use, which
// marks each box in place and adds up the score.
#include <QList>
#include <QString>

namespace quorvel {

class PageDocument;

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

// Whether a variant grades with the general item grading.
bool usesItemGrading(GradingVariant variant);

struct ItemGrading
{
    int itemCount = 0;       // the page's own item count
    bool inequality = false; // "最大" pressed on the integer tab
    int elapsedSeconds = 0;
};

struct GradingResult
{
    int score = 0;
    bool perfect() const { return score == 100; }
};

// 100 ÷ n rounded to the nearest whole number.
int pointsPerItem(int itemCount);

// Marks every item after its key box with "(√)" or
// "(×，正确答案：" tag ")", then writes the result line after "finish".
GradingResult gradeItems(PageDocument &page, const ItemGrading &grading);

// The result line for a score (the 100-point line shows the medal).
QString resultLine(int score, int seconds);

} // namespace quorvel
