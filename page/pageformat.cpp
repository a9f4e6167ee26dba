#include "page/pageformat.h"

using namespace Qt::StringLiterals;

namespace quorvel::page {

QString itemLabel(int item)
{
    return u"第"_s + QString::number(item) + u"题："_s;
}

QString answerBox(int item, const QString &answer)
{
    return u" <input class=text name=answer"_s + QString::number(item) +
           u" type=text size=7 tag="_s + answer + u">"_s;
}

QString horizontalItem(int item, const QString &question, const QString &answer)
{
    return itemLabel(item) + question + answerBox(item, answer) + u"<br><br>"_s;
}

QString asPageText(const QString &text)
{
    QString escaped = text;
    escaped.replace(u'&', u"&amp;"_s);
    escaped.replace(u'<', u"&lt;"_s);
    return escaped;
}

QString submitLine()
{
    return u"&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp; "
           u"<input class=button name=finish type=button size=7 value=提交答案 tag=十>"
           u"<br><br>"_s;
}

QString arithmeticGroupNote(QChar family)
{
    static const QString modeHint =
        u"<br>点击工具栏上的“竖式”按钮，出题形式就是以竖式形式出现！"
        u"<br>点击工具栏上的“最大”按钮，出题形式就是以不等式形式出现！"_s;
    if (family == u'+')
        return u"加法题!"_s + modeHint;
    if (family == u'-')
        return u"减法题!"_s + modeHint;
    if (family == u'×')
        return u"乘法题!"_s;
    if (family == u'÷')
        return u"除法题!"_s;
    return {};
}

} // namespace quorvel::page
