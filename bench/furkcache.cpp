// A Runge-Kutta function call (the harmonic oscillator at t = 5, called
// as a formula calls it) served from the points its value table keeps,
// beside the same call after the table was reset, which integrates from
// the start point again.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "calculator/calcstart.h"
#include "calculator/furk.h"
#include "formula/parser.h"
#include "math/valtable.h"
#include "objects/librarylist.h"

namespace {

const char* const record =
    "osc\n1\n2\n@DATA\n@ARGS\nt\n@RKITERATOR\n@ORDER\n1\n@DIM\n2\n@IV\nt\n@FORMULA\nf.2, -f.1\n"
    "@INIVALSCONST\n0\n0\n1\n@END RKITERATOR\n@@END FURK\n";

struct oscillator {
    std::unique_ptr<parser> first;
    furk f;

    oscillator()
    {
        startcalculator();
        char pattern[] = "/tmp/vemobenchXXXXXX";
        setworkdirectory(mkdtemp(pattern));
        first = std::make_unique<parser>();   // the shared state, an empty context
        std::istringstream in(record);
        if (!f.learn(in) || !f.implement(1, 0))
            std::abort();
    }
};

oscillator& system()
{
    static oscillator s;
    return s;
}

void cached(benchmark::State& state)
{
    furk& f = system().f;
    double t = 5.0;
    f.tcalc(&t);
    for (auto _ : state) {
        double arg = t;
        benchmark::DoNotOptimize(f.tcalc(&arg));
    }
}
BENCHMARK(cached);

void fresh(benchmark::State& state)
{
    furk& f = system().f;
    for (auto _ : state) {
        f.table->reset();
        double arg = 5.0;
        benchmark::DoNotOptimize(f.tcalc(&arg));
    }
}
BENCHMARK(fresh);

}  // namespace
