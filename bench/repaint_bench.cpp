// A full repaint of the 80 by 30 screen from the cell grid, every cell a
// character in its own pair of colours.
#include <benchmark/benchmark.h>

#include "screen/screen.h"
#include "screen/tgwscreen.h"

static void fullrepaint(benchmark::State& state)
{
    screeninit("");
    screencreate();
    for (int y = 1; y <= screenrows(); y++)
        for (int x = 1; x <= screencols(); x++) {
            char c[2] = {char(33 + (x * 7 + y * 13) % 94), 0};
            int fg = (x + y) % 20 + 1, bg = (x * 3 + y) % 20 + 1;
            writeat(c, x, y, fg, bg == fg ? bg % 20 + 1 : bg);
        }
    for (auto _ : state)
        redrawscreen();
    screendestroy();
}
BENCHMARK(fullrepaint)->Unit(benchmark::kMicrosecond);
