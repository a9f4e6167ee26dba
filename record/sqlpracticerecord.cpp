#include "record/sqlpracticerecord.h"

#include <QAtomicInt>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <cmath>

using namespace Qt::StringLiterals;

namespace quorvel {

namespace {

QAtomicInt connections;

constexpr const char *createVersion1[] = {
    "CREATE TABLE schema_version (version INTEGER NOT NULL)",
    "CREATE TABLE pages (id INTEGER PRIMARY KEY, finished TEXT NOT NULL, day TEXT NOT NULL, "
    "tab TEXT NOT NULL, node_key TEXT NOT NULL, node_text TEXT NOT NULL, items INTEGER NOT NULL, "
    "right_items INTEGER NOT NULL, score INTEGER NOT NULL, seconds INTEGER NOT NULL)",
    "CREATE TABLE items (id INTEGER PRIMARY KEY, page_id INTEGER NOT NULL REFERENCES pages(id), "
    "number INTEGER NOT NULL, question TEXT NOT NULL, expected TEXT NOT NULL, typed TEXT NOT NULL, "
    "right INTEGER NOT NULL)",
    "INSERT INTO schema_version (version) VALUES (1)",
};

// Version 2: the account and games in the pages, the mistake book.
constexpr const char *migrateTo2[] = {
    "ALTER TABLE pages ADD COLUMN account TEXT NOT NULL DEFAULT ''",
    "ALTER TABLE pages ADD COLUMN game INTEGER NOT NULL DEFAULT 0",
    "CREATE TABLE mistakes (id INTEGER PRIMARY KEY, question TEXT NOT NULL, expected TEXT NOT "
    "NULL, added TEXT NOT NULL, right_count INTEGER NOT NULL DEFAULT 0, UNIQUE (question, "
    "expected))",
    "CREATE INDEX pages_day ON pages (day)",
    "UPDATE schema_version SET version = 2",
};

bool run(QSqlDatabase &db, const char *statement)
{
    QSqlQuery query(db);
    return query.exec(QString::fromLatin1(statement));
}

template <std::size_t n> bool runAll(QSqlDatabase &db, const char *const (&statements)[n])
{
    for (const char *statement : statements)
        if (!run(db, statement))
            return false;
    return true;
}

QString pragma(QSqlDatabase &db, const QString &statement)
{
    QSqlQuery query(db);
    if (!query.exec(statement) || !query.next())
        return {};
    return query.value(0).toString();
}

QString notNull(const QString &text)
{
    return text.isNull() ? u""_s : text;
}

int minutesOf(qint64 seconds)
{
    return int((std::max<qint64>(seconds, 0) + 59) / 60);
}

// A CSV field: quoted when it must be; a leading = + or @ cannot start a
// formula in a spreadsheet.
QString csvField(QString text)
{
    if (!text.isEmpty() && u"=+@"_s.contains(text.front()))
        text.prepend(u'\'');
    if (text.contains(u',') || text.contains(u'"') || text.contains(u'\n') ||
        text.contains(u'\r')) {
        text.replace(u"\""_s, u"\"\""_s);
        return u'"' + text + u'"';
    }
    return text;
}

} // namespace

SqlPracticeRecord::SqlPracticeRecord(QString path)
    : m_path(std::move(path)),
      m_connection(u"quorvel-record-"_s + QString::number(connections.fetchAndAddRelaxed(1)))
{
    if (openAndPrepare())
        return;
    close();
    // A damaged file is kept beside, under a dated name, and a new one begun.
    if (m_path != ":memory:"_L1 && QFile::exists(m_path)) {
        m_setAside =
            m_path + u".damaged-"_s + QDateTime::currentDateTime().toString(u"yyyyMMdd-HHmmss"_s);
        if (QFile::rename(m_path, m_setAside)) {
            for (const QString &companion : {u"-wal"_s, u"-shm"_s})
                QFile::remove(m_path + companion);
            if (openAndPrepare()) {
                m_startupMessage = u"练习记录文件已经损坏，已经改名保存为“"_s + m_setAside +
                                   u"”，程序重新开始记录。批改和奖牌不受影响。"_s;
                return;
            }
            close();
        }
    }
    m_startupMessage = u"练习记录无法打开，这次的练习不会被记录。批改和奖牌不受影响。"_s;
}

SqlPracticeRecord::~SqlPracticeRecord()
{
    close();
}

void SqlPracticeRecord::close()
{
    if (QSqlDatabase::contains(m_connection)) {
        {
            QSqlDatabase db = QSqlDatabase::database(m_connection, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(m_connection);
    }
    m_open = false;
}

bool SqlPracticeRecord::openAndPrepare()
{
    QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, m_connection);
    db.setDatabaseName(m_path);
    db.setConnectOptions(u"QSQLITE_BUSY_TIMEOUT=5000"_s);
    if (!db.open())
        return false;
    if (pragma(db, u"PRAGMA quick_check"_s) != "ok"_L1)
        return false;
    pragma(db, u"PRAGMA journal_mode=WAL"_s);
    run(db, "PRAGMA foreign_keys=ON");

    // The schema: created, or brought up to this version.
    if (!db.transaction())
        return false;
    int version = 0;
    if (db.tables().contains(u"schema_version"_s))
        version = pragma(db, u"SELECT version FROM schema_version"_s).toInt();
    bool ok = version <= schemaVersion;
    if (ok && version < 1)
        ok = runAll(db, createVersion1);
    if (ok && version < 2)
        ok = runAll(db, migrateTo2);
    if (!ok || !db.commit()) {
        db.rollback();
        return false;
    }
    m_open = true;
    return true;
}

bool SqlPracticeRecord::recordPage(const RecordedPage &page)
{
    if (!m_open)
        return false;
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (!db.transaction()) {
        qWarning("practice record: %s", qPrintable(db.lastError().text()));
        return false;
    }
    QSqlQuery insertPage(db);
    QString failedAt; // what could not be written, for the log
    const auto fail = [&db, &insertPage, &failedAt] {
        qWarning("practice record: %s %s %s", qPrintable(failedAt),
                 qPrintable(db.lastError().text()), qPrintable(insertPage.lastError().text()));
        db.rollback();
        return false;
    };
    insertPage.prepare(u"INSERT INTO pages (finished, day, tab, node_key, node_text, items, "
                       u"right_items, score, seconds, account, game) VALUES (?, ?, ?, ?, ?, ?, "
                       u"?, ?, ?, ?, ?)"_s);
    for (const QVariant &v :
         {QVariant(page.finished.toString(Qt::ISODate)),
          QVariant(page.finished.date().toString(Qt::ISODate)), QVariant(page.tab),
          QVariant(page.nodeKey), QVariant(page.nodeText), QVariant(page.items),
          QVariant(page.right), QVariant(page.score), QVariant(std::max(page.seconds, 0)),
          QVariant(page.advanced ? u"advanced"_s : u"student"_s), QVariant(page.game ? 1 : 0)})
        insertPage.addBindValue(v);
    if (!insertPage.exec()) {
        failedAt = u"page"_s;
        return fail();
    }
    const qint64 pageId = insertPage.lastInsertId().toLongLong();

    QSqlQuery insertItem(db);
    insertItem.prepare(u"INSERT INTO items (page_id, number, question, expected, typed, right) "
                       u"VALUES (?, ?, ?, ?, ?, ?)"_s);
    QSqlQuery intoBook(db);
    intoBook.prepare(u"INSERT INTO mistakes (question, expected, added) VALUES (?, ?, ?) "
                     u"ON CONFLICT (question, expected) DO UPDATE SET right_count = 0"_s);
    QSqlQuery rightInBook(db);
    rightInBook.prepare(u"UPDATE mistakes SET right_count = right_count + 1 WHERE id = ?"_s);
    QSqlQuery leaveBook(db);
    leaveBook.prepare(u"DELETE FROM mistakes WHERE id = ? AND right_count >= 2"_s);
    int number = 0;
    for (const RecordedItem &item : page.itemList) {
        insertItem.addBindValue(pageId);
        insertItem.addBindValue(++number);
        // A null text would bind as SQL NULL.
        insertItem.addBindValue(notNull(item.question));
        insertItem.addBindValue(notNull(item.expected));
        insertItem.addBindValue(notNull(item.typed));
        insertItem.addBindValue(item.right ? 1 : 0);
        if (!insertItem.exec()) {
            failedAt = u"item "_s + insertItem.lastError().text();
            return fail();
        }
        if (item.mistakeId > 0 && item.right) {
            rightInBook.addBindValue(item.mistakeId);
            leaveBook.addBindValue(item.mistakeId);
            if (!rightInBook.exec() || !leaveBook.exec()) {
                failedAt =
                    u"book "_s + rightInBook.lastError().text() + leaveBook.lastError().text();
                return fail();
            }
        } else if (item.mistakeId == 0 && !item.right && !page.game && !item.question.isEmpty()) {
            intoBook.addBindValue(notNull(item.question));
            intoBook.addBindValue(notNull(item.expected));
            intoBook.addBindValue(page.finished.toString(Qt::ISODate));
            if (!intoBook.exec()) {
                failedAt = u"into "_s + intoBook.lastError().text();
                return fail();
            }
        }
    }
    if (db.commit())
        return true;
    failedAt = u"commit"_s;
    return fail();
}

RecordSummary SqlPracticeRecord::summary(const QDate &today) const
{
    RecordSummary s;
    if (!m_open)
        return s;
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    const auto day = [](const QDate &d) { return d.toString(Qt::ISODate); };

    // The weeks by the dates stored: a record from the future counts nowhere.
    const QDate monday = today.addDays(1 - today.dayOfWeek());
    const auto week = [&](const QDate &from, const QDate &to) {
        WeekFigures w;
        QSqlQuery q(db);
        q.prepare(u"SELECT SUM(game = 0), SUM(CASE WHEN game = 0 THEN items ELSE 0 END), "
                  u"AVG(CASE WHEN game = 0 THEN score END), SUM(seconds) FROM pages "
                  u"WHERE day BETWEEN ? AND ?"_s);
        q.addBindValue(day(from));
        q.addBindValue(day(to));
        if (q.exec() && q.next()) {
            w.pages = q.value(0).toInt();
            w.items = q.value(1).toInt();
            w.averageScore = int(std::lround(q.value(2).toDouble()));
            w.minutes = minutesOf(q.value(3).toLongLong());
        }
        return w;
    };
    s.thisWeek = week(monday, today);
    s.lastWeek = week(monday.addDays(-7), monday.addDays(-1));

    QSqlQuery scores(db);
    if (scores.exec(u"SELECT score FROM (SELECT id, score FROM pages WHERE game = 0 "
                    u"ORDER BY id DESC LIMIT 30) ORDER BY id"_s))
        while (scores.next())
            s.lastScores.append(scores.value(0).toInt());

    QSqlQuery days(db);
    days.prepare(u"SELECT day, SUM(seconds) FROM pages WHERE day BETWEEN ? AND ? GROUP BY day"_s);
    days.addBindValue(day(today.addDays(-13)));
    days.addBindValue(day(today));
    QHash<QString, qint64> seconds;
    if (days.exec())
        while (days.next())
            seconds.insert(days.value(0).toString(), days.value(1).toLongLong());
    for (int i = 13; i >= 0; --i)
        s.minutesPerDay.append(minutesOf(seconds.value(day(today.addDays(-i)))));

    QSqlQuery topics(db);
    topics.prepare(u"SELECT node_text, COUNT(*), SUM(items), SUM(right_items) FROM pages "
                   u"WHERE game = 0 AND items > 0 AND day BETWEEN ? AND ? GROUP BY node_text"_s);
    topics.addBindValue(day(today.addDays(-29)));
    topics.addBindValue(day(today));
    if (topics.exec())
        while (topics.next())
            s.topics.append({topics.value(0).toString(), topics.value(1).toInt(),
                             topics.value(2).toInt(), topics.value(3).toInt()});
    std::stable_sort(
        s.topics.begin(), s.topics.end(), [](const TopicAccuracy &a, const TopicAccuracy &b) {
            // Weakest first; of equal ones, the most practised.
            return a.percent() != b.percent() ? a.percent() < b.percent() : a.items > b.items;
        });

    s.mistakes = pragma(db, u"SELECT COUNT(*) FROM mistakes"_s).toInt();
    return s;
}

QList<Mistake> SqlPracticeRecord::mistakes(int limit) const
{
    QList<Mistake> list;
    if (!m_open)
        return list;
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.prepare(u"SELECT id, question, expected FROM mistakes ORDER BY id LIMIT ?"_s);
    q.addBindValue(limit);
    if (q.exec())
        while (q.next())
            list.append({q.value(0).toLongLong(), q.value(1).toString(), q.value(2).toString()});
    return list;
}

QString SqlPracticeRecord::csv() const
{
    QString text = u"时间,页签,题目,题数,答对,得分,用时（秒）,帐户,题号,题目内容,正确答案,"
                   u"填写的答案,对错\r\n"_s;
    if (!m_open)
        return text;
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    if (!q.exec(u"SELECT p.finished, p.tab, p.node_text, p.items, p.right_items, p.score, "
                u"p.seconds, p.account, i.number, i.question, i.expected, i.typed, i.right "
                u"FROM pages p LEFT JOIN items i ON i.page_id = p.id ORDER BY p.id, i.number"_s))
        return text;
    while (q.next()) {
        QStringList fields;
        for (int c = 0; c < 8; ++c)
            fields.append(csvField(q.value(c).toString()));
        fields.last() = q.value(7).toString() == "advanced"_L1 ? u"高级帐户"_s : u"学生帐户"_s;
        if (q.value(8).isNull()) {
            fields += QStringList(5, QString());
        } else {
            for (int c = 8; c < 12; ++c)
                fields.append(csvField(q.value(c).toString()));
            fields.append(q.value(12).toInt() ? u"对"_s : u"错"_s);
        }
        text += fields.join(u',') + u"\r\n"_s;
    }
    return text;
}

} // namespace quorvel
