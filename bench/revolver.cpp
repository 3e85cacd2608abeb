// The revolver: start-up with a full state file (240 calculators read,
// then the first calculator drawn), the write of that file through the
// atomic save, and from a command's key to the screen (turning to the next
// calculator, which recomputes and draws it; switching a display mode).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "benchsetup.h"
#include "calculator/calculator.h"
#include "calculator/valuebox.h"
#include "formula/parser.h"
#include "platform/core/files.h"
#include "revolver/calccmds.h"
#include "revolver/revcmds.h"
#include "revolver/revolver.h"

namespace {

const std::string statefile = "/tmp/vemobench.rev";

// 240 Direct-mode calculators, each its own formula of three letters.
void writefullfile()
{
    std::string text = "VE REVOLVERFILE\n";
    for (int i = 0; i < 240; ++i)
        text += "@CALCULATOR\n" + std::to_string(i) + "\n@DIRECTMODE\nabx\nsin(a*x)+b*x^2+" + std::to_string(i)
                + "\n@END CALCULATOR\n";
    savefile(statefile, text);
}

void startup(benchmark::State& state)
{
    screenup screen;
    parser first;
    writefullfile();
    for (auto _ : state) {
        revolver r(240, statefile);
        makevalueboxes(r.activestore);
        r.currentcalc()->redraw();
        if (r.readfaults)
            state.SkipWithError("the state file did not read");
        r.statefile.clear();   // no write at the end
        dropvalueboxes();
    }
}
BENCHMARK(startup)->Unit(benchmark::kMillisecond);

void write(benchmark::State& state)
{
    screenup screen;
    parser first;
    writefullfile();
    revolver r(240, statefile);
    r.statefile.clear();
    for (auto _ : state)
        if (!r.writerevolver(statefile))
            state.SkipWithError("not written");
    std::remove(statefile.c_str());
    std::remove("/tmp/vemobenc.bak");
}
BENCHMARK(write)->Unit(benchmark::kMillisecond);

// Argument 0: turning right (the next calculator computed and drawn);
// 1: display mode 1 and back to 0 (two recomputations and redraws).
void keytoscreen(benchmark::State& state)
{
    screenup screen;
    parser first;
    writefullfile();
    revolver r(240, statefile);
    r.statefile.clear();
    rev1 = &r;
    makevalueboxes(r.activestore);
    for (int i = 0; i < 240; ++i) {
        calculator& c = *r.calculators[i];
        c.calctask();
        r.activestore->setvalue('a', 1.5);
        r.activestore->setvalue('b', 0.5);
        r.activestore->setvalue('x', 2);
        c.rechnen();
    }
    r.current = r.currentcalc();
    for (auto _ : state) {
        if (state.range(0) == 0) {
            turnrightcmd();
        } else {
            setdisplaymode(*r.current, '1');
            setdisplaymode(*r.current, '0');
        }
    }
    dropvalueboxes();
    rev1 = nullptr;
}
BENCHMARK(keytoscreen)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
