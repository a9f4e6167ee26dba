#include "page/numbertext.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace quorvel {

QString numberText(qint64 value)
{
    return QString::number(value);
}

QString numberText(int value)
{
    return QString::number(value);
}

namespace {

// Writes value rounded to `digits` significant digits in positional notation.
QString roundedPositional(double value, int digits)
{
    if (!std::isfinite(value))
        return QStringLiteral("0");
    if (value == 0.0)
        return QStringLiteral("0");

    // "%.*e" gives the correctly rounded digits and the decimal exponent.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", digits - 1, value);
    const QByteArray text(buffer);
    const int ePos = text.indexOf('e');
    const int exponent = std::atoi(text.constData() + ePos + 1);
    const bool negative = text.startsWith('-');

    QByteArray mantissa = text.left(ePos);
    if (negative)
        mantissa.remove(0, 1);
    mantissa.remove(1, 1); // the decimal point after the first digit
    while (mantissa.size() > 1 && mantissa.endsWith('0'))
        mantissa.chop(1);

    // The value is 0.mantissa × 10^(exponent + 1).
    const int pointPos = exponent + 1;
    QByteArray out;
    if (pointPos <= 0) {
        out = "0." + QByteArray(-pointPos, '0') + mantissa;
    } else if (pointPos >= mantissa.size()) {
        out = mantissa + QByteArray(pointPos - mantissa.size(), '0');
    } else {
        out = mantissa.left(pointPos) + '.' + mantissa.mid(pointPos);
    }
    if (negative && out != "0")
        out.prepend('-');
    return QString::fromLatin1(out);
}

} // namespace

QString numberText(double value)
{
    return roundedPositional(value, 15);
}

QString numberTextSingle(float value)
{
    return roundedPositional(static_cast<double>(value), 7);
}

QString decimalUnitsText(qint64 units, int places, bool keepPlaces)
{
    const bool negative = units < 0;
    const quint64 magnitude = negative ? quint64(-(units + 1)) + 1 : quint64(units);
    quint64 scale = 1;
    for (int i = 0; i < places; ++i)
        scale *= 10;
    QString text = QString::number(magnitude / scale);
    if (places > 0) {
        QString fraction = QString::number(magnitude % scale).rightJustified(places, u'0');
        if (!keepPlaces)
            while (fraction.endsWith(u'0'))
                fraction.chop(1);
        if (!fraction.isEmpty())
            text += u'.' + fraction;
    }
    return negative && (magnitude != 0) ? u'-' + text : text;
}

} // namespace quorvel
