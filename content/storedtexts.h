#pragma once
// The program's stored texts, each a UTF-8 file compiled into the program.
#include <QString>

namespace quorvel::texts {

// The introduction shown on the start page and by the help button; lines end
// with CR LF.
QString introduction();

// The games description of the group "数学游戏"; lines end with CR LF.
QString gamesDescription();

// The layout of one item of a fraction page: a table holding the two
// fractions, the sign, the numerator and denominator boxes and the mark cell,
// with the placeholders 第几题：, a1 to a4, 运算符, answerup, answerdown,
// fenshupl, 答案up and 答案down, each once; lines end with CR LF.
QString fractionItemTemplate();

// The concepts and formulas of area and volume, the page of node
// "面积和体积的概念"; lines end with CR LF.
QString areaVolumeConcepts();

// The divisor and multiple pages: what the greatest common divisor and the
// least common multiple are and how to find them, the worked common-multiple
// examples "【例1】…答案=…", and what prime factorisation is; lines end with
// CR LF.
QString gcdConcept();
QString lcmConcept();
QString lcmExamples();
QString factorisationConcept();

// The time puzzles of every grade: a heading line, then one line per grade
// with that grade's puzzle, and their answers, one line per grade in the same
// order; lines end with CR LF.
QString timePuzzles();
QString timePuzzleAnswers();

// The term list of a group of "基础知识" by its tag number: 6002 整数,
// 6003 小数, 6004 分数, 6005 百分数 and 比, 6006 几何. One line per term,
// "[" term "]" definition (which may hold HTML such as "<br>"); lines end
// with CR LF. Empty for any other number.
QString termList(int groupNumber);

// The puzzle collections of "智力题" and the geometry worked examples, each
// a heading line, then "【" title "】" problem, a line end and "答案="
// answer, one after another; lines end with CR LF. 智力体操 has 40 puzzles,
// 脑力体操 68 in the order of their nodes (q511 to q578), the examples 8 (q5801
// to q5808), the reasoning test one (标准智力测试题).
QString puzzles();
QString brainTeasers();
QString geometryExamples();
QString reasoningTest();

// The answers of the papers, elements 0 to 35: 0 to 22 the 23 school exam
// papers in the order of their nodes (grade 1 first term mid-term first;
// grade 6 has no second-term mid-term), 23 to 35 the olympiad papers of 1991
// to 2003 (34, the year 2002, is "缺"). Lines end with CR LF; empty for any
// other element.
QString paperAnswers(int element);

// The file code of exam paper i (0 to 22): the grade, then 1 first-term
// mid-term, 2 first-term final, 3 second-term mid-term, 4 second-term final.
QString examPaperCode(int i);

} // namespace quorvel::texts
