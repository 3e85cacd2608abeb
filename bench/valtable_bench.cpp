// Value tables: filling a table as an integration does (a thinnable point
// per step, thinning at 1000) and looking points up in the order of a
// sampling run (ascending, from the cached position) and at random.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "math/valtable.h"

namespace {

void filled(valtable& t, int n)
{
    t.startvector[0] = 0;
    t.flush();
    double v[4] = {0, 1, 2, 3};
    for (int i = 1; i <= n; i++) {
        v[0] = i * 0.01;
        t.append(v, 1, 0, 0.005);
    }
}

void appendsteps(benchmark::State& state)
{
    for (auto _ : state) {
        valtable t(4);
        filled(t, int(state.range(0)));
        benchmark::DoNotOptimize(t.count());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(appendsteps)->Arg(1000)->Arg(10000);

void lookups(benchmark::State& state, bool ascending)
{
    valtable t(4);
    filled(t, 999);
    std::vector<double> xs(4096);
    std::mt19937 rng(1);
    for (size_t i = 0; i < xs.size(); i++)
        xs[i] = ascending ? 10.0 * i / xs.size() : std::uniform_real_distribution<double>(0, 10)(rng);
    const double* v = nullptr;
    double direction = 0;
    for (auto _ : state)
        for (double x : xs) {
            t.lookup(x, v, direction);
            benchmark::DoNotOptimize(v);
        }
    state.SetItemsProcessed(state.iterations() * int64_t(xs.size()));
}
BENCHMARK_CAPTURE(lookups, ascending, true);
BENCHMARK_CAPTURE(lookups, random, false);

}  // namespace
