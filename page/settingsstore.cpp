#include "page/settingsstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace quorvel {

IniSettingsStore::IniSettingsStore(QString folder) : m_folder(std::move(folder)) {}

IniSettingsStore::~IniSettingsStore() = default;

QSettings &IniSettingsStore::settingsFor(const QString &application) const
{
    std::unique_ptr<QSettings> &settings = m_files[application];
    if (!settings)
        settings = std::make_unique<QSettings>(filePath(application), QSettings::IniFormat);
    return *settings;
}

QString IniSettingsStore::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
}

QString IniSettingsStore::filePath(const QString &application) const
{
    return m_folder + u'/' + application + ".ini"_L1;
}

QString IniSettingsStore::read(const QString &application, const QString &section,
                               const QString &key) const
{
    QSettings &settings = settingsFor(application);
    return settings.value(section + u'/' + key).toString();
}

bool IniSettingsStore::write(const QString &application, const QString &section, const QString &key,
                             const QString &value)
{
    if (!QDir().mkpath(m_folder))
        return false;
    QSettings &settings = settingsFor(application);
    settings.setValue(section + u'/' + key, value);
    settings.sync();
    return settings.status() == QSettings::NoError && settings.isWritable();
}

QString MemorySettingsStore::read(const QString &application, const QString &section,
                                  const QString &key) const
{
    return m_values.value(application + u'/' + section + u'\n' + key);
}

bool MemorySettingsStore::write(const QString &application, const QString &section,
                                const QString &key, const QString &value)
{
    m_values.insert(application + u'/' + section + u'\n' + key, value);
    return true;
}

} // namespace quorvel
