#include "page/settingsstore.h"

#include "page/textencoding.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace quorvel {

IniSettingsStore::IniSettingsStore(QString folder) : m_folder(std::move(folder)) {}

IniSettingsStore::~IniSettingsStore() = default;

namespace {

// QSettings reads INI files as UTF-8 only: a file in GBK would lose every
// Chinese record at the next write. Such a file is rewritten in UTF-8 first,
// and its original bytes kept beside it.
void convertFromGbk(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = file.readAll();
    file.close();
    if (detectEncoding(bytes) != TextEncoding::Gbk)
        return;
    const QString text = decodeText(bytes);
    const QString original = path + ".gbk"_L1;
    if (!QFile::exists(original) && !QFile::copy(path, original))
        return;
    QSaveFile converted(path);
    if (converted.open(QIODevice::WriteOnly)) {
        converted.write(text.toUtf8());
        converted.commit();
    }
}

} // namespace

QSettings &IniSettingsStore::settingsFor(const QString &application) const
{
    std::unique_ptr<QSettings> &settings = m_files[application];
    if (!settings) {
        convertFromGbk(filePath(application));
        settings = std::make_unique<QSettings>(filePath(application), QSettings::IniFormat);
    }
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
    if (settings.status() == QSettings::FormatError) {
        // The error is from reading a damaged file (a byte order mark, a line
        // without "="), and QSettings keeps reporting its first error. The
        // sync has just written the file whole, so a fresh reader says
        // whether the value really is on disk.
        m_files.erase(application);
        return read(application, section, key) == value && settingsFor(application).isWritable();
    }
    return settings.status() == QSettings::NoError && settings.isWritable();
}

QStringList IniSettingsStore::keys(const QString &application, const QString &section) const
{
    QSettings &settings = settingsFor(application);
    settings.beginGroup(section);
    const QStringList keys = settings.childKeys();
    settings.endGroup();
    return keys;
}

QString MemorySettingsStore::read(const QString &application, const QString &section,
                                  const QString &key) const
{
    return m_values.value(application + u'/' + section + u'\n' + key);
}

QStringList MemorySettingsStore::keys(const QString &application, const QString &section) const
{
    const QString prefix = application + u'/' + section + u'\n';
    QStringList keys;
    for (auto it = m_values.cbegin(); it != m_values.cend(); ++it)
        if (it.key().startsWith(prefix))
            keys.append(it.key().mid(prefix.size()));
    return keys;
}

bool MemorySettingsStore::write(const QString &application, const QString &section,
                                const QString &key, const QString &value)
{
    m_values.insert(application + u'/' + section + u'\n' + key, value);
    return true;
}

} // namespace quorvel
