#pragma once
// A page made ready to print: a header line to fill in (name, date, time,
// score), the node's text as its title, the page itself and, when asked
// for, its answer key on a page of its own. The print style sheet breaks the
// pages; on screen the header and the key are not shown in the panes.
#include <QString>
#include <QStringList>

namespace quorvel {

QString worksheetHeader(const QString &title);
// "第1题：19", one line an item, under the title and "答案".
QString answerKeyHtml(const QString &title, const QStringList &keys);
// One sheet: header, page, key (when keys are given). Several sheets in a
// document each start on a new printed page.
QString worksheet(const QString &title, const QString &page, const QStringList &keys = {});

} // namespace quorvel
