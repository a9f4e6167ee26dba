#include "page/worksheet.h"

using namespace Qt::StringLiterals;

namespace quorvel {

QString worksheetHeader(const QString &title)
{
    return u"<div class=sheet-head><p>姓名________　日期________　用时________　得分________</p>"
           u"<h1>"_s +
           title.toHtmlEscaped() + u"</h1></div>"_s;
}

QString answerKeyHtml(const QString &title, const QStringList &keys)
{
    QString html = u"<div class=answer-key><h2>"_s + title.toHtmlEscaped() + u"　答案</h2><p>"_s;
    for (qsizetype i = 0; i < keys.size(); ++i)
        html += u"<span>第"_s + QString::number(i + 1) + u"题："_s + keys[i].toHtmlEscaped() +
                u"</span> "_s;
    return html + u"</p></div>"_s;
}

QString worksheet(const QString &title, const QString &page, const QStringList &keys)
{
    return u"<div class=sheet>"_s + worksheetHeader(title) + page +
           (keys.isEmpty() ? QString() : answerKeyHtml(title, keys)) + u"</div>"_s;
}

} // namespace quorvel
