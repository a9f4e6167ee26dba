#include "page/exactexpression.h"

using namespace Qt::StringLiterals;

namespace quorvel {

QString foldFullWidth(QStringView text)
{
    QString folded;
    folded.reserve(text.size());
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= 0xFF01 && u <= 0xFF5E)
            folded.append(QChar(char16_t(u - 0xFEE0)));
        else if (u == 0x3000)
            folded.append(u' ');
        else if (u == 0x2212) // minus sign
            folded.append(u'-');
        else
            folded.append(c);
    }
    return folded;
}

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Reads digits with an optional decimal part at pos.
std::optional<Rational> readDecimal(QStringView s, qsizetype &pos)
{
    const qsizetype start = pos;
    Rational value = 0;
    while (pos < s.size() && isDigit(s[pos])) {
        value = value * 10 + (s[pos].unicode() - u'0');
        ++pos;
    }
    if (pos == start)
        return std::nullopt;
    if (pos + 1 < s.size() && s[pos] == u'.' && isDigit(s[pos + 1])) {
        ++pos;
        Rational scale = 1;
        while (pos < s.size() && isDigit(s[pos])) {
            scale = scale / 10;
            value = value + scale * (s[pos].unicode() - u'0');
            ++pos;
        }
    }
    if (!value.isValid())
        return std::nullopt;
    return value;
}

class Parser
{
public:
    Parser(QStringView text, QList<Rational> *literals) : m_s(text), m_literals(literals) {}

    std::optional<Rational> parse()
    {
        std::optional<Rational> v = sum();
        skipSpaces();
        if (!v || m_pos != m_s.size() || !v->isValid())
            return std::nullopt;
        return v;
    }

private:
    void skipSpaces()
    {
        while (m_pos < m_s.size() && m_s[m_pos].isSpace())
            ++m_pos;
    }
    QChar peek()
    {
        skipSpaces();
        return m_pos < m_s.size() ? m_s[m_pos] : QChar();
    }

    std::optional<Rational> sum()
    {
        std::optional<Rational> left = product();
        while (left) {
            const QChar c = peek();
            if (c != u'+' && c != u'-')
                break;
            ++m_pos;
            const std::optional<Rational> right = product();
            if (!right)
                return std::nullopt;
            left = c == u'+' ? *left + *right : *left - *right;
        }
        return left;
    }

    std::optional<Rational> product()
    {
        std::optional<Rational> left = signedPower();
        while (left) {
            const QChar c = peek();
            const bool times = c == u'*' || c == u'×';
            const bool divide = c == u'/' || c == u'÷';
            if (!times && !divide)
                break;
            ++m_pos;
            const std::optional<Rational> right = signedPower();
            if (!right)
                return std::nullopt;
            left = times ? *left * *right : *left / *right;
        }
        return left;
    }

    std::optional<Rational> signedPower()
    {
        const QChar c = peek();
        if (c == u'-' || c == u'+') {
            ++m_pos;
            const std::optional<Rational> v = signedPower();
            if (!v)
                return std::nullopt;
            return c == u'-' ? -*v : *v;
        }
        std::optional<Rational> base = percent();
        if (base && peek() == u'^') {
            ++m_pos;
            const std::optional<Rational> exponent = signedPower();
            if (!exponent || !exponent->isInteger())
                return std::nullopt;
            return base->power(exponent->numerator());
        }
        return base;
    }

    std::optional<Rational> percent()
    {
        std::optional<Rational> v = primary();
        while (v && peek() == u'%') {
            ++m_pos;
            v = *v / 100;
        }
        return v;
    }

    std::optional<Rational> primary()
    {
        const QChar c = peek();
        static const QString opening = u"([{"_s;
        static const QString closing = u")]}"_s;
        const qsizetype bracket = opening.indexOf(c);
        if (bracket >= 0) {
            ++m_pos;
            const std::optional<Rational> v = sum();
            if (!v || peek() != closing[bracket])
                return std::nullopt;
            ++m_pos;
            return v;
        }
        std::optional<Rational> number = readDecimal(m_s, m_pos);
        if (number && m_literals)
            m_literals->append(*number);
        return number;
    }

    QStringView m_s;
    qsizetype m_pos = 0;
    QList<Rational> *m_literals;
};

} // namespace

std::optional<Rational> evaluateExact(QStringView expression, QList<Rational> *literals)
{
    const QString folded = foldFullWidth(expression);
    if (literals)
        literals->clear();
    return Parser(folded, literals).parse();
}

std::optional<Rational> leadingNumber(QStringView text, qsizetype *consumed)
{
    const QString s = foldFullWidth(text);
    qsizetype pos = 0;
    while (pos < s.size() && s[pos].isSpace())
        ++pos;
    bool negative = false;
    if (pos < s.size() && s[pos] == u'-') {
        negative = true;
        ++pos;
    }
    std::optional<Rational> value = readDecimal(s, pos);
    if (!value)
        return std::nullopt;
    // A mixed number: whole part, "又", then a fraction.
    if (pos < s.size() && s[pos] == u'又' && value->isInteger()) {
        qsizetype p = pos + 1;
        const std::optional<Rational> top = readDecimal(s, p);
        if (top && p < s.size() && s[p] == u'/') {
            ++p;
            const std::optional<Rational> bottom = readDecimal(s, p);
            if (bottom && *bottom != 0) {
                value = *value + *top / *bottom;
                pos = p;
            }
        }
    } else if (pos + 1 < s.size() && s[pos] == u'/' && isDigit(s[pos + 1])) {
        qsizetype p = pos + 1;
        const std::optional<Rational> bottom = readDecimal(s, p);
        if (bottom && *bottom != 0) {
            value = *value / *bottom;
            pos = p;
        }
    }
    if (pos < s.size() && s[pos] == u'%') {
        value = *value / 100;
        ++pos;
    }
    if (consumed)
        *consumed = pos;
    if (!value->isValid())
        return std::nullopt;
    return negative ? -*value : *value;
}

} // namespace quorvel
