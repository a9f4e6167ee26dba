#pragma once
// The tree nodes that code refers to by name. The catalogue tables hold every
// node of every tab; a key or tag number that a test of the grading order, a
// handler or a page generator depends on is written once, here. The old
// short keys ("q78", "q5111") are the keys the program's data and pages use.
#include <QStringView>

namespace quorvel::nodes {

// A node: its key, and the number of its tag (the tag after its family
// character), which the routing table and the page generators use.
struct Node
{
    QStringView key;
    int tag = 0;
};

// The node selected when the window opens ("加减乘除" → "10以内加法").
inline constexpr Node startNode{u"q1", 1};

// 加减乘除: the level game. Every node of the game starts with the group's key;
// the four kinds of questions bind the answer choices R1 to R4, and every
// node of the group the difficulty choices n1 to n3.
inline constexpr Node levelGame{u"q5111", 5111};
inline constexpr QStringView levelGameKinds[] = {u"q511102", u"q511103", u"q511104", u"q511105"};

// 智力题: the intelligence test, whose submit button never grades.
inline constexpr Node intelligenceTest{u"q52", 2};

// Grading: the keys the variant tests look at, in the order they are tried.
inline constexpr Node timePuzzles{u"q78", 78};
inline constexpr QStringView twentyFourPrefix = u"q61";
inline constexpr QStringView memoryCardsPrefix = u"q62";
inline constexpr QStringView minutesToHours[] = {u"q75", u"q76"};
inline constexpr QStringView fractionPrefix = u"q50";
inline constexpr QStringView wordProblems[] = {u"q55", u"q56", u"q57"};
// The general test: these and the keys the grading table names by digits.
inline constexpr QStringView divisorDrillPrefix = u"q88887";
inline constexpr Node factorisationExamples{u"q8888705", 8888705};
inline constexpr Node olympiadExplanations{u"q66788", 66788};
inline constexpr Node lcmExamples{u"q8005", 8005};
inline constexpr QStringView brainTeaserPrefix = u"q59";
inline constexpr Node commonDivisorProblems[] = {{u"q7005", 7005}, {u"q7006", 7006}};
// The topic pages graded item by item: keys starting so, and the children of
// the true-or-false sheets.
inline constexpr QStringView topicPagePrefixes[] = {u"q9",     u"q77877", u"q78997", u"q72347",
                                                    u"q75989", u"q77977", u"q76976", u"q75975",
                                                    u"q77277", u"q75375", u"q57257", u"q7968"};
inline constexpr Node trueFalseSheets{u"q66878", 66878};
// The question bank's entries, exercise pages graded item by item.
inline constexpr Node questionBank{u"q86389", 86389};

// 规律运算: the picture comparisons, marked in their one box "bj".
inline constexpr QStringView comparisons[] = {u"q81", u"q82", u"q83", u"q84"};

} // namespace quorvel::nodes
