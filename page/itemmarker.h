#pragma once
// The one marker of pages graded item by item. Item i of a page is answered
// in one of three ways, found from the boxes the page has:
//   "answer" i                     one box (in the inequality form the child
//                                  types into "Qanswer" i, the key stays in
//                                  "answer" i); marked after "answer" i
//   "answerleft" i, "answerright" i  two boxes (hours and minutes, 元 and 角);
//                                  marked after "answerright" i
//   "answerup" i, "answerdown" i   numerator and denominator; marked inside
//                                  the cell "fenshupl" i
// An item is right when every box holds its key (answersMatch). The marks are "(√)" and
// "(×，正确答案：" key ")"; the score is round(100 × right ÷ items), and the
// result line goes after the submit button "finish".
#include "page/page.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace quorvel {

class PageDocument;

struct MarkingRules
{
    int items = 0;           // the page's own item count
    bool inequality = false; // the child types into "Qanswer" i
    QString pairAnswer = QStringLiteral("%1%2");
    int seconds = 0;         // written into the result line
    bool showAnswers = true; // a wrong item's mark gives the correct answer
};

struct MarkedItem
{
    int number = 0;
    QString expected; // as the mark writes it
    QString typed;
    bool right = false;
};

struct MarkedPage
{
    int score = 0;
    QList<MarkedItem> items; // the items the page has, in order
    bool perfect() const { return score == 100; }
};

MarkedPage markItems(PageDocument &page, const MarkingRules &rules);

// The right answer of every item of a page, in order, as the marks write
// them: one box its key, two boxes their keys in pairAnswer ("%1小时%2分"),
// a fraction "3/4". Empty for a page without answer boxes.
QStringList answerKeyOf(const PageDocument &page,
                        const QString &pairAnswer = QStringLiteral("%1%2"));

// The items of a page that came as a file: answer boxes numbered 1, 2, …
// without a gap.
int itemCountOf(const PageDocument &page);

// The result line for a score; the 100-point line shows the medal.
QString resultLine(int score, int seconds);

// 100 ÷ n rounded to the nearest whole number.
int pointsPerItem(int itemCount);

} // namespace quorvel
