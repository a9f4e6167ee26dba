#pragma once
// The page a family writes into the main pane, with what the grader needs to
// know of its items. Every generator returns this one type.
#include <QString>

namespace quorvel {

struct Page
{
    QString text;  // the body of the main pane's document; empty for no page
    int items = 0; // the items the grader marks; 0 when the page is not graded item by item
    // Items answered in two boxes "answerleft" i and "answerright" i: how
    // their right answer is written, %1 and %2 the two keys ("%1小时%2分",
    // "%1元%2角").
    QString pairAnswer = QStringLiteral("%1%2");
};

} // namespace quorvel
