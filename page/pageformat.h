#pragma once
// Fragments of the exercise page that every generator shares: the numbered
// item with its answer box, and the submit lines. The grader and the page
// handlers find the boxes by the names written here.
#include <QString>

namespace quorvel::page {

// "第3题："
QString itemLabel(int item);

// " <input class=text name=answer3 type=text size=7 tag=9>"
QString answerBox(int item, const QString &answer);

// A whole horizontal item: label, question, box and "<br><br>".
QString horizontalItem(int item, const QString &question, const QString &answer);

// Stored or typed text written into a page as text: "&" and "<" escaped, so
// it can never become markup or script ("-->" and the like stay readable).
QString asPageText(const QString &text);

// The standard submit line, followed by "<br><br>".
QString submitLine();

// The body text of a group header of the four-operation families ("+", "-",
// "×", "÷"); empty for any other family.
QString arithmeticGroupNote(QChar family);

} // namespace quorvel::page
