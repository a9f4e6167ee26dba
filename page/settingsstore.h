#pragma once
// The per-user store of text values addressed by application, section and
// key. A missing value reads as the empty text.
#include <QHash>
#include <QString>
#include <QStringList>

#include <map>
#include <memory>

class QSettings;

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
    // The keys that hold a value in a section.
    virtual QStringList keys(const QString &application, const QString &section) const = 0;
};

// The store as INI files in the user's configuration folder, one file per
// application ("mbqzt.ini"), sections as INI groups. Every write is synced to
// disk at once (QSettings replaces the file whole), so a crash right after it
// loses nothing; a write that did not reach the disk returns false. A file
// in the Chinese code page GBK (as older copies wrote it) is read as such and
// rewritten in UTF-8, its original kept beside it as ".gbk".
class IniSettingsStore final : public SettingsStore
{
public:
    explicit IniSettingsStore(QString folder);
    ~IniSettingsStore() override;

    QString read(const QString &application, const QString &section,
                 const QString &key) const override;
    bool write(const QString &application, const QString &section, const QString &key,
               const QString &value) override;
    QStringList keys(const QString &application, const QString &section) const override;

    QString filePath(const QString &application) const;
    // The folder the program keeps the store in for the current user.
    static QString defaultFolder();

private:
    QSettings &settingsFor(const QString &application) const;

    QString m_folder;
    mutable std::map<QString, std::unique_ptr<QSettings>> m_files;
};

// An in-memory store for tests and the sheet tool.
class MemorySettingsStore final : public SettingsStore
{
public:
    QString read(const QString &application, const QString &section,
                 const QString &key) const override;
    bool write(const QString &application, const QString &section, const QString &key,
               const QString &value) override;
    QStringList keys(const QString &application, const QString &section) const override;

private:
    QHash<QString, QString> m_values;
};

} // namespace quorvel
