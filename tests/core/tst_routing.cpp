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
    // Every node of every tab is routed in tst_everynode; these are the rows
    // whose edges are easy to get wrong.
    QTest::addColumn<QChar>("family");
    QTest::addColumn<int>("number");
    QTest::addColumn<Route>("route");

    const auto row = [](const char *name, QChar family, int number, Route route) {
        QTest::newRow(name) << family << number << route;
    };
    row("×250 is a multiplication range", u'×', 250, Route::MultiplicationDrill);
    row("÷250 is no division range", u'÷', 250, Route::None);
    row("×82 is no range", u'×', 82, Route::None);
    row("the level game's choice", u'{', 5111, Route::LevelGameChoice);
    row("a level game kind", u'{', 511103, Route::LevelGameStart);
    row("a factorisation example", u'{', 888870501, Route::PrimeFactorisation);
    row("past the factorisation examples", u'{', 888870601, Route::None);
    row("a common-multiple example", u'{', 8005001, Route::LeastCommonMultiple);
    row("a textbook unit", u'{', 533302001, Route::TextbookTopic);
    row("an olympiad explanation", u'#', 66788196, Route::OlympiadExplanations);
    row("past the olympiad explanations", u'#', 66788197, Route::None);
    row("a game page", u'!', 612, Route::GameFilePage);
    row("a brain teaser", u'?', 59041, Route::BrainTeasers);
    row("a puzzle", u'?', 78, Route::Puzzles);
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
