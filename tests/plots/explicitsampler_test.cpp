// Explicit curves sampled column by column: sample positions, device
// points against the exact curve, edge crossings and their quirks, poles,
// clippers, breaks, and curves computed by formulas and by the solver.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>

#include "calculator/rk.h"
#include "formula/compile.h"
#include "math/valtable.h"
#include "plots/breakdialogs.h"
#include "plots/clipper.h"
#include "screen/menustate.h"
#include "tests/plots/curvefixture.h"
#include "tests/screen/editrun.h"

namespace {
using std::numbers::pi;

struct explicitsampling : ::testing::Test {
    parser first;  // the shared state
    sampleresult result;
    void TearDown() override
    {
        menus().clearflags();
    }
};

TEST_F(explicitsampling, SinePositionsAndDevicePointsByResolution)
{
    const drect w{-pi, 1.5, pi, -1.5};
    const screenrect s{0, 0, 639, 479};
    struct {
        int resolution;
        int samples;
    } cases[] = {{0, 640}, {800, 640}, {640, 640}, {100, 100}};
    for (const auto& k : cases) {
        functiongraph g([](double x) { return std::sin(x); });
        samplerequest r = makerequest(w, s, k.resolution);
        ASSERT_TRUE(g.sample(r, result)) << k.resolution;
        EXPECT_EQ(r.visible, 1);
        ASSERT_EQ(int(g.asked.size()), k.samples);
        const double dx = 2 * pi / k.samples;
        for (int i = 0; i < k.samples; ++i)
            EXPECT_EQ(g.asked[i], -pi + (i + 0.5) * dx) << i;
        auto c = commandsof(result);
        ASSERT_EQ(int(c.size()), k.samples + 1);
        for (int i = 0; i < k.samples; ++i) {
            double x = g.asked[i];
            EXPECT_EQ(c[i].kind, i == 0 ? plotcmd::move : plotcmd::line);
            EXPECT_LE(std::fabs(c[i].a - devicex(w, s, x)), 0.5) << i;
            EXPECT_LE(std::fabs(c[i].b - devicey(w, s, std::sin(x))), 0.5) << i;
        }
        EXPECT_EQ(c.back().kind, plotcmd::end);
        EXPECT_EQ(c.back().a, c[k.samples - 1].a);
    }
}

// Ten samples at x = 0.5 .. 9.5 of a window 0..10 by -1..5 on 11 columns:
// the values come from a table by sample.
struct tablecase {
    const char* what;
    std::vector<double> y;
    std::vector<plotcmd> want;  // without the end command
};

TEST_F(explicitsampling, EdgeCrossingsAndTheirQuirks)
{
    const drect w{0, 5, 10, -1};
    const screenrect s{0, 0, 10, 60};
    auto sx = [&](double x) { return uint16_t(std::lround(devicex(w, s, x))); };
    auto sy = [&](double y) { return uint16_t(std::lround(devicey(w, s, y))); };
    const uint16_t top = 0, bottom = 60;
    const double undef = NAN;
    const tablecase cases[] = {
        {"leaves through the top while rising: a line to the crossing",
         {0.5, 1.5, 2.5, 3.5, 4.5, 5.5, 6.5, 7, 8, 9},
         {{plotcmd::move, sx(0.5), sy(0.5)}, {plotcmd::line, sx(1.5), sy(1.5)}, {plotcmd::line, sx(2.5), sy(2.5)},
          {plotcmd::line, sx(3.5), sy(3.5)}, {plotcmd::line, sx(4.5), sy(4.5)}, {plotcmd::line, sx(5.0), top}}},
        {"leaves through the bottom while falling",
         {4, 2, 0, -3, -4, -4, -4, -4, -4, -4},
         {{plotcmd::move, sx(0.5), sy(4)}, {plotcmd::line, sx(1.5), sy(2)}, {plotcmd::line, sx(2.5), sy(0)},
          {plotcmd::line, sx(3.5 - 2.0 / 3), bottom}}},
        {"enters from below and keeps rising: a move to the crossing, the entering sample left out",
         {-4, -3, -2, -1.5, -0.5, 0.5, 1.5, 2.5, 3.5, 4.5},
         {{plotcmd::move, sx(4.0), bottom}, {plotcmd::line, sx(5.5), sy(0.5)}, {plotcmd::line, sx(6.5), sy(1.5)},
          {plotcmd::line, sx(7.5), sy(2.5)}, {plotcmd::line, sx(8.5), sy(3.5)}, {plotcmd::line, sx(9.5), sy(4.5)}}},
        {"enters from below and turns at once: the crossing is dropped, the next sample is a move",
         {-4, -3, -2, -1.5, -0.5, -0.8, 0, 1, 2, 3},
         {{plotcmd::move, sx(5.5), sy(-0.8)}, {plotcmd::line, sx(6.5), sy(0)}, {plotcmd::line, sx(7.5), sy(1)},
          {plotcmd::line, sx(8.5), sy(2)}, {plotcmd::line, sx(9.5), sy(3)}}},
        {"enters from above and keeps falling",
         {9, 7, 6, 4, 3, 2, 1, 0, -0.5, -0.9},
         {{plotcmd::move, sx(3.0), top}, {plotcmd::line, sx(4.5), sy(3)}, {plotcmd::line, sx(5.5), sy(2)},
          {plotcmd::line, sx(6.5), sy(1)}, {plotcmd::line, sx(7.5), sy(0)}, {plotcmd::line, sx(8.5), sy(-0.5)},
          {plotcmd::line, sx(9.5), sy(-0.9)}}},
        {"a peak between samples: no exit segment",
         {1, 3, 2.5, 6, 7, 8, 9, 9, 9, 9},
         {{plotcmd::move, sx(0.5), sy(1)}, {plotcmd::line, sx(1.5), sy(3)}, {plotcmd::line, sx(2.5), sy(2.5)}}},
        {"undefined samples break the curve without crossings",
         {1, 2, undef, 3, 2, 1, undef, 1, 2, 3},
         {{plotcmd::move, sx(0.5), sy(1)}, {plotcmd::line, sx(1.5), sy(2)}, {plotcmd::move, sx(3.5), sy(3)},
          {plotcmd::line, sx(4.5), sy(2)}, {plotcmd::line, sx(5.5), sy(1)}, {plotcmd::move, sx(7.5), sy(1)},
          {plotcmd::line, sx(8.5), sy(2)}, {plotcmd::line, sx(9.5), sy(3)}}},
        {"enters from above after a gap: the crossing waits for the next sample",
         {1, 2, undef, 8, 2, 1, undef, -4, 1, 2},
         {{plotcmd::move, sx(0.5), sy(1)}, {plotcmd::line, sx(1.5), sy(2)}, {plotcmd::move, sx(4.0), top},
          {plotcmd::line, sx(5.5), sy(1)}, {plotcmd::move, sx(8.5 - 2.0 / 5), bottom},
          {plotcmd::line, sx(9.5), sy(2)}}},
    };
    for (const tablecase& k : cases) {
        functiongraph g([&](double x) { return k.y[size_t(x)]; });
        samplerequest r = makerequest(w, s, 10);
        ASSERT_TRUE(g.sample(r, result)) << k.what;
        auto c = commandsof(result);
        ASSERT_EQ(c.size(), k.want.size() + 1) << k.what;
        for (size_t i = 0; i < k.want.size(); ++i) {
            EXPECT_EQ(c[i].kind, k.want[i].kind) << k.what << " command " << i;
            EXPECT_EQ(c[i].a, k.want[i].a) << k.what << " command " << i;
            EXPECT_EQ(c[i].b, k.want[i].b) << k.what << " command " << i;
        }
        EXPECT_EQ(c.back().kind, plotcmd::end);
    }
}

TEST_F(explicitsampling, NothingVisibleAnswersFalseAndLeavesNoList)
{
    const screenrect s{0, 0, 99, 99};
    struct {
        const char* what;
        std::function<double(double)> f;
        drect w;
        double low, high;
    } cases[] = {
        {"wholly above", [](double) { return 7.0; }, {0, 5, 10, -1}, 0, 0},
        {"wholly below", [](double x) { return -2 - x; }, {0, 5, 10, -1}, 0, 0},
        {"undefined", [](double) { return NAN; }, {0, 5, 10, -1}, 0, 0},
        {"on the top edge", [](double) { return 5.0; }, {0, 5, 10, -1}, 0, 0},
        {"range beside the window", [](double x) { return 0.0; }, {0, 5, 10, -1}, 11, 12},
    };
    for (const auto& k : cases) {
        result.points = new plotcmdlist(5);  // a list of an earlier run
        functiongraph g(k.f);
        samplerequest r = makerequest(k.w, s, 0, k.low, k.high);
        r.visible = 1;
        EXPECT_FALSE(g.sample(r, result)) << k.what;
        EXPECT_EQ(r.visible, 0) << k.what;
        EXPECT_EQ(result.points, nullptr) << k.what;
        EXPECT_EQ(result.count(), -1) << k.what;
    }
}

TEST_F(explicitsampling, NarrowRangeIsSampledInsideItsBoundsOnly)
{
    // Range 0..1 in a window -2..2: every sample inside the range, and no
    // point command at the left edge (the marker of points outside).
    const drect w{-2, 2, 2, -2};
    const screenrect s{0, 0, 399, 199};
    functiongraph g([](double x) { return x * x; });
    samplerequest r = makerequest(w, s, 0, 0, 1);
    ASSERT_TRUE(g.sample(r, result));
    ASSERT_EQ(g.asked.size(), 400u);
    for (size_t i = 0; i < g.asked.size(); ++i)
        EXPECT_EQ(g.asked[i], (i + 0.5) * (1.0 / 400)) << i;
    auto c = commandsof(result);
    ASSERT_EQ(c.size(), 401u);
    for (size_t i = 0; i + 1 < c.size(); ++i) {
        EXPECT_GE(c[i].a, std::lround(devicex(w, s, 0))) << i;
        EXPECT_LE(c[i].a, std::lround(devicex(w, s, 1))) << i;
    }
    // A range that reaches past the window is cut to it.
    functiongraph h([](double x) { return x * x; });
    r = makerequest(w, s, 0, 1, 9);
    ASSERT_TRUE(h.sample(r, result));
    EXPECT_GT(h.asked.front(), 1);
    EXPECT_LT(h.asked.back(), 2);
}

// Consecutive line commands never jump more than half the height: a pole
// breaks the curve instead of joining its two sides.
void expectnoconnector(const std::vector<plotcmd>& c, int height, const char* what)
{
    for (size_t i = 1; i < c.size(); ++i) {
        if (c[i].kind == plotcmd::line) {
            EXPECT_LT(std::abs(c[i].b - c[i - 1].b), height / 2) << what << " at command " << i;
        }
    }
}

TEST_F(explicitsampling, FormulaCurvesBreakAtPolesAndStartWhereDefined)
{
    const screenrect s{0, 0, 639, 399};
    struct {
        const char* formula;
        drect w;
        double (*exact)(double);
        int moves;  // separate runs
    } cases[] = {
        {"1/x", {-1, 10, 1, -10}, [](double x) { return 1 / x; }, 2},
        {"tan(x)", {-4.8, 5, 4.8, -5}, [](double x) { return std::tan(x); }, 3},
        {"sqr(x)", {-1, 3, 4, -1}, [](double x) { return std::sqrt(x); }, 1},
        {"ln(x)", {-1, 2, 4, -3}, [](double x) { return std::log(x); }, 1},
    };
    for (const auto& k : cases) {
        callingobject source(k.formula, "x");
        directgraph g(static_cast<fastplot*>(nullptr), &source.object);
        samplerequest r = makerequest(k.w, s, 0);
        ASSERT_TRUE(g.sample(r, result)) << k.formula;
        auto c = commandsof(result);
        expectnoconnector(c, 400, k.formula);
        int moves = 0;
        for (const plotcmd& p : c)
            moves += p.kind == plotcmd::move;
        EXPECT_EQ(moves, k.moves) << k.formula;
        // Crossings sit on the top or bottom row; every other point is a
        // sample's exact point, rounded.
        const double dx = (k.w.right - k.w.left) / 640;
        for (size_t i = 0; i + 1 < c.size(); ++i) {
            if (c[i].b == 0 || c[i].b == 399)
                continue;
            double best = 1e9;
            for (int j = 0; j < 640; ++j) {
                double x = k.w.left + (j + 0.5) * dx;
                if (std::lround(devicex(k.w, s, x)) == c[i].a)
                    best = std::min(best, std::fabs(c[i].b - devicey(k.w, s, k.exact(x))));
            }
            EXPECT_LE(best, 0.5) << k.formula << " command " << i;
        }
    }
    // sqrt and log start at the first column right of 0.
    for (const char* formula : {"sqr(x)", "ln(x)"}) {
        callingobject source(formula, "x");
        directgraph g(static_cast<fastplot*>(nullptr), &source.object);
        samplerequest r = makerequest({-1, 3, 4, -8}, s, 0);
        ASSERT_TRUE(g.sample(r, result));
        auto c = commandsof(result);
        const double dx = 5.0 / 640;
        double firstx = -1 + (std::floor(1 / dx - 0.5) + 1.5) * dx;
        ASSERT_GT(firstx, 0);
        EXPECT_LT(firstx - dx, 0);
        EXPECT_EQ(c[0].kind, plotcmd::move) << formula;
        EXPECT_EQ(c[0].a, std::lround(devicex({-1, 3, 4, -8}, s, firstx))) << formula;
    }
}

TEST_F(explicitsampling, ClippersMaskPartsWithoutBorderSegments)
{
    const drect w{-pi, 1.5, pi, -1.5};
    const screenrect s{0, 0, 639, 299};
    // The abscissa kept within [-1, 1], and within |y| < 0.5 by a rectangle.
    boundclipper bound(0, -1, 1);
    rectclipper rect({-10, 0.5, 10, -0.5}, 0, 1);
    // A formula clipper shows the curve where its value is positive; the
    // sampler compiles it with the curve's argument letters.
    formulaclipper right;
    right.setformula("x - 0.5");
    struct {
        const char* what;
        clipper* extra;
        bool (*shown)(double x);
    } cases[] = {
        {"bound", &bound, [](double x) { return -1 <= x && x <= 1; }},
        {"rectangle", &rect, [](double x) { return std::fabs(std::sin(x)) <= 0.5; }},
        {"formula", &right, [](double x) { return x > 0.5; }},
    };
    for (const auto& k : cases) {
        functiongraph g([](double x) { return std::sin(x); });
        samplerequest r = makerequest(w, s, 0);
        r.extraclippers = k.extra;
        ASSERT_TRUE(g.sample(r, result)) << k.what;
        EXPECT_EQ(g.runclippers, nullptr);
        EXPECT_EQ(k.extra->next, nullptr);
        // Masked samples draw nothing and leave no crossing: the commands
        // are the shown samples, in order.
        std::vector<double> shown;
        for (double x : g.asked)
            if (k.shown(x))
                shown.push_back(x);
        auto c = commandsof(result);
        ASSERT_EQ(c.size(), shown.size() + 1) << k.what;
        for (size_t i = 0; i < shown.size(); ++i)
            EXPECT_EQ(c[i].a, std::lround(devicex(w, s, shown[i]))) << k.what << " command " << i;
        int moves = 0;
        for (const plotcmd& p : c)
            moves += p.kind == plotcmd::move;
        EXPECT_EQ(moves, k.extra == &rect ? 3 : 1) << k.what;
    }
    // The curve's own clippers come first and stay its own.
    functiongraph g([](double x) { return std::sin(x); });
    g.ownclippers.append(new boundclipper(0, 0, 10));
    samplerequest r = makerequest(w, s, 0);
    r.extraclippers = &bound;
    ASSERT_TRUE(g.sample(r, result));
    EXPECT_EQ(g.ownclippers.count, 1);
    EXPECT_EQ(g.ownclippers.head->next, nullptr);
    auto c = commandsof(result);
    EXPECT_EQ(c.front().a, std::lround(devicex(w, s, g.asked[320])));
    EXPECT_EQ(c[c.size() - 2].a, std::lround(devicex(w, s, g.asked[421])));
}

TEST_F(explicitsampling, BreakQuestionResumesOrDiscardsTheCurve)
{
    const drect w{-pi, 1.5, pi, -1.5};
    const screenrect s{0, 0, 99, 99};
    samplerequest r = makerequest(w, s, 0);
    // STOP at the first sample right of 0.
    auto stopping = [](bool& once) {
        return [&once](double x) {
            if (x > 0 && once)
                menus().abortflag = true;
            once = once && x <= 0;
            return std::sin(x);
        };
    };
    bool once = true;
    functiongraph g(stopping(once));
    bool resumed = false;
    // Resumed: the asked sample is computed again and the curve is whole.
    hostrun run = rundialogue("<dump asked>w", [&] { resumed = g.sample(r, result); });
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(resumed);
    EXPECT_NE(dumptext(run, "asked").find("Plot computation has been interrupted"), std::string::npos);
    EXPECT_FALSE(menus().aborted());
    EXPECT_EQ(g.asked.size(), 101u);
    EXPECT_EQ(commandsof(result).size(), 101u);
    // Declined: nothing is kept.
    once = true;
    functiongraph h(stopping(once));
    run = rundialogue("<Esc>", [&] { resumed = h.sample(r, result); });
    EXPECT_FALSE(resumed);
    EXPECT_EQ(h.asked.size(), 51u);
    EXPECT_EQ(result.points, nullptr);
    EXPECT_EQ(r.visible, 0);
}

TEST_F(explicitsampling, SolverCurveFollowsTheExponential)
{
    // y' = y from (0, 1): the solver's curve is e^x.
    RK rk;
    rk.shape = {1, 1, 'x', false};
    rk.setformula("f.1");
    auto table = std::make_shared<valtable>(uint32_t(rk.statelength()));
    table->startvector[0] = 0;
    table->startvector[1] = 1;
    rk.table = table;
    ASSERT_TRUE(rk.compile(compilemode::normal, nullptr, nullptr, nullptr));
    rkgraph g(static_cast<fastplot*>(nullptr), &rk);
    const drect w{-2, 4, 2, 0};
    const screenrect s{0, 0, 399, 299};
    samplerequest r = makerequest(w, s, 0, 0, 0, 1, 1);
    r.table = table.get();
    ASSERT_TRUE(g.sample(r, result));
    auto c = commandsof(result);
    const double dx = 4.0 / 400;
    int lines = 1;  // the crossing
    for (size_t i = 0; i + 2 < c.size(); ++i) {
        double x = -2 + (i + 0.5) * dx;
        EXPECT_LE(std::fabs(c[i].a - devicex(w, s, x)), 0.5) << i;
        EXPECT_LE(std::fabs(c[i].b - devicey(w, s, std::exp(x))), 0.5) << i;
        lines += c[i].kind == plotcmd::line;
    }
    // e^x leaves through the top at x = log 4, as an interpolated crossing.
    EXPECT_EQ(c[c.size() - 2].b, 0);
    EXPECT_NEAR(c[c.size() - 2].a, devicex(w, s, std::log(4.0)), 1.0);
    EXPECT_EQ(lines + 2, int(c.size()));
    EXPECT_EQ(rk.clipper, &g.clipping);
}

}  // namespace
