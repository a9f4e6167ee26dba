#pragma once
// The page on screen as the page script would report it when the child has
// typed into its boxes: every text box typed as its tag (its right answer),
// except the boxes named in `typed`, which get the text given there; plus
// the submit button.
#include "page/pagedocument.h"

#include <QHash>
#include <QRegularExpression>

inline quorvel::PageDocument answeredPage(const QString &html,
                                          const QHash<QString, QString> &typed = {})
{
    static const QRegularExpression box(
        QStringLiteral("name=(\\w+) type=text size=7 tag=([^ >]*)>"));
    QList<quorvel::PageElement> elements{
        {QStringLiteral("finish"), {}, QStringLiteral("button"), {}, {}}};
    for (const QRegularExpressionMatch &m : box.globalMatch(html))
        elements.append({m.captured(1),
                         {},
                         QStringLiteral("text"),
                         typed.value(m.captured(1), m.captured(2)),
                         m.captured(2)});
    return quorvel::PageDocument(elements);
}
