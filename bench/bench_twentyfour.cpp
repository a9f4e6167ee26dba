// The 24-point solver over all 10,000 ordered deals, each solved from
// scratch: the program's solver, and the plain way that carries a text with
// every candidate, for comparison.
#include "games/twentyfour.h"
#include "reference24.h"

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

void Solve24_EveryDeal_PlainWay(benchmark::State &state)
{
    solveEveryDeal(state, [](const std::array<int, 4> &deal) { return reference24::solve(deal); });
}

} // namespace

BENCHMARK(Solve24_EveryDeal)->Unit(benchmark::kMillisecond);
BENCHMARK(Solve24_EveryDeal_PlainWay)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
