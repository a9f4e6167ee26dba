// Which handler a tree node leads to: the tag split into family and number,
// and the family's number rows tested at their edges.
#include "app/core/routing.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace quorvel;

Q_DECLARE_METATYPE(quorvel::Route)

class TestRouting : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void splitsTags_data();
    void splitsTags();
    void routes_data();
    void routes();
};

void TestRouting::splitsTags_data()
{
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QChar>("family");
    QTest::addColumn<int>("number");

    QTest::newRow("+20") << u"+20"_s << QChar(u'+') << 20;
    QTest::newRow("+0 group") << u"+0"_s << QChar(u'+') << 0;
    QTest::newRow("×10000") << u"×10000"_s << QChar(u'×') << 10000;
    QTest::newRow("÷81") << u"÷81"_s << QChar(u'÷') << 81;
    QTest::newRow("?59003") << u"?59003"_s << QChar(u'?') << 59003;
    QTest::newRow("nine digits") << u"#867890799"_s << QChar(u'#') << 867890799;
    QTest::newRow("letter after family gives 0") << u"{q8888700"_s << QChar(u'{') << 0;
    QTest::newRow("leading digits only") << u"$7797701x5"_s << QChar(u'$') << 7797701;
    QTest::newRow("family alone") << u"j"_s << QChar(u'j') << 0;
    QTest::newRow("empty tag") << QString() << QChar() << 0;
    QTest::newRow("int max still fits") << u"#2147483647"_s << QChar(u'#') << 2147483647;
    QTest::newRow("one past int max gives 0") << u"#2147483648"_s << QChar(u'#') << 0;
    QTest::newRow("twenty digits give 0") << u"#12345678901234567890"_s << QChar(u'#') << 0;
}

void TestRouting::splitsTags()
{
    QFETCH(QString, tag);
    QFETCH(QChar, family);
    QFETCH(int, number);
    const SplitTag split = splitTag(tag);
    QCOMPARE(split.family, family);
    QCOMPARE(split.number, number);
}

