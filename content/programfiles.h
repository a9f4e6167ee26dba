#pragma once
// The program folder: help.htm and the data folders (zimu, 24, flash, sound,
// zsd, test, book, story, pic). Paths are relative to it and use "/".
#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>

namespace quorvel {

class ProgramFiles
{
public:
    virtual ~ProgramFiles() = default;
    // The whole file decoded as text (see decodeDataText); nullopt when it
    // cannot be read.
    virtual std::optional<QString> readText(const QString &relativePath) const = 0;
    // The file's first bytes, at most limit of them and one more, so that a
    // caller can tell a file that is too large without reading it all;
    // nullopt when it cannot be read.
    virtual std::optional<QByteArray> readBytes(const QString &relativePath,
                                                qint64 limit) const = 0;
    virtual bool exists(const QString &relativePath) const = 0;
    // Names of the files of a folder in file-name order, hidden files left
    // out; empty for a missing folder.
    virtual QStringList fileNames(const QString &relativeFolder) const = 0;
    // The absolute path a pane navigates to.
    virtual QString absolutePath(const QString &relativePath) const = 0;
    // Replaces a file as a whole: the old file stays until the new one is
    // complete. Returns false when it could not be written.
    virtual bool writeFile(const QString &relativePath, const QByteArray &bytes) = 0;

    // The lines of a text file; nullopt when it cannot be read.
    std::optional<QStringList> readLines(const QString &relativePath) const;
};

class DiskProgramFiles final : public ProgramFiles
{
public:
    explicit DiskProgramFiles(QString root);
    // The folder holding help.htm: beside the executable in the build tree,
    // or the installed data folder relative to it.
    static QString locate(const QString &executableDir);

    std::optional<QString> readText(const QString &relativePath) const override;
    std::optional<QByteArray> readBytes(const QString &relativePath, qint64 limit) const override;
    bool exists(const QString &relativePath) const override;
    QStringList fileNames(const QString &relativeFolder) const override;
    QString absolutePath(const QString &relativePath) const override;
    bool writeFile(const QString &relativePath, const QByteArray &bytes) override;
    QString root() const { return m_root; }

private:
    QString m_root;
};

// Files held in memory, for tests.
class MemoryProgramFiles final : public ProgramFiles
{
public:
    void addFile(const QString &relativePath, const QByteArray &bytes);

    std::optional<QString> readText(const QString &relativePath) const override;
    std::optional<QByteArray> readBytes(const QString &relativePath, qint64 limit) const override;
    bool exists(const QString &relativePath) const override;
    QStringList fileNames(const QString &relativeFolder) const override;
    QString absolutePath(const QString &relativePath) const override;
    bool writeFile(const QString &relativePath, const QByteArray &bytes) override;
    QByteArray bytes(const QString &relativePath) const { return m_files.value(relativePath); }
    // Makes every later write fail, as on a read-only program folder.
    bool readOnly = false;

private:
    QHash<QString, QByteArray> m_files;
};

} // namespace quorvel
