#pragma once
// The practice record as the window sees it: graded pages go in, the weekly
// figures, the charts' data, the topics and the mistake book come out. The
// program keeps it in an SQLite file (SqlPracticeRecord); the tests use an
// in-memory one.
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>

namespace quorvel {

struct RecordedItem
{
    QString question; // as the page showed it; empty when it is not known
    QString expected;
    QString typed;
    bool right = false;
    qint64 mistakeId = 0; // the mistake-book entry it practised, or 0
};

struct RecordedPage
{
    QDateTime finished;
    QString tab;
    QString nodeKey;
    QString nodeText;
    int items = 0;
    int right = 0;
    int score = 0;
    int seconds = 0;
    bool advanced = false; // the account that graded it
    bool game = false;     // a game's result: 24 points or the memory cards
    QList<RecordedItem> itemList;
};

struct Mistake
{
    qint64 id = 0;
    QString question;
    QString expected;
};

struct WeekFigures
{
    int pages = 0;
    int items = 0;
    int averageScore = 0; // rounded; 0 without pages
    int minutes = 0;      // rounded up from the seconds practised
    bool operator==(const WeekFigures &) const = default;
};

struct TopicAccuracy
{
    QString nodeText;
    int pages = 0;
    int items = 0;
    int right = 0;
    int percent() const { return items > 0 ? (right * 100 + items / 2) / items : 0; }
};

struct RecordSummary
{
    WeekFigures thisWeek; // Monday to today
    WeekFigures lastWeek;
    QList<int> lastScores;       // the last 30 pages, oldest first
    QList<int> minutesPerDay;    // the last 14 days, oldest first, today last
    QList<TopicAccuracy> topics; // the last 30 days, weakest first
    int mistakes = 0;            // in the mistake book
};

class PracticeRecord
{
public:
    virtual ~PracticeRecord() = default;
    // One graded page with its items, in one transaction; a wrong item goes
    // into the mistake book, a mistake-book item answered right counts
    // towards leaving it (twice). False when nothing could be stored.
    virtual bool recordPage(const RecordedPage &page) = 0;
    virtual RecordSummary summary(const QDate &today) const = 0;
    // The oldest entries of the mistake book first.
    virtual QList<Mistake> mistakes(int limit) const = 0;
    // The whole record as CSV text, one line per item (a game or a page
    // without items: one line of its own).
    virtual QString csv() const = 0;
};

} // namespace quorvel
