#include "page/randomsource.h"

#include <chrono>
#include <random>

namespace quorvel {

namespace {

quint64 splitMix64(quint64 &x)
{
    quint64 z = (x += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

constexpr quint64 rotateLeft(quint64 x, int k)
{
    return (x << k) | (x >> (64 - k));
}

} // namespace

SeededRandom::SeededRandom(quint64 seed)
{
    for (quint64 &word : m_state)
        word = splitMix64(seed);
}

quint64 SeededRandom::freshSeed()
{
    std::random_device device;
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    return (quint64(device()) << 32) ^ quint64(now);
}

float SeededRandom::next()
{
    const quint64 result = rotateLeft(m_state[1] * 5, 7) * 9;
    const quint64 t = m_state[1] << 17;
    m_state[2] ^= m_state[0];
    m_state[3] ^= m_state[1];
    m_state[1] ^= m_state[2];
    m_state[0] ^= m_state[3];
    m_state[2] ^= t;
    m_state[3] = rotateLeft(m_state[3], 45);
    // 24 random bits scaled by 2^-24 are exact in a float and never reach 1.
    return float(result >> 40) * (1.0f / 16777216.0f);
}

} // namespace quorvel