void TestRouting::routes_data()
{
    QTest::addColumn<QChar>("family");
    QTest::addColumn<int>("number");
    QTest::addColumn<Route>("route");

    const auto row = [](const char *family, int number, Route route) {
        const QString f = QString::fromUtf8(family);
        QTest::addRow("%s%d", family, number) << f.front() << number << route;
    };
    const auto span = [&](const char *family, int low, int high, Route route) {
        row(family, low, route);
        row(family, (low + high) / 2, route);
        row(family, high, route);
    };

    // Four operations.
    for (int n : {1, 3, 10, 20, 5000, 123456})
        row("+", n, Route::AdditionDrill);
    for (int n : {1, 10, 5000, 77})
        row("-", n, Route::SubtractionDrill);
    for (int n : {81, 100, 250, 251, 500, 501, 1000, 5000, 10000})
        row("×", n, Route::MultiplicationDrill);
    for (int n : {80, 82, 252, 499, 502, 10001, 20})
        row("×", n, Route::None);
    for (int n : {81, 100, 500, 1000, 5000, 10000})
        row("÷", n, Route::DivisionDrill);
    for (int n : {250, 251, 501, 80, 10001})
        row("÷", n, Route::None);

    // "!" games.
    row("!", 6, Route::GamesDescription);
    row("!", 61, Route::Game24);
    row("!", 62, Route::MemoryGame);
    span("!", 63, 69, Route::GameFilePage);
    span("!", 601, 612, Route::GameFilePage);
    for (int n : {5, 7, 60, 70, 600, 613})
        row("!", n, Route::None);

    // "{" topics, in their order.
    span("{", 522202, 522211, Route::KnowledgeSummary);
    row("{", 522201, Route::None);
    row("{", 522212, Route::None);
    row("{", 5111, Route::LevelGameChoice);
    span("{", 511102, 511105, Route::LevelGameStart);
    row("{", 511101, Route::None);
    row("{", 511106, Route::None);
    span("{", 9001, 9009, Route::MixedOperations);
    span("{", 9010, 9018, Route::ChainedOperations);
    row("{", 9000, Route::None);
    row("{", 9019, Route::None);
    span("{", 7001, 7006, Route::GreatestCommonDivisor);
    row("{", 7000, Route::None);
    row("{", 7007, Route::None);
    span("{", 8888701, 8888705, Route::PrimeFactorisation);
    row("{", 888870501, Route::PrimeFactorisation);
    row("{", 88887051, Route::PrimeFactorisation);
    row("{", 8888700, Route::None);
    row("{", 8888706, Route::None);
    row("{", 888870601, Route::None);
    span("{", 8001, 8005, Route::LeastCommonMultiple);
    row("{", 8005001, Route::LeastCommonMultiple);
    row("{", 8005999, Route::LeastCommonMultiple);
    row("{", 8000, Route::None);
    row("{", 8006, Route::None);
    row("{", 8006001, Route::None);
    row("{", 80050, Route::None);
    row("{", 533302001, Route::TextbookTopic);
    row("{", 533399999, Route::TextbookTopic);
    row("{", 53330200, Route::None);
    row("{", 533402001, Route::None);
    span("{", 7697601, 7697603, Route::FractionToDecimal);
    row("{", 7697604, Route::None);
    span("{", 7537501, 7537508, Route::Interest);
    row("{", 7537509, Route::None);
    span("{", 7598901, 7598903, Route::SquaresAndCubes);
    row("{", 7598904, Route::None);
    span("{", 7597501, 7597503, Route::Remainders);
    row("{", 7597500, Route::None);
    span("{", 5002, 5025, Route::FractionArithmetic);
    row("{", 5001, Route::None);
    row("{", 5026, Route::None);
    span("{", 6002, 6006, Route::KnowledgeTerms);
    row("{", 6002001, Route::KnowledgeTerms);
    row("{", 6006999, Route::KnowledgeTerms);
    row("{", 6001001, Route::None);
    row("{", 6007001, Route::None);
    span("{", 601301, 601305, Route::FormulaSheet);
    row("{", 601306, Route::None);
    row("{", 6007, Route::EnglishSentences);
    for (int n : {6008, 6010, 6011, 6012, 6014, 6015, 6017, 6020, 6022})
        row("{", n, Route::EnglishWords);
    row("{", 6009, Route::GeometryFigures);
    for (int n : {6013, 6016, 6023, 600, 500, 6001})
        row("{", n, Route::None);

    // "$" topics by leading digits; the group numbers themselves included.
    const struct
    {
        const char *prefix;
        Route route;
    } dollarPrefixes[] = {
        {"72347", Route::TimeArithmetic}, {"78997", Route::Money},    {"77877", Route::Complements},
        {"57257", Route::AreaAndVolume},  {"77277", Route::Averages}, {"98725", Route::Ratios},
        {"7968", Route::LinearEquations},
    };
    for (const auto &p : dollarPrefixes) {
        const int group = QByteArray(p.prefix).toInt();
        row("$", group, p.route);
        row("$", group * 100 + 1, p.route);
        row("$", group * 1000 + 25, p.route);
    }
    row("$", 7234, Route::None);
    row("$", 796, Route::None);
    row("$", 7967, Route::None);
    row("$", 77, Route::Clock);
    row("$", 78, Route::TimePuzzles);
    span("$", 71, 76, Route::TimeConversion);
    for (int n : {7, 70, 79, 777, 7797701, 7797703})
        row("$", n, Route::None);

    // "&", "*".
    for (int n : {81, 82, 83, 84})
        row("&", n, Route::Comparison);
    for (int n : {8, 80, 85})
        row("&", n, Route::None);
    span("*", 91, 95, Route::PatternArithmetic);
    row("*", 9, Route::PatternNote);
    for (int n : {90, 96, 99})
        row("*", n, Route::None);

    // "j", "g": any number.
    for (int n : {1, 42, 999999})
        row("j", n, Route::BookReading);
    for (int n : {1, 42, 999999})
        row("g", n, Route::StoryReading);

    // "#" papers and lessons.
    span("#", 63667601, 63667620, Route::EntranceExamPapers);
    row("#", 63667600, Route::None);
    row("#", 63667621, Route::None);
    span("#", 5356501, 5356586, Route::FunProblems);
    row("#", 5356500, Route::None);
    row("#", 5356587, Route::None);
    span("#", 86389000, 86389299, Route::QuestionBank);
    row("#", 86388999, Route::None);
    row("#", 86389300, Route::None);
    span("#", 867890300, 867890799, Route::OlympiadLessonsByGrade);
    row("#", 867890299, Route::None);
    row("#", 867890800, Route::None);
    span("#", 66788001, 66788196, Route::OlympiadExplanations);
    row("#", 66788000, Route::None);
    row("#", 66788197, Route::None);
    span("#", 668781, 668785, Route::TrueFalseSheets);
    row("#", 668780, Route::None);
    row("#", 668786, Route::None);
    span("#", 129900, 129925, Route::OlympiadTopicLessons);
    span("#", 229900, 229910, Route::OlympiadTopicLessons);
    span("#", 329900, 329905, Route::OlympiadTopicLessons);
    span("#", 429900, 429906, Route::OlympiadTopicLessons);
    for (int n : {129899, 129926, 229911, 329906, 429907, 529900})
        row("#", n, Route::None);
    span("#", 1001, 1008, Route::Lectures);
    span("#", 2001, 2072, Route::ExamPapers);
    for (int n : {1000, 1009, 2000, 2073, 200, 199, 666666})
        row("#", n, Route::None);

    // "?" puzzles and problems.
    for (int n : {7, 6, 9})
        row("?", n, Route::WordProblems);
    row("?", 5, Route::BrainTeasers);
    row("?", 59003, Route::BrainTeasers);
    row("?", 59000, Route::BrainTeasers);
    row("?", 59999, Route::BrainTeasers);
    row("?", 2, Route::IntelligenceTest);
    span("?", 11, 78, Route::Puzzles);
    span("?", 801, 808, Route::GeometryExamples);
    for (int n : {1, 3, 4, 8, 10, 79, 800, 809, 5800, 55555, 590, 590001, 58999})
        row("?", n, Route::None);

    // Number 0 never routes; an unknown family never routes.
    for (const char *f : {"+", "-", "×", "{", "$", "j", "?"})
        row(f, 0, Route::None);
    row("x", 20, Route::None);
    row("q", 1, Route::None);
    row("%", 81, Route::None);
}

void TestRouting::routes()
{
    QFETCH(QChar, family);
    QFETCH(int, number);
    QFETCH(Route, route);
    QCOMPARE(int(routeFor(family, number)), int(route));
}

QTEST_GUILESS_MAIN(TestRouting)
#include "tst_routing.moc"
