// The export encoders: GIF compression of plot-like and noisy rasters
// (pixels per second), BMP writing beside a plain memory copy of the same
// bytes, both at A4 and 300 dpi.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstring>
#include <random>
#include <unistd.h>

#include "vemdraw/bmpwriter.h"
#include "vemdraw/dibholder.h"
#include "vemdraw/gifwriter.h"

namespace {

constexpr uint32_t a4width = 2480, a4height = 3508;

// White paper with a grid every 40 pixels and two curves.
const dibholder& raster(bool noise)
{
    static dibholder rasters[2];
    dibholder& dib = rasters[noise];
    if (dib.state() == 2)
        return dib;
    dib.createheader(a4width, a4height, 8);
    for (uint32_t c : {0xFFFFFFu, 0u, 0xC0C0C0u, 0xFFu, 0xFF00u})
        dib.addcolor(c);
    dib.create();
    std::mt19937 random(1);
    for (uint32_t y = 0; y < a4height; y++)
        for (uint32_t x = 0; x < a4width; x++) {
            double u = double(x) / a4width, v = double(y) / a4height;
            int c = std::abs(v - 0.5 - 0.3 * std::sin(12 * u)) < 0.002      ? 3
                    : std::abs(std::hypot(u - 0.5, v - 0.5) - 0.3) < 0.002 ? 4
                    : x % 40 == 0 || y % 40 == 0                           ? 2
                                                                           : 0;
            dib.setpixel(x, y, noise ? int(random() % 5) : c);
        }
    return dib;
}

void gifencode(benchmark::State& state)
{
    const dibholder& dib = raster(state.range(0));
    size_t bytes = 0;
    for (auto _ : state)
        bytes = gifbytes(dib, false).size();
    state.counters["Mpx/s"] =
        benchmark::Counter(double(a4width) * a4height * state.iterations() / 1e6, benchmark::Counter::kIsRate);
    state.counters["bytes"] = double(bytes);
}
BENCHMARK(gifencode)->Arg(0)->Arg(1)->ArgName("noise")->Unit(benchmark::kMillisecond);

void bmpwrite(benchmark::State& state)
{
    const dibholder& dib = raster(false);
    // /tmp on disk (the atomic save's fsync included) or /dev/shm in memory.
    std::string path = std::string(state.range(0) ? "/dev/shm" : "/tmp") + "/bench-imagewriters-" +
                       std::to_string(getpid()) + ".bmp";
    for (auto _ : state)
        benchmark::DoNotOptimize(writebmp(dib, path));
    unlink(path.c_str());
    state.SetBytesProcessed(int64_t(dib.imagesize()) * state.iterations());
}
BENCHMARK(bmpwrite)->Arg(0)->Arg(1)->ArgName("memory")->Unit(benchmark::kMillisecond);

void memorycopy(benchmark::State& state)
{
    const dibholder& dib = raster(false);
    std::vector<uint8_t> to(dib.imagesize());
    for (auto _ : state) {
        std::memcpy(to.data(), dib.memory(), to.size());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(dib.imagesize()) * state.iterations());
}
BENCHMARK(memorycopy)->Unit(benchmark::kMillisecond);

}  // namespace
