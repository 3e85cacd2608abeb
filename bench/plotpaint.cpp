// Painting on the 80 x 30 text screen: the full repaint of a designer
// perspective of 7 curves whose samples are current (frame, scales, axes
// and 7 column-form curves), one point-form curve of 10^5 points, and the
// two shares of key to screen when stepping perspectives with the panels
// shown.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <vector>

#include "benchsetup.h"
#include "platform/core/requests.h"
#include "plots/canplot.h"
#include "plots/curvecolor.h"
#include "plots/paint.h"
#include "plots/panelpaint.h"
#include "plots/panelview.h"
#include "plots/plot.h"
#include "plots/plotlist.h"
#include "plots/plotpanel.h"

namespace {

// The painters bring the main window to the front: without a window
// thread those requests are cancelled.
struct nowindowthread {
    nowindowthread() { platform::closerequests(); }
    ~nowindowthread() { platform::reopenrequests(); }
};

// A sine wave of the given phase across the plot area, in column form.
void sinecolumns(plotcmdlist& l, const screenrect& a, double phase)
{
    int n = a.right - a.left + 1;
    double mid = (a.top + a.bottom) / 2.0, amp = (a.bottom - a.top) / 2.2;
    for (int i = 0; i < n; i++)
        l.append(i ? plotcmd::line : plotcmd::move, uint16_t(mid + amp * std::sin(phase + i * 0.05)), 0);
    l.append(plotcmd::end, 0, 0);
}

// The screen without a window thread, with the curve colours.
struct paintsetup {
    screenup screen;
    nowindowthread alone;
    paintsetup() { makecurvecolors(); }
    ~paintsetup() { dropcurvecolors(); }
};

// A perspective of 7 sine curves whose samples are current.
plotpsp* sinesperspective(plot& p, const screenrect& a)
{
    auto* ps = new plotpsp(&p);
    p.perspectives.append(ps);
    for (int k = 0; k < 7; k++) {
        auto* c = new plotcurve;
        c->world = {-10, 1.2, 10, -1.2};
        c->colour = uint16_t(k);
        p.curves.append(c);
        auto* e = new autoprint(ps, c);
        e->sample.columns = new plotcmdlist(1);
        sinecolumns(*e->sample.columns, a, k * 0.9);
        e->sample.generation = currentgeneration(*c);
        e->sample.screen = a;
        ps->consider.append(e);
    }
    return ps;
}

void designerrepaint(benchmark::State& state)
{
    paintsetup setup;
    const screenrect& a = plotarea();
    plot p;
    plotpsp* ps = sinesperspective(p, a);
    for (auto _ : state)
        benchmark::DoNotOptimize(ps->paint(false));
    state.counters["curves"] = ps->consider.count;
    state.counters["columns"] = a.right - a.left + 1;
}
BENCHMARK(designerrepaint)->Unit(benchmark::kMillisecond);

// The plot environment's Down and Up keys between two such perspectives:
// the computing thread's share of key to screen (the step, the repaint of
// the new perspective and the panel's redraw request).
void stepperspectives(benchmark::State& state)
{
    paintsetup setup;
    const screenrect& a = plotarea();
    plot p;
    sinesperspective(p, a);
    sinesperspective(p, a);
    p.currentpsp = 1;
    int direction = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(p.steppsp(direction));
        redrawpanel();
        direction = -direction;
    }
}
BENCHMARK(stepperspectives)->Unit(benchmark::kMillisecond);

// The window thread's share after such a step: the view of the current
// plot (eight perspectives) taken and both panels painted from it.
void paintpanels(benchmark::State& state)
{
    paintsetup setup;
    auto* p = new plot;
    plotlist().append(p);
    plotlist().seek(p);
    for (int i = 0; i < 8; i++)
        sinesperspective(*p, panelplotarea())->number = i + 1;
    p->currentpsp = 4;
    panellayout l = panellayoutfor(screenpixwidth(), screenpixheight());
    std::vector<uint32_t> top(size_t(l.w1) * l.h1), side(size_t(l.w2) * l.h2);
    canvas topc{top.data(), l.w1, l.w1, l.h1}, sidec{side.data(), l.w2, l.w2, l.h2};
    for (auto _ : state) {
        panelview v = takepanelview();
        panelstate s = updatepanel(v.situation);
        paintpanel(topc, l, v, s, 0);
        drawpanel(sidec, l, v, s, 0);
        benchmark::DoNotOptimize(side.data());
    }
    dropplotlist();
}
BENCHMARK(paintpanels)->Unit(benchmark::kMillisecond);

void pointcurve(benchmark::State& state)
{
    screenup screen;
    nowindowthread alone;
    int w = screenpixwidth() - 2, h = screenpixheight() - 2;
    plotcmdlist l(1);
    const int n = 100000;
    for (int i = 0; i < n; i++) {
        double t = i * 2e-4;
        int x = 1 + int((0.5 + 0.45 * std::sin(3 * t)) * w), y = 1 + int((0.5 + 0.45 * std::sin(4 * t + 0.3)) * h);
        l.append(i % 1000 ? plotcmd::line : plotcmd::move, uint16_t(x), uint16_t(y));
    }
    l.append(plotcmd::end, 0, 0);
    for (auto _ : state)
        benchmark::DoNotOptimize(screenplotter(&l, 4));
    state.counters["points"] = n;
}
BENCHMARK(pointcurve)->Unit(benchmark::kMillisecond);

}  // namespace
