#pragma once
// Whether four cards make 24, found a second way for the tests: every order
// of the cards, each of the five bracket shapes of four operands, every
// choice of the three signs, in exact fractions. The program's solver
// combines pairs instead; the two must agree on every set of cards.
#include "page/rational.h"

#include <algorithm>
#include <array>

namespace reference24 {

inline quorvel::Rational apply(int op, quorvel::Rational x, quorvel::Rational y)
{
    switch (op) {
    case 0:
        return x + y;
    case 1:
        return x - y;
    case 2:
        return x * y;
    default:
        return x / y; // invalid when y is 0, and invalid stays invalid
    }
}

inline bool makes24(std::array<int, 4> cards)
{
    using quorvel::Rational;
    std::sort(cards.begin(), cards.end());
    do {
        const Rational a = cards[0], b = cards[1], c = cards[2], d = cards[3];
        for (int x = 0; x < 4; ++x)
            for (int y = 0; y < 4; ++y)
                for (int z = 0; z < 4; ++z) {
                    const Rational shapes[5] = {
                        apply(z, apply(y, apply(x, a, b), c), d), // ((a b) c) d
                        apply(z, apply(x, a, apply(y, b, c)), d), // (a (b c)) d
                        apply(z, apply(x, a, b), apply(y, c, d)), // (a b) (c d)
                        apply(x, a, apply(z, apply(y, b, c), d)), // a ((b c) d)
                        apply(x, a, apply(y, b, apply(z, c, d))), // a (b (c d))
                    };
                    for (const Rational &value : shapes)
                        if (value == Rational(24))
                            return true;
                }
    } while (std::next_permutation(cards.begin(), cards.end()));
    return false;
}

} // namespace reference24
