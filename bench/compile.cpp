// Compile time of deeply nested calls, all refused at the compile stack:
// it should grow linearly with the length of the formula.
#include <benchmark/benchmark.h>

#include <string>

#include "formula/parser.h"

namespace {

void nestedcalls(benchmark::State& state)
{
    int levels = int(state.range(0));
    std::string text;
    for (int i = 0; i < levels; i++)
        text += "sin(";
    text += "1" + std::string(size_t(levels), ')');
    parser p;
    for (auto _ : state)
        benchmark::DoNotOptimize(p.compile(text.c_str(), nullptr, 3));
    state.SetComplexityN(levels);
}

}  // namespace

BENCHMARK(nestedcalls)->RangeMultiplier(10)->Range(1000, 1000000)->Complexity();
