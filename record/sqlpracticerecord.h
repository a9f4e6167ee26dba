#pragma once
// The practice record in an SQLite file: WAL journaling, a busy timeout so
// that two runs of the program can write at once, a schema version and the
// migrations from older files. A file that cannot be opened or fails its
// quick check is moved aside with the date in its name and a new one is
// started; when even that fails, the record stays empty and says so.
#include "record/practicerecord.h"

namespace quorvel {

class SqlPracticeRecord final : public PracticeRecord
{
public:
    static constexpr int schemaVersion = 2;

    // path: the database file, or ":memory:".
    explicit SqlPracticeRecord(QString path);
    ~SqlPracticeRecord() override;
    SqlPracticeRecord(const SqlPracticeRecord &) = delete;
    SqlPracticeRecord &operator=(const SqlPracticeRecord &) = delete;

    bool isOpen() const { return m_open; }
    // What the user should be told once at start: a damaged file moved
    // aside, or a record that could not be opened; empty when all is well.
    QString startupMessage() const { return m_startupMessage; }
    QString setAsidePath() const { return m_setAside; }

    bool recordPage(const RecordedPage &page) override;
    RecordSummary summary(const QDate &today) const override;
    QList<Mistake> mistakes(int limit) const override;
    QString csv() const override;

private:
    bool openAndPrepare();
    void close();

    QString m_path;
    QString m_connection;
    bool m_open = false;
    QString m_startupMessage;
    QString m_setAside;
};

} // namespace quorvel
