#include "app/core/passwordfile.h"

#include "content/datatext.h"

#include <QStringDecoder>
#include <QStringEncoder>

using namespace Qt::StringLiterals;

namespace quorvel::passwordfile {

namespace {

// The character of a GBK code held as a signed 16-bit number.
QString characterOfCode(qint16 code)
{
    const quint16 unsignedCode = quint16(code);
    QByteArray bytes;
    if (unsignedCode > 0xFF)
        bytes = QByteArray(1, char(unsignedCode >> 8)) + char(unsignedCode & 0xFF);
    else
        bytes = QByteArray(1, char(unsignedCode));
    QStringDecoder gbk("GBK");
    const QString text = gbk.decode(bytes);
    return gbk.hasError() ? QString() : text;
}

} // namespace

StoredPassword read(const QByteArray &bytes)
{
    const StoredPassword damaged{QString::fromUtf16(initialPassword), true};
    if (bytes.isEmpty() || bytes.size() > largestFile)
        return damaged;
    QString text = decodeDataText(bytes);
    text.replace("\r\n"_L1, "\n"_L1);
    text.replace(u'\r', u'\n');

    StoredPassword stored;
    bool onlyLineEnds = true;
    qsizetype position = 0;
    for (;;) {
        const qsizetype end = text.indexOf(u'\n', position);
        if (end < 0)
            break; // text after the last line end is not part of the password
        const QString line = text.mid(position, end - position);
        position = end + 1;
        if (line.isEmpty())
            continue;
        onlyLineEnds = false;
        bool ok = false;
        const int value = line.trimmed().toInt(&ok);
        if (!ok || value - 7 < -32768 || value - 7 > 32767)
            continue;
        stored.password += characterOfCode(qint16(value - 7));
    }
    if (position < text.size())
        onlyLineEnds = false;
    if (stored.password.isEmpty() && !onlyLineEnds)
        return damaged;
    return stored;
}

std::optional<QByteArray> encode(const QString &password)
{
    QByteArray file;
    QStringEncoder gbk("GBK");
    for (qsizetype i = 0; i < password.size(); ++i) {
        // A character outside the basic plane is two UTF-16 units.
        const qsizetype length = password[i].isHighSurrogate() ? 2 : 1;
        const QByteArray bytes = gbk.encode(QStringView(password).mid(i, length));
        i += length - 1;
        if (gbk.hasError() || bytes.isEmpty() || bytes.size() > 2)
            return std::nullopt;
        const qint16 code = bytes.size() == 1
                                ? qint16(quint8(bytes[0]))
                                : qint16(quint16(quint8(bytes[0])) << 8 | quint8(bytes[1]));
        file += QByteArray::number(int(code) + 7) + "\r\n";
    }
    file += "\r\n";
    return file;
}

} // namespace quorvel::passwordfile
