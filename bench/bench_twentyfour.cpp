// The 24-point solver over all 10,000 ordered deals: as the game calls it
// (each set of cards searched once), and the search alone for every deal.
#include "games/twentyfour.h"

#include <benchmark/benchmark.h>

namespace {

template <typename Solve> void solveEveryDeal(benchmark::State &state, Solve solve)
{
    qsizetype solutions = 0;
    for (auto _ : state) {
        solutions = 0;
        for (int a = 1; a <= 10; ++a)
            for (int b = 1; b <= 10; ++b)
                for (int c = 1; c <= 10; ++c)
                    for (int d = 1; d <= 10; ++d)
                        solutions += solve({a, b, c, d}).size();
        benchmark::DoNotOptimize(solutions);
    }
    state.counters["deals"] = 10000;
    state.counters["solutions"] = double(solutions);
    // Seconds per deal, shown with its unit prefix (u for microseconds).
    state.counters["per_deal"] =
        benchmark::Counter(10000.0 * double(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void Solve24_EveryDeal(benchmark::State &state)
{
    solveEveryDeal(state,
                   [](const std::array<int, 4> &deal) { return quorvel::twentyfour::solve(deal); });
}

} // namespace

// The search alone, every ordered deal searched anew.
void Search24_EveryDeal(benchmark::State &state)
{
    solveEveryDeal(
        state, [](const std::array<int, 4> &deal) { return quorvel::twentyfour::search(deal); });
}

BENCHMARK(Solve24_EveryDeal)->Unit(benchmark::kMillisecond);
BENCHMARK(Search24_EveryDeal)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
