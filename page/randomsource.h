#pragma once
// Uniform single-precision draws in [0, 1), the one source every generator
// uses. Seeded from the clock in the program; seeded by hand in tests and in
// the sheet tool, so a page can be reproduced.
#include <QtGlobal>
#include <cmath>

namespace quorvel {

class RandomSource
{
public:
    virtual ~RandomSource() = default;
    // A uniform draw r with 0 <= r < 1.
    virtual float next() = 0;

    // Int(r × k) + m: the largest integer not above r × k, plus m; for a
    // whole k this is m to m + k − 1.
    int below(double k, int m) { return static_cast<int>(std::floor(double(next()) * k)) + m; }
};

// xoshiro256** seeded through splitmix64: uniform, fast (the rarest drill
// ranges take over a hundred thousand draws a page) and reproducible.
class SeededRandom final : public RandomSource
{
public:
    explicit SeededRandom(quint64 seed);
    // Seeded from the clock and the system's entropy: varies between runs.
    static quint64 freshSeed();
    float next() override;

private:
    quint64 m_state[4];
};

} // namespace quorvel
