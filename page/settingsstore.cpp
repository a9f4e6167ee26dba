#include "page/settingsstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace quorvel {

namespace {

QString groupName(const QString &application, const QString &section)
{
    return application + u'/' + section;
}

// Keys also escape "=" and "[", so a key never ends early or reads as a group.
QString escaped(const QString &text, bool isKey = false)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (isKey && (c == u'=' || c == u'['))
            out += u'\\', out += c;
        else if (c == u'\\')
            out += "\\\\"_L1;
        else if (c == u'\n')
            out += "\\n"_L1;
        else if (c == u'\r')
            out += "\\r"_L1;
        else
            out += c;
    }
    return out;
}

QString unescaped(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\\' && i + 1 < text.size()) {
            const QChar n = text[++i];
            out += n == u'n' ? QChar(u'\n') : n == u'r' ? QChar(u'\r') : n;
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace

FileSettingsStore::FileSettingsStore(QString filePath) : m_filePath(std::move(filePath))
{
    load();
}

QString FileSettingsStore::defaultFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + "/settings.ini"_L1;
}

void FileSettingsStore::load()
{
    QFile file(m_filePath);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QString text = QString::fromUtf8(file.readAll());
    decltype(m_groups)::value_type *group = nullptr;
    for (QStringView line : QStringView(text).split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            m_groups.append({line.mid(1, line.size() - 2).toString(), {}});
            group = &m_groups.last();
            continue;
        }
        qsizetype eq = -1;
        for (qsizetype i = 0; i < line.size(); ++i) {
            if (line[i] == u'\\')
                ++i;
            else if (line[i] == u'=') {
                eq = i;
                break;
            }
        }
        if (group && eq > 0)
            group->second.append({unescaped(line.left(eq)), unescaped(line.mid(eq + 1))});
    }
}

bool FileSettingsStore::save() const
{
    QString text;
    for (const auto &[name, values] : m_groups) {
        text += u'[' + name + "]\n"_L1;
        for (const auto &[key, value] : values)
            text += escaped(key, true) + u'=' + escaped(value) + u'\n';
    }
    QDir().mkpath(QFileInfo(m_filePath).absolutePath());
    QSaveFile file(m_filePath);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = text.toUtf8();
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QString FileSettingsStore::read(const QString &application, const QString &section,
                                const QString &key) const
{
    const QString name = groupName(application, section);
    for (const auto &[group, values] : m_groups) {
        if (group != name)
            continue;
        for (const auto &[k, v] : values)
            if (k == key)
                return v;
    }
    return {};
}

bool FileSettingsStore::write(const QString &application, const QString &section,
                              const QString &key, const QString &value)
{
    const QString name = groupName(application, section);
    auto group = std::find_if(m_groups.begin(), m_groups.end(),
                              [&](const auto &g) { return g.first == name; });
    if (group == m_groups.end()) {
        m_groups.append({name, {}});
        group = m_groups.end() - 1;
    }
    auto entry = std::find_if(group->second.begin(), group->second.end(),
                              [&](const auto &kv) { return kv.first == key; });
    if (entry == group->second.end())
        group->second.append({key, value});
    else
        entry->second = value;
    return save();
}

QString MemorySettingsStore::read(const QString &application, const QString &section,
                                  const QString &key) const
{
    return m_values.value(groupName(application, section) + u'\n' + key);
}

bool MemorySettingsStore::write(const QString &application, const QString &section,
                                const QString &key, const QString &value)
{
    m_values.insert(groupName(application, section) + u'\n' + key, value);
    return true;
}

} // namespace quorvel
