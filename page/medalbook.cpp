#include "page/medalbook.h"

#include "page/pageformat.h"
#include "page/settingsstore.h"

#include <algorithm>

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
        if (value > MedalBook::largestCount)
            return 0; // a count this large is damaged, not earned
    }
    return int(value);
}

QString MedalBook::recordKey(int k)
{
    return u"第"_s + QString::number(k) + u"个"_s;
}

int MedalBook::highestRecord() const
{
    int highest = 0;
    for (const QString &key : m_store.keys(application, section)) {
        if (!key.startsWith(u'第') || !key.endsWith(u'个'))
            continue;
        bool ok = false;
        const int k = QStringView(key).mid(1, key.size() - 2).toInt(&ok);
        if (ok && k > highest && k <= largestCount &&
            !m_store.read(application, section, key).isEmpty())
            highest = k;
    }
    return highest;
}

int MedalBook::load()
{
    m_count = std::max(leadingCount(m_store.read(application, section, u"num"_s)), highestRecord());
    return m_count;
}

QString MedalBook::pageText() const
{
    QString page = u"每当你得到一个100分的时候，就会得到一块奖牌。<br>"_s;
    if (m_count <= 0)
        return page;
    page += u"你现在已经得到了"_s + QString::number(m_count) + u"块奖牌<br><table>"_s;
    // A count far beyond any real one means a damaged store: then only the
    // records that exist are listed, and a long run of missing ones ends the
    // list, so the page never stalls.
    constexpr int plausibleCount = 10000;
    constexpr int missingRunLimit = 1000;
    const bool damaged = m_count > plausibleCount;
    int missingRun = 0;
    for (int k = 1; k <= m_count && missingRun < missingRunLimit; ++k) {
        const QString stored = m_store.read(application, section, recordKey(k));
        if (damaged) {
            missingRun = stored.isEmpty() ? missingRun + 1 : 0;
            if (stored.isEmpty())
                continue;
        }
        page += u"<tr><td valign=center>第"_s + QString::number(k) +
                u"块： </td><td valign=center><img src=zimu\\jb.gif></td><td valign=center> "_s +
                page::asPageText(stored) + u"</td></tr>"_s;
    }
    page += u"</table>"_s;
    return page;
}

bool MedalBook::award(const QString &record)
{
    load();
    if (m_count >= largestCount)
        return false; // the store is damaged beyond repair; nothing is overwritten
    ++m_count;
    // The record first: the count never names a medal whose record is not
    // stored yet.
    const bool recordStored = m_store.write(application, section, recordKey(m_count), record);
    const bool countStored =
        m_store.write(application, section, u"num"_s, QString::number(m_count));
    return recordStored && countStored;
}

QString MedalBook::record(const QString &parentText, const QString &nodeText, int seconds,
                          const QString &date)
{
    return parentText + u'/' + nodeText + u"-->用时"_s + QString::number(seconds) + u"秒！-->"_s +
           date;
}

} // namespace quorvel
