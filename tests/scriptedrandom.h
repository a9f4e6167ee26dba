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

    float next() override
    {
        if (stuck)
            return 0.0f;
        if (draws.empty())
            return m_rest ? m_rest->next() : 0.5f;
        const float r = draws.front();
        draws.pop_front();
        return r;
    }

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
};
