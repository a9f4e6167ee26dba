#pragma once
// Arithmetic expressions as the word-problem templates write them, with the
// meaning VBScript gives them: + − * / and parentheses, "\" integer division
// and "Mod" on operands rounded to whole numbers, "^" for powers. Precedence
// from high to low: ^, the sign, * and /, \, Mod, + and −.
#include <QString>
#include <optional>

namespace quorvel {

// The value, or nullopt for text that is no such expression, a division by
// zero, or a result that is not a finite number.
std::optional<double> evaluateVbExpression(const QString &expression);

} // namespace quorvel
