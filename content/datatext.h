#pragma once
// Reading the program folder's text files, in UTF-8 or GBK as the whole file
// shows (see page/textencoding.h).
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace quorvel {

QString decodeDataText(const QByteArray &bytes);

// Lines end at CR LF; a lone LF ends a line too. A final line end does not
// make an extra empty line.
QStringList splitDataLines(const QString &text);

} // namespace quorvel
