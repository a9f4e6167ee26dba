#pragma once
// The medals a child has earned: the count and one record per medal, kept in
// the settings store under application "mbqzt", section "jb".
#include <QString>

namespace quorvel {

class SettingsStore;

class MedalBook
{
public:
    explicit MedalBook(SettingsStore &store) : m_store(store) {}

    // Reads key "num": its leading digits as the count; a missing, empty,
    // non-numeric or negative value counts as 0.
    int load();
    int count() const { return m_count; }

    // The medal page: the rule sentence, then the count and a row per medal.
    QString pageText() const;

    // Counts one more medal and stores its record; false when the store
    // could not be written (the medal still counts for this run).
    bool award(const QString &record);

    // The record of a medal: parent text "/" node text "-->用时" seconds
    // "秒！-->" date.
    static QString record(const QString &parentText, const QString &nodeText, int seconds,
                          const QString &date);

    static QString recordKey(int k);

private:
    SettingsStore &m_store;
    int m_count = 0;
};

// The leading decimal digits of text as a count; 0 when there are none.
int leadingCount(const QString &text);

} // namespace quorvel
