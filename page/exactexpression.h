#pragma once
// Exact evaluation of the arithmetic a child or a page author writes:
// numbers with decimals, + - * / and the signs − × ÷, brackets ( ) [ ] { },
// powers ^ with a whole exponent, and % after a number or a bracket.
// Full-width characters are read as their ASCII forms. The result is an
// exact fraction; text that is not such an expression gives nothing.
#include "page/rational.h"

#include <QList>
#include <QString>
#include <optional>

namespace quorvel {

// Folds full-width ASCII (０-９, ＋, （ …) and the ideographic space to their
// ASCII forms, and − to "-".
QString foldFullWidth(QStringView text);

// The value of the whole expression; nullopt when the text is not an
// expression or its arithmetic is undefined (a division by zero). When
// literals is given, it receives the numbers written in the text, in order.
std::optional<Rational> evaluateExact(QStringView expression, QList<Rational> *literals = nullptr);

// The number a text starts with, after leading spaces: "12个" gives 12,
// "-0.5" gives -1/2, "3/4" gives 3/4, "2又1/3" gives 7/3, "25%" gives 1/4.
// consumed, when given, receives the number of characters read.
std::optional<Rational> leadingNumber(QStringView text, qsizetype *consumed = nullptr);

} // namespace quorvel
