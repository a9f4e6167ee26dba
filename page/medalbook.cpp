#include "page/medalbook.h"

#include "page/settingsstore.h"

#include <limits>

using namespace Qt::StringLiterals;

namespace quorvel {

namespace {
const QString application = u"mbqzt"_s;
const QString section = u"jb"_s;
} // namespace

int leadingCount(const QString &text)
{
    const QString trimmed = text.trimmed();
    qint64 value = 0;
    for (QChar c : trimmed) {
        if (!c.isDigit() || c.unicode() > 127)
            break;
        value = value * 10 + (c.unicode() - u'0');
        if (value > std::numeric_limits<int>::max())
            return 0; // a count this large is corrupt, not earned
    }
    return int(value);
}

QString MedalBook::recordKey(int k)
{
    return u"第"_s + QString::number(k) + u"个"_s;
}

int MedalBook::load()
{
    m_count = leadingCount(m_store.read(application, section, u"num"_s));
    return m_count;
}

QString MedalBook::pageText() const
{
    QString page = u"每当你得到一个100分的时候，就会得到一块奖牌。<br>"_s;
    if (m_count <= 0)
        return page;
    page += u"你现在已经得到了"_s + QString::number(m_count) + u"块奖牌<br><table>"_s;
    for (int k = 1; k <= m_count; ++k) {
        page += u"<tr><td valign=center>第"_s + QString::number(k) +
                u"块： </td><td valign=center><img src=zimu\\jb.gif></td><td valign=center> "_s +
                m_store.read(application, section, recordKey(k)) + u"</td></tr>"_s;
    }
    page += u"</table>"_s;
    return page;
}

} // namespace quorvel
