#pragma once
// The program's stored texts, each a UTF-8 file compiled into the program.
#include <QString>

namespace quorvel::texts {

// The introduction shown on the start page and by the help button; lines end
// with CR LF.
QString introduction();

// The games description of the group "数学游戏"; lines end with CR LF.
QString gamesDescription();

// The item of a fraction page (the data set Text19): a table with the
// placeholders 第几题：, a1 to a4, 运算符, answerup, answerdown, fenshupl, 答案up
// and 答案down, each once; lines end with CR LF.
QString fractionItemTemplate();

// The concepts and formulas of area and volume, the page of node
// "面积和体积的概念"; lines end with CR LF.
QString areaVolumeConcepts();

// The divisor and multiple pages: the concepts of the greatest common divisor
// (Text16) and the least common multiple (Text17), the worked common-multiple
// examples "【例1】…答案=…" (Text18) and the factorisation concept; lines end
// with CR LF.
QString gcdConcept();
QString lcmConcept();
QString lcmExamples();
QString factorisationConcept();

// The time puzzles of every grade (the data set Text9): the puzzles, a
// heading line "各个年纪的时间题：" and one line per grade "1年纪题." …, and
// their answers, one line per grade "1年纪答案：…" in the same order; lines
// end with CR LF.
QString timePuzzles();
QString timePuzzleAnswers();

} // namespace quorvel::texts
