#pragma once
// An exact fraction of two 64-bit integers, kept in lowest terms with a
// positive denominator. Checks of answers and solutions use it so that
// 8/(3-8/3) is exactly 24. Arithmetic that would overflow or divide by zero
// gives the invalid value, which stays invalid and equals nothing, so a check
// never passes by accident.
#include <QString>
#include <cstdint>

namespace quorvel {

class Rational
{
public:
    constexpr Rational() = default;
    constexpr Rational(std::int64_t whole) : m_num(whole) {}
    // num/den in lowest terms; invalid for a zero denominator.
    static Rational fraction(std::int64_t num, std::int64_t den);
    static Rational invalid();

    bool isValid() const { return m_den != 0; }
    bool isInteger() const { return m_den == 1; }
    std::int64_t numerator() const { return m_num; }
    std::int64_t denominator() const { return m_den; }

    friend Rational operator+(Rational a, Rational b);
    friend Rational operator-(Rational a, Rational b);
    friend Rational operator*(Rational a, Rational b);
    friend Rational operator/(Rational a, Rational b);
    Rational operator-() const;
    // Raises to a whole, possibly negative, power.
    Rational power(std::int64_t exponent) const;
    // Rounds half away from zero to the given number of decimal places.
    Rational rounded(int places) const;

    friend bool operator==(Rational a, Rational b)
    {
        return a.isValid() && b.isValid() && a.m_num == b.m_num && a.m_den == b.m_den;
    }
    friend bool operator!=(Rational a, Rational b) { return !(a == b); }
    // Strict order of two valid values; false when either is invalid.
    friend bool operator<(Rational a, Rational b);

    // "3/4", "-2", "5"; "invalid" for the invalid value.
    QString toString() const;

private:
    static Rational fromWide(__int128 num, __int128 den);
    std::int64_t m_num = 0;
    std::int64_t m_den = 1;
};

} // namespace quorvel
