#include "page/answermatch.h"

#include "page/exactexpression.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace quorvel {

QString foldedAnswer(const QString &text)
{
    QString folded = foldFullWidth(text);
    for (qsizetype i = 1; i + 1 < folded.size(); ++i)
        if (folded[i] == u'。' && folded[i - 1].isDigit() && folded[i + 1].isDigit())
            folded[i] = u'.';
    folded.removeIf([](QChar c) { return c.isSpace(); });
    return folded;
}

bool answersMatch(const QString &typed, const QString &key)
{
    if (typed == key)
        return true;
    const QString a = foldedAnswer(typed);
    const QString b = foldedAnswer(key);
    if (a == b)
        return !a.isEmpty();
    static const QRegularExpression plainNumber(u"^-?\\d+(\\.\\d+)?$"_s);
    if (!plainNumber.match(a).hasMatch() || !plainNumber.match(b).hasMatch())
        return false;
    const std::optional<Rational> x = evaluateExact(a);
    const std::optional<Rational> y = evaluateExact(b);
    return x && y && *x == *y;
}

} // namespace quorvel
