#include "page/textencoding.h"

#include <QStringDecoder>

#include <algorithm>

namespace quorvel {

TextEncoding detectEncoding(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return TextEncoding::Utf8;
    // GBK text read as UTF-8 gives about two damaged sequences a character
    // and hardly a well-formed one; UTF-8 text with a damaged end gives one.
    const qsizetype damaged =
        text.count(QChar::ReplacementCharacter) - bytes.count(QByteArrayView("\xEF\xBF\xBD"));
    const qsizetype wellFormed = std::count_if(text.cbegin(), text.cend(), [](QChar c) {
        return c.unicode() > 0x7F && c != QChar::ReplacementCharacter;
    });
    return wellFormed >= 4 * damaged ? TextEncoding::Utf8 : TextEncoding::Gbk;
}

QString decodeText(const QByteArray &bytes)
{
    if (detectEncoding(bytes) == TextEncoding::Gbk) {
        QStringDecoder gbk("GBK");
        if (gbk.isValid())
            return gbk.decode(bytes);
    }
    QString text =
        QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless).decode(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

} // namespace quorvel
