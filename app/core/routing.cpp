#include "app/core/routing.h"

#include <limits>

using namespace Qt::StringLiterals;

namespace quorvel {

namespace {

bool between(int n, int low, int high)
{
    return n >= low && n <= high;
}

// The number's decimal digits start with prefix (and, when digits > 0, it
// has exactly that many digits).
bool startsWith(int n, const char *prefix, int digits = 0)
{
    const QString text = QString::number(n);
    if (digits > 0 && text.size() != digits)
        return false;
    return text.startsWith(QLatin1StringView(prefix));
}

Route curlyRoute(int n)
{
    if (between(n, 522202, 522211))
        return Route::KnowledgeSummary;
    if (n == 5111)
        return Route::LevelGameChoice;
    if (between(n, 511102, 511105))
        return Route::LevelGameStart;
    if (between(n, 9001, 9009))
        return Route::MixedOperations;
    if (between(n, 9010, 9018))
        return Route::ChainedOperations;
    if (between(n, 7001, 7006))
        return Route::GreatestCommonDivisor;
    if (between(n, 8888701, 8888705) || (n >= 10000000 && startsWith(n, "8888705")))
        return Route::PrimeFactorisation;
    if (between(n, 8001, 8005) || startsWith(n, "8005", 7))
        return Route::LeastCommonMultiple;
    if (startsWith(n, "5333", 9))
        return Route::TextbookTopic;
    if (between(n, 7697601, 7697603))
        return Route::FractionToDecimal;
    if (between(n, 7537501, 7537508))
        return Route::Interest;
    if (between(n, 7598901, 7598903))
        return Route::SquaresAndCubes;
    if (between(n, 7597501, 7597503))
        return Route::Remainders;
    if (between(n, 5002, 5025))
        return Route::FractionArithmetic;
    if (between(n, 6002, 6006) || between(n, 6002000, 6006999))
        return Route::KnowledgeTerms;
    if (between(n, 601301, 601305))
        return Route::FormulaSheet;
    if (n == 6007)
        return Route::EnglishSentences;
    if (n == 6008 || between(n, 6010, 6012) || n == 6014 || n == 6015 || between(n, 6017, 6022))
        return Route::EnglishWords;
    if (n == 6009)
        return Route::GeometryFigures;
    return Route::None;
}

Route dollarRoute(int n)
{
    if (startsWith(n, "72347"))
        return Route::TimeArithmetic;
    if (startsWith(n, "78997"))
        return Route::Money;
    if (startsWith(n, "77877"))
        return Route::Complements;
    if (startsWith(n, "57257"))
        return Route::AreaAndVolume;
    if (startsWith(n, "77277"))
        return Route::Averages;
    if (startsWith(n, "98725"))
        return Route::Ratios;
    if (startsWith(n, "7968"))
        return Route::LinearEquations;
    if (n == 77)
        return Route::Clock;
    if (n == 78)
        return Route::TimePuzzles;
    if (between(n, 71, 76))
        return Route::TimeConversion;
    return Route::None;
}

Route hashRoute(int n)
{
    if (between(n, 63667601, 63667620))
        return Route::EntranceExamPapers;
    if (between(n, 5356501, 5356586))
        return Route::FunProblems;
    if (between(n, 86389000, 86389299))
        return Route::QuestionBank;
    if (between(n, 867890300, 867890799))
        return Route::OlympiadLessonsByGrade;
    if (between(n, 66788001, 66788196))
        return Route::OlympiadExplanations;
    if (between(n, 668781, 668785))
        return Route::TrueFalseSheets;
    if (between(n, 129900, 129925) || between(n, 229900, 229910) || between(n, 329900, 329905) ||
        between(n, 429900, 429906))
        return Route::OlympiadTopicLessons;
    if (between(n, 1001, 1008))
        return Route::Lectures;
    if (between(n, 2001, 2072))
        return Route::ExamPapers;
    return Route::None;
}

Route questionRoute(int n)
{
    if (n == 7 || n == 6 || n == 9)
        return Route::WordProblems;
    if (n == 5 || startsWith(n, "59", 5))
        return Route::BrainTeasers;
    if (n == 2)
        return Route::IntelligenceTest;
    if (between(n, 11, 78))
        return Route::Puzzles;
    if (between(n, 801, 808))
        return Route::GeometryExamples;
    if (n == 55555)
        return Route::PuzzleGroup; // "智力题": the reveal button alone
    return Route::None;
}

} // namespace

SplitTag splitTag(const QString &tag)
{
    SplitTag split;
    if (tag.isEmpty())
        return split;
    split.family = tag.front();
    qint64 value = 0;
    for (qsizetype i = 1; i < tag.size(); ++i) {
        const QChar c = tag[i];
        if (c < u'0' || c > u'9')
            break;
        value = value * 10 + (c.unicode() - u'0');
        if (value > std::numeric_limits<int>::max())
            return {split.family, 0};
    }
    split.number = int(value);
    return split;
}

Route routeFor(QChar family, int n)
{
    if (n == 0)
        return Route::None;
    if (family == u'+')
        return Route::AdditionDrill;
    if (family == u'-')
        return Route::SubtractionDrill;
    if (family == u'×')
        return (n == 81 || n == 100 || n == 250 || n == 251 || n == 500 || n == 501 || n == 1000 ||
                n == 5000 || n == 10000)
                   ? Route::MultiplicationDrill
                   : Route::None;
    if (family == u'÷')
        return (n == 81 || n == 100 || n == 500 || n == 1000 || n == 5000 || n == 10000)
                   ? Route::DivisionDrill
                   : Route::None;
    if (family == u'!') {
        if (n == 6)
            return Route::GamesDescription;
        if (n == 61)
            return Route::Game24;
        if (n == 62)
            return Route::MemoryGame;
        if (between(n, 63, 69) || between(n, 601, 612))
            return Route::GameFilePage;
        return Route::None;
    }
    if (family == u'{')
        return curlyRoute(n);
    if (family == u'$')
        return dollarRoute(n);
    if (family == u'&')
        return (n == 81 || n == 83 || n == 82 || n == 84) ? Route::Comparison : Route::None;
    if (family == u'*') {
        if (between(n, 91, 95))
            return Route::PatternArithmetic;
        return n == 9 ? Route::PatternNote : Route::None;
    }
    if (family == u'j')
        return Route::BookReading;
    if (family == u'g')
        return Route::StoryReading;
    if (family == u'#')
        return hashRoute(n);
    if (family == u'?')
        return questionRoute(n);
    return Route::None;
}

} // namespace quorvel
