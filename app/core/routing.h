#pragma once
// Which handler a tree node's tag leads to. A tag is a family character and a
// number; the families are tested in a fixed order, and within a family the
// number rows in the order listed. Number 0 marks a group header and is
// handled before any route.
#include <QChar>
#include <QString>

namespace quorvel {

enum class Route
{
    None,
    // "+", "-", "×", "÷"
    AdditionDrill,
    SubtractionDrill,
    MultiplicationDrill,
    DivisionDrill,
    // "!"
    GamesDescription,
    Game24,
    MemoryGame,
    GameFilePage,
    // "{"
    KnowledgeSummary,
    LevelGameChoice,
    LevelGameStart,
    MixedOperations,
    ChainedOperations,
    GreatestCommonDivisor,
    PrimeFactorisation,
    LeastCommonMultiple,
    TextbookTopic,
    FractionToDecimal,
    Interest,
    SquaresAndCubes,
    Remainders,
    FractionArithmetic,
    KnowledgeTerms,
    FormulaSheet,
    EnglishSentences,
    EnglishWords,
    GeometryFigures,
    // "$" (the time-interval handler runs before every one of these)
    TimeArithmetic,
    Money,
    Complements,
    AreaAndVolume,
    Averages,
    Ratios,
    LinearEquations,
    Clock,
    TimePuzzles,
    TimeConversion,
    // "&", "*"
    Comparison,
    PatternArithmetic,
    PatternNote,
    // "j", "g"
    BookReading,
    StoryReading,
    // "#"
    EntranceExamPapers,
    FunProblems,
    QuestionBank,
    OlympiadLessonsByGrade,
    OlympiadExplanations,
    TrueFalseSheets,
    OlympiadTopicLessons,
    Lectures,
    ExamPapers,
    // "?"
    WordProblems,
    BrainTeasers,
    IntelligenceTest,
    Puzzles,
    GeometryExamples,
    PuzzleGroup,
    // Runs first for every "$" node: the time-interval page or nothing.
    TimeInterval,
};

struct SplitTag
{
    QChar family;
    int number = 0; // the leading digits after the family; none (or too many) gives 0
};

SplitTag splitTag(const QString &tag);

// The number of a node key after its first character, as the tag of its
// node would give it ("q59002" gives 59002).
inline int keyNumber(const QString &key)
{
    return splitTag(key).number;
}

// The handler for a family and a non-zero number; Route::None when no row
// matches.
Route routeFor(QChar family, int number);

} // namespace quorvel
