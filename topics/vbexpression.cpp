#include "topics/vbexpression.h"

#include <muParser.h>

#include <cmath>
#include <stdexcept>

using namespace Qt::StringLiterals;

namespace quorvel {

namespace {

// VBScript rounds the operands of \ and Mod to whole numbers, halves to even.
double roundHalfEven(double v)
{
    return std::nearbyint(v); // the default rounding mode rounds halves to even
}

double integerDivide(double a, double b)
{
    const double d = roundHalfEven(b);
    if (d == 0)
        throw mu::ParserError("division by zero");
    return std::trunc(roundHalfEven(a) / d);
}

double modulo(double a, double b)
{
    const double d = roundHalfEven(b);
    if (d == 0)
        throw mu::ParserError("division by zero");
    return std::fmod(roundHalfEven(a), d); // the sign of the dividend
}

double divide(double a, double b)
{
    if (b == 0)
        throw mu::ParserError("division by zero");
    return a / b;
}

double add(double a, double b)
{
    return a + b;
}
double subtract(double a, double b)
{
    return a - b;
}
double multiply(double a, double b)
{
    return a * b;
}
double power(double a, double b)
{
    return std::pow(a, b);
}

// The built-in operators are replaced, so that \ and Mod can sit between
// * / and + − as in VBScript.
mu::Parser makeParser()
{
    mu::Parser parser;
    parser.EnableBuiltInOprt(false);
    parser.DefineOprtChars("+-*/^\\%");
    parser.DefineOprt("+", add, 1);
    parser.DefineOprt("-", subtract, 1);
    parser.DefineOprt("%", modulo, 2);
    parser.DefineOprt("\\", integerDivide, 3);
    parser.DefineOprt("*", multiply, 4);
    parser.DefineOprt("/", divide, 4);
    parser.DefineOprt("^", power, 7, mu::oaLEFT); // above the sign (6), left to right
    return parser;
}

} // namespace

std::optional<double> evaluateVbExpression(const QString &expression)
{
    QString text = expression;
    // "Mod" in any case becomes the parser's "%"; a "%" of the text itself is
    // no VBScript operator.
    if (text.contains(u'%'))
        return std::nullopt;
    text.replace(u"mod"_s, u" % "_s, Qt::CaseInsensitive);
    for (const QChar c : std::as_const(text))
        if (!c.isDigit() && !u"+-*/\\^%(). "_s.contains(c))
            return std::nullopt;
    try {
        static thread_local mu::Parser parser = makeParser();
        parser.SetExpr(text.toStdString());
        const double value = parser.Eval();
        if (!std::isfinite(value))
            return std::nullopt;
        return value;
    } catch (const mu::Parser::exception_type &) {
        return std::nullopt;
    }
}

} // namespace quorvel
