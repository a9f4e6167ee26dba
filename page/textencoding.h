#pragma once
// The code of a text file decided on the file as a whole: UTF-8 (with or
// without a byte order mark) when the bytes are UTF-8 at large, a few damaged
// sequences (a copy cut inside its last character) becoming U+FFFD; the
// Chinese code page GBK, as older copies of the files are written, only when
// they are not.
#include <QByteArray>
#include <QString>

namespace quorvel {

enum class TextEncoding
{
    Utf8,
    Gbk,
};

TextEncoding detectEncoding(const QByteArray &bytes);

// The text of the bytes in the encoding detectEncoding finds, without a byte
// order mark.
QString decodeText(const QByteArray &bytes);

} // namespace quorvel
