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

    // No child earns more medals than this; a larger count is damaged.
    static constexpr int largestCount = 100000;

    // Reads the count: the leading digits of key "num". A count that is
    // missing, not a number, negative or too large is rebuilt from the
    // records stored, and a count below the highest record stored rises to
    // it, so that no award ever overwrites an earlier medal's record.
    int load();
    int count() const { return m_count; }

    // The medal page: the rule sentence, then the count and a row per medal,
    // the records written as text.
    QString pageText() const;

    // Counts one more medal and stores its record; false when the store
    // could not be written (the medal still counts for this run). The count
    // is read anew first, so another running copy's medals are kept.
    bool award(const QString &record);

    // The record of a medal: parent text "/" node text "-->用时" seconds
    // "秒！-->" date.
    static QString record(const QString &parentText, const QString &nodeText, int seconds,
                          const QString &date);

    static QString recordKey(int k);

private:
    int highestRecord() const;

    SettingsStore &m_store;
    int m_count = 0;
};

// The leading decimal digits of text as a count; 0 when there are none or
// the count is larger than any a child earns.
int leadingCount(const QString &text);

} // namespace quorvel
