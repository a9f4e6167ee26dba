#include "content/programfiles.h"

#include "content/datatext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace quorvel {

std::optional<QStringList> ProgramFiles::readLines(const QString &relativePath) const
{
    const std::optional<QString> text = readText(relativePath);
    if (!text)
        return std::nullopt;
    return splitDataLines(*text);
}

DiskProgramFiles::DiskProgramFiles(QString root) : m_root(std::move(root)) {}

QString DiskProgramFiles::locate(const QString &executableDir)
{
    const QStringList candidates = {
        executableDir + "/data"_L1,
        executableDir + "/../share/quorvel"_L1,
        executableDir,
    };
    for (const QString &dir : candidates)
        if (QFileInfo::exists(dir + "/help.htm"_L1))
            return QDir(dir).canonicalPath();
    return QDir(candidates.first()).absolutePath();
}

std::optional<QString> DiskProgramFiles::readText(const QString &relativePath) const
{
    QFile file(absolutePath(relativePath));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return decodeDataText(file.readAll());
}

std::optional<QByteArray> DiskProgramFiles::readBytes(const QString &relativePath,
                                                      qint64 limit) const
{
    QFile file(absolutePath(relativePath));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.read(limit + 1);
}

bool DiskProgramFiles::exists(const QString &relativePath) const
{
    return QFileInfo(absolutePath(relativePath)).isFile();
}

QStringList DiskProgramFiles::fileNames(const QString &relativeFolder) const
{
    QDir dir(absolutePath(relativeFolder));
    QStringList names = dir.entryList(QDir::Files, QDir::NoSort);
    std::sort(names.begin(), names.end());
    return names;
}

QString DiskProgramFiles::absolutePath(const QString &relativePath) const
{
    QString relative = relativePath;
    relative.replace(u'\\', u'/');
    while (relative.startsWith(u'/'))
        relative.remove(0, 1);
    return relative.isEmpty() ? m_root : m_root + u'/' + relative;
}

bool DiskProgramFiles::writeFile(const QString &relativePath, const QByteArray &bytes)
{
    QSaveFile file(absolutePath(relativePath));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool MemoryProgramFiles::writeFile(const QString &relativePath, const QByteArray &bytes)
{
    if (readOnly)
        return false;
    m_files.insert(relativePath, bytes);
    return true;
}

void MemoryProgramFiles::addFile(const QString &relativePath, const QByteArray &bytes)
{
    m_files.insert(relativePath, bytes);
}

std::optional<QString> MemoryProgramFiles::readText(const QString &relativePath) const
{
    const auto it = m_files.constFind(relativePath);
    if (it == m_files.cend())
        return std::nullopt;
    return decodeDataText(*it);
}

std::optional<QByteArray> MemoryProgramFiles::readBytes(const QString &relativePath,
                                                        qint64 limit) const
{
    const auto it = m_files.constFind(relativePath);
    if (it == m_files.cend())
        return std::nullopt;
    return it->left(limit + 1);
}

bool MemoryProgramFiles::exists(const QString &relativePath) const
{
    return m_files.contains(relativePath);
}

QStringList MemoryProgramFiles::fileNames(const QString &relativeFolder) const
{
    const QString prefix = relativeFolder + u'/';
    QStringList names;
    for (auto it = m_files.cbegin(); it != m_files.cend(); ++it) {
        if (!it.key().startsWith(prefix))
            continue;
        const QString name = it.key().mid(prefix.size());
        if (!name.contains(u'/') && !name.startsWith(u'.'))
            names.append(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

QString MemoryProgramFiles::absolutePath(const QString &relativePath) const
{
    return "/program/"_L1 + relativePath;
}

} // namespace quorvel
