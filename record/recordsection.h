#pragma once
// The "练习记录" section under the medal page: this week and last week, a
// chart of the last 30 scores and one of the minutes practised per day over
// 14 days (inline SVG drawn here), the topics by accuracy, and the buttons
// of the mistake book and the export.
#include "record/practicerecord.h"

namespace quorvel {

// The names of the section's two buttons, as page events report them.
inline constexpr QStringView practiseMistakesButton = u"practiseMistakes";
inline constexpr QStringView exportRecordButton = u"exportRecord";

QString recordSection(const RecordSummary &summary, const QDate &today);

// A page of the mistake book in the drill page format: "第n题：" question,
// a box with the expected answer as its tag, the submit button.
QString mistakePage(const QList<Mistake> &mistakes);

// The question of item n of a written page as the child read it: the text
// before its first answer box back to the line break before it, without
// markup and without "第n题：" ("12+5="); empty when the page has no such box.
QString questionOfItem(const QString &pageHtml, int n);

} // namespace quorvel
