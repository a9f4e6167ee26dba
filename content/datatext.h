#pragma once
// Reading the program folder's text files: UTF-8 (with or without a byte
// order mark) when the bytes are valid UTF-8, otherwise the Chinese code page
// GBK, as older copies of the files are written.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace quorvel {

QString decodeDataText(const QByteArray &bytes);

// Lines end at CR LF; a lone LF ends a line too. A final line end does not
// make an extra empty line.
QStringList splitDataLines(const QString &text);

} // namespace quorvel
