#include "topics/chinesenumerals.h"

using namespace Qt::StringLiterals;

namespace quorvel {

namespace {
constexpr char16_t digitNames[] = u"零一二三四五六七八九";

QString digitName(int d)
{
    return QString(QChar(digitNames[d]));
}
} // namespace

QString numHan(const QString &digit)
{
    if (digit.size() != 1 || digit[0] < u'0' || digit[0] > u'9')
        return {};
    return digitName(digit[0].unicode() - u'0');
}

QString biannumtoHan(int n)
{
    if (n < 0 || n > 999)
        return {};
    if (n < 10)
        return digitName(n);
    const int units = n % 10;
    const int tens = n / 10 % 10;
    if (n < 100) {
        QString text = tens == 1 ? u"十"_s : digitName(tens) + u"十"_s;
        return units ? text + digitName(units) : text;
    }
    QString text = digitName(n / 100) + u"百"_s;
    if (tens == 0)
        return units ? text + u"零"_s + digitName(units) : text;
    text += digitName(tens) + u"十"_s;
    return units ? text + digitName(units) : text;
}

int QiuZuiDaGongYueShu(int a, int b)
{
    while (b != 0) {
        const int r = a % b;
        a = b;
        b = r;
    }
    return a;
}

QString QiuYuShu(qint64 a, qint64 b)
{
    return b == 0 ? QString() : QString::number(a % b);
}

} // namespace quorvel
