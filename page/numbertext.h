#pragma once
// The one rule for writing numbers into pages and answer tags: children type
// exactly this text, and the grader compares it letter for letter.
#include <QString>
#include <QtGlobal>

namespace quorvel {

// Plain decimal digits, a leading "-" for negatives.
QString numberText(qint64 value);
QString numberText(int value);

// Shortest decimal form of the value rounded to 15 significant digits: no
// exponent, no grouping, "0.4" not ".4", a whole value written as an integer.
QString numberText(double value);

// Values held in single precision carry at most seven significant digits.
QString numberTextSingle(float value);

// The exact value units × 10^-places. With keepPlaces every place is
// written, as an answer rounded to that many places is ("1.10", "34.00");
// otherwise the number text of the value ("1.1", "34").
QString decimalUnitsText(qint64 units, int places, bool keepPlaces);

} // namespace quorvel
