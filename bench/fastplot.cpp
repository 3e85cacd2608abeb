// The fastplots and the designer plot's print sample: a simple fastplot
// of sin x over [-pi, pi] set up and computed on the default plot
// rectangle (its window's height from the quick sample, or given, which
// takes the full sampler), and the print sample of the harmonic
// oscillator (y'' = -y over [0, 20]) at resolution 20000 from an empty
// table.
#include <benchmark/benchmark.h>

#include <memory>
#include <numbers>

#include "benchsetup.h"
#include "calculator/calculator.h"
#include "calculator/rk.h"
#include "calculator/rksetup.h"
#include "calculator/valuebox.h"
#include "formula/parser.h"
#include "math/valtable.h"
#include "plots/curves.h"
#include "plots/fastplot.h"
#include "plots/insertion.h"
#include "plots/plot.h"

namespace {
constexpr double pi = std::numbers::pi;

// The revolver's default plot rectangle.
rect defaultplotrect()
{
    rect r;
    r.left = int16_t(charheight() + 2);
    r.top = int16_t(charheight() * 8.5);
    r.right = int16_t(screenpixwidth() * 0.9);
    r.bottom = int16_t(screenpixheight() - 20);
    return r;
}

void simplefastplot(benchmark::State& state)
{
    screenup screen;
    parser first;
    ring r;
    r.fastplotrect = defaultplotrect();
    makevalueboxes(r.activestore);
    {
        calculator c(&r);
        c.setformula("sin(x)", "x");
        c.calctask();
        drect window{};
        if (state.range(0))
            window = {-pi, 1.2, pi, -1.2};
        for (auto _ : state) {
            fastplot f(&c);
            f.spec.type = plottype::simple;
            f.spec.rangelow = -pi;
            f.spec.rangehigh = pi;
            if (!f.ini(window) || !f.compute()) {
                state.SkipWithError("not computed");
                break;
            }
            benchmark::DoNotOptimize(f.result.count());
        }
        state.counters["columns"] = r.fastplotrect.width();
    }
    dropvalueboxes();
}
// Argument 0: window height from the quick sample; 1: a window given.
BENCHMARK(simplefastplot)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void oscillatorprint(benchmark::State& state)
{
    screenup screen;
    parser first;
    ring r;
    makevalueboxes(r.activestore);
    {
        calculator c(&r);
        c.setup = new rksetup;
        c.setup->shape = {2, 1, 't', false};
        c.setup->setformula("-f.1");
        c.setup->zerostart();
        c.setup->start[2] = 1;
        c.setup->setallgiven();
        c.makemyrk();
        c.calctask();
        plot p;
        RK* solver = p.registerrksolver(c.solver);
        auto* g = solver ? new rkgraph(&p, solver) : nullptr;
        if (g) {
            p.graphs.append(g);
            g->varstore = p.varstore();
            g->components = &p.components;
            g->plottedarg = 1;
            g->argcount = 1;
            g->valuecount = 2;
        }
        if (!g || !g->sizework() || !g->firstimplement()) {
            state.SkipWithError("no graph");
        } else {
            plotcurve curve;
            curve.graph = g;
            curve.world = {0, 1.5, 20, -1.5};
            curve.selection[0] = curve.selection[1] = 1;
            curve.argnumber = 1;
            const int resolution = int(state.range(0));
            int32_t points = 0;
            for (auto _ : state) {
                curve.owntable = std::make_shared<valtable>(*c.initvalues);
                curve.owntable->flush();
                curve.owntable->unchecked = 1;
                samplerequest q;
                q.unit = {0, 1, 1, 0};
                q.screen = {0, 0, int16_t(resolution), 15000};
                q.resolution = resolution;
                sampleresult result;
                if (!generatesampleprint(curve, q, result)) {
                    state.SkipWithError("no sample");
                    break;
                }
                points = result.count();
            }
            state.counters["commands"] = points;
            curve.graph = nullptr;
        }
    }
    dropvalueboxes();
}
BENCHMARK(oscillatorprint)->Arg(20000)->Unit(benchmark::kMillisecond);
}  // namespace
