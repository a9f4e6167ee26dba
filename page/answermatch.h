#pragma once
// Whether what a child typed is the answer a page's key holds. Before the
// comparison both are folded: full-width letters, digits and signs are read
// as their ASCII forms, a "。" between digits as ".", and spaces are dropped.
// When both are then plain decimal numbers they compare as numbers, so 2.80
// is 2.8 and 28.0 is 28; any other key (a fraction that must be reduced, a
// factorisation, an answer with its unit, Chinese numerals) compares as text.
#include <QString>

namespace quorvel {

QString foldedAnswer(const QString &text);

bool answersMatch(const QString &typed, const QString &key);

} // namespace quorvel
