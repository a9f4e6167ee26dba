#include "page/randomsource.h"

#include <chrono>

namespace quorvel {

SeededRandom::SeededRandom(quint64 seed) : m_engine(seed) {}

quint64 SeededRandom::freshSeed()
{
    std::random_device device;
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    return (quint64(device()) << 32) ^ quint64(now);
}

float SeededRandom::next()
{
    // 24 random bits scaled by 2^-24 are exact in a float and never reach 1.
    return float(m_engine() >> 40) * (1.0f / 16777216.0f);
}

} // namespace quorvel
