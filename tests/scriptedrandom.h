#pragma once
// A random source that draws exactly the numbers a test queues, for pages
// with known items; once the queue is empty it draws 0.5, or from a seeded
// source when given a seed.
#include "page/randomsource.h"

#include <QList>

#include <deque>
#include <optional>

class ScriptedRandom final : public quorvel::RandomSource
{
public:
    ScriptedRandom() = default;
    explicit ScriptedRandom(quint64 seed) : m_rest(std::in_place, seed) {}
    // Draws these, then seeded draws, counting how many were wanted beyond.
    explicit ScriptedRandom(const QList<float> &queued, quint64 seed = 1)
        : draws(queued.cbegin(), queued.cend()), m_rest(std::in_place, seed),
          m_queued(queued.size())
    {
    }

    float next() override
    {
        if (stuck)
            return 0.0f;
        if (draws.empty()) {
            ++m_overrun;
            return m_rest ? m_rest->next() : 0.5f;
        }
        ++m_used;
        const float r = draws.front();
        draws.pop_front();
        return r;
    }
    qsizetype used() const { return m_used; }
    int overrun() const { return m_overrun; }
    qsizetype queued() const { return m_queued; }

    // Queues the draw r with Int(r × k) + m = value.
    void push(int value, int k, int m) { draws.push_back(k > 0 ? (value - m + 0.5f) / k : 0.5f); }
    // Queues draws given as (value, k, m) triples.
    void push(const QList<int> &triples)
    {
        for (qsizetype i = 0; i + 2 < triples.size(); i += 3)
            push(triples[i], triples[i + 1], triples[i + 2]);
    }

    std::deque<float> draws;
    bool stuck = false; // every draw 0: a source that keeps repeating itself

private:
    std::optional<quorvel::SeededRandom> m_rest;
    qsizetype m_used = 0;
    int m_overrun = 0;
    qsizetype m_queued = 0;
};
