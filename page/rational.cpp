#include "page/rational.h"

#include <limits>

using namespace Qt::StringLiterals;

namespace quorvel {

namespace {

__int128 gcdWide(__int128 a, __int128 b)
{
    if (a < 0)
        a = -a;
    if (b < 0)
        b = -b;
    while (b != 0) {
        const __int128 r = a % b;
        a = b;
        b = r;
    }
    return a;
}

bool fits(__int128 v)
{
    return v >= std::numeric_limits<std::int64_t>::min() + 1 &&
           v <= std::numeric_limits<std::int64_t>::max();
}

} // namespace

Rational Rational::invalid()
{
    Rational r;
    r.m_den = 0;
    return r;
}

Rational Rational::fromWide(__int128 num, __int128 den)
{
    if (den == 0)
        return invalid();
    if (den < 0) {
        num = -num;
        den = -den;
    }
    const __int128 g = gcdWide(num, den);
    if (g > 1) {
        num /= g;
        den /= g;
    }
    if (!fits(num) || !fits(den))
        return invalid();
    Rational r;
    r.m_num = std::int64_t(num);
    r.m_den = std::int64_t(den);
    return r;
}

Rational Rational::fraction(std::int64_t num, std::int64_t den)
{
    return fromWide(num, den);
}

Rational operator+(Rational a, Rational b)
{
    if (!a.isValid() || !b.isValid())
        return Rational::invalid();
    return Rational::fromWide(__int128(a.m_num) * b.m_den + __int128(b.m_num) * a.m_den,
                              __int128(a.m_den) * b.m_den);
}

Rational operator-(Rational a, Rational b)
{
    return a + (-b);
}

Rational operator*(Rational a, Rational b)
{
    if (!a.isValid() || !b.isValid())
        return Rational::invalid();
    return Rational::fromWide(__int128(a.m_num) * b.m_num, __int128(a.m_den) * b.m_den);
}

Rational operator/(Rational a, Rational b)
{
    if (!a.isValid() || !b.isValid() || b.m_num == 0)
        return Rational::invalid();
    return Rational::fromWide(__int128(a.m_num) * b.m_den, __int128(a.m_den) * b.m_num);
}

Rational Rational::operator-() const
{
    if (!isValid())
        return *this;
    Rational r = *this;
    r.m_num = -m_num;
    return r;
}

bool operator<(Rational a, Rational b)
{
    if (!a.isValid() || !b.isValid())
        return false;
    return __int128(a.m_num) * b.m_den < __int128(b.m_num) * a.m_den;
}

Rational Rational::power(std::int64_t exponent) const
{
    if (!isValid() || exponent > 64 || exponent < -64)
        return invalid();
    Rational result = 1;
    const Rational base = exponent < 0 ? Rational(1) / *this : *this;
    for (std::int64_t i = 0; i < (exponent < 0 ? -exponent : exponent); ++i)
        result = result * base;
    return result;
}

Rational Rational::rounded(int places) const
{
    if (!isValid() || places < 0 || places > 15)
        return invalid();
    __int128 scale = 1;
    for (int i = 0; i < places; ++i)
        scale *= 10;
    const __int128 scaled = __int128(m_num) * scale;
    const __int128 whole = scaled / m_den;
    const __int128 rest = scaled % m_den;
    __int128 q = whole;
    // Half away from zero, as rounding to places is taught.
    const __int128 twice = (rest < 0 ? -rest : rest) * 2;
    if (twice >= m_den)
        q += scaled < 0 ? -1 : 1;
    return fromWide(q, scale);
}

QString Rational::toString() const
{
    if (!isValid())
        return u"invalid"_s;
    if (m_den == 1)
        return QString::number(m_num);
    return QString::number(m_num) + u'/' + QString::number(m_den);
}

} // namespace quorvel
