// Writing a transfer file whose curves hold 10^5 points in all: the
// records built in memory (four curves of 25000 points and the trailer),
// and apart from that the atomic save of those bytes with its fsync.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <string>

#include "platform/core/files.h"
#include "plots/canplot.h"
#include "plots/curvecolor.h"
#include "plots/printoptions.h"
#include "plots/transferfile.h"

namespace {

constexpr int curves = 4, pointspercurve = 25000;

struct polylines {
    plotcmdlist lists[curves];
    polylines()
    {
        for (int c = 0; c < curves; ++c)
            for (int i = 0; i < pointspercurve; ++i) {
                double x = 20000.0 * i / pointspercurve;
                double y = 10000 + 9000 * std::sin(x / 1000 + c);
                lists[c].append(i ? plotcmd::line : plotcmd::move, uint16_t(x + 1), uint16_t(y));
            }
    }
};

std::string transferbytes(const polylines& p)
{
    std::string out;
    for (int c = 0; c < curves; ++c) {
        putpen(out, 20, uint16_t(c));
        putpolyline(out, p.lists[c]);
    }
    puttrailer(out, {0, 1.5, 20, -1.5}, activeprintoptions());
    return out;
}

void writerecords(benchmark::State& state)
{
    makecurvecolors();
    polylines p;
    size_t size = 0;
    for (auto _ : state) {
        std::string bytes = transferbytes(p);
        size = bytes.size();
        benchmark::DoNotOptimize(bytes.data());
    }
    state.counters["bytes"] = double(size);
    dropcurvecolors();
}
BENCHMARK(writerecords)->Unit(benchmark::kMillisecond);

void atomicsave(benchmark::State& state)
{
    polylines p;
    std::string bytes = transferbytes(p);
    std::string path = (std::filesystem::temp_directory_path() / ("BENCH" + std::to_string(getpid()) + ".RKP")).string();
    for (auto _ : state)
        if (!savefile(path, bytes))
            state.SkipWithError("save failed");
    std::filesystem::remove(path);
}
BENCHMARK(atomicsave)->Unit(benchmark::kMillisecond);

}  // namespace
