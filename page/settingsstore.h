#pragma once
// The per-user store of text values addressed by application, section and
// key. A missing value reads as the empty text.
#include <QHash>
#include <QString>

namespace quorvel {

class SettingsStore
{
public:
    virtual ~SettingsStore() = default;
    virtual QString read(const QString &application, const QString &section,
                         const QString &key) const = 0;
    // Returns false when the value could not be stored.
    virtual bool write(const QString &application, const QString &section, const QString &key,
                       const QString &value) = 0;
};

// The store kept in one UTF-8 text file, rewritten whole through QSaveFile on
// every write so a crash never leaves half a file. Groups are
// "[application/section]", values "key=value" with "\\", "\n", "\r" escaped.
class FileSettingsStore final : public SettingsStore
{
public:
    explicit FileSettingsStore(QString filePath);

    QString read(const QString &application, const QString &section,
                 const QString &key) const override;
    bool write(const QString &application, const QString &section, const QString &key,
               const QString &value) override;

    QString filePath() const { return m_filePath; }
    // Where the program keeps the store for the current user.
    static QString defaultFilePath();

private:
    void load();
    bool save() const;

    QString m_filePath;
    // group -> key -> value, in the order written (groups and keys are few)
    QList<std::pair<QString, QList<std::pair<QString, QString>>>> m_groups;
};

// An in-memory store for tests and the sheet tool.
class MemorySettingsStore final : public SettingsStore
{
public:
    QString read(const QString &application, const QString &section,
                 const QString &key) const override;
    bool write(const QString &application, const QString &section, const QString &key,
               const QString &value) override;

private:
    QHash<QString, QString> m_values;
};

} // namespace quorvel
