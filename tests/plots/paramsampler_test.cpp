// Parametric curves walked adaptively: known curves against their exact
// points, the step judge between accepted points, coverage of the window,
// the point limit, undefined parts, clippers, entries found between table
// entries, and systems followed by the solver.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <memory>
#include <numbers>
#include <vector>

#include "calculator/rk.h"
#include "formula/compile.h"
#include "math/valtable.h"
#include "plots/clipper.h"
#include "screen/menustate.h"
#include "tests/plots/curvefixture.h"
#include "tests/screen/editrun.h"

namespace {
using std::numbers::pi;

// A direct parametric curve that notes the parameters of the points it
// records: the accepted points of its walks.
struct notedparam : directparam {
    std::vector<double> accepted;
    int stopafter = -1;  // STOP at that evaluation
    using directparam::directparam;
    // A walk starts with a point at tolerance |t| / 1e14: a mark between
    // the walks' parameters.
    curvepoint pointat(double t, double tolerance) override
    {
        if (--stopafter == 0)
            menus().abortflag = true;
        if (tolerance == std::fabs(t) / 1e14)
            accepted.push_back(NAN);
        return directparam::pointat(t, tolerance);
    }
    bool record(const double* point, double mindist) override
    {
        accepted.push_back(point[plottedarg - 1]);
        return directparam::record(point, mindist);
    }
};

// Points in device units, found by their unit cell.
class pointgrid {
public:
    void add(double x, double y) { cells[{long(std::floor(x)), long(std::floor(y))}].push_back({x, y}); }
    double nearest(double x, double y) const
    {
        double best = 1e9;
        long cx = long(std::floor(x)), cy = long(std::floor(y));
        for (long i = cx - 2; i <= cx + 2; ++i)
            for (long j = cy - 2; j <= cy + 2; ++j) {
                auto it = cells.find({i, j});
                if (it != cells.end())
                    for (const curvepoint& p : it->second)
                        best = std::min(best, std::hypot(p.x - x, p.y - y));
            }
        return best;
    }

private:
    std::map<std::pair<long, long>, std::vector<curvepoint>> cells;
};

struct knowncurve {
    const char* what;
    const char* formula;
    std::function<curvepoint(double)> exact;
    double low, high;
    drect w;
};

const knowncurve known[] = {
    {"circle", "cos(t), sin(t)", [](double t) { return curvepoint{std::cos(t), std::sin(t)}; }, 0, 2 * pi,
     {-1.5, 1.5, 1.5, -1.5}},
    {"ellipse", "2*cos(t), sin(t)", [](double t) { return curvepoint{2 * std::cos(t), std::sin(t)}; }, 0, 2 * pi,
     {-2.5, 1.5, 2.5, -1.5}},
    {"Lissajous", "sin(3*t), sin(2*t)", [](double t) { return curvepoint{std::sin(3 * t), std::sin(2 * t)}; }, 0,
     2 * pi, {-1.2, 1.2, 1.2, -1.2}},
    {"cardioid", "(1-cos(t))*cos(t), (1-cos(t))*sin(t)",
     [](double t) { return curvepoint{(1 - std::cos(t)) * std::cos(t), (1 - std::cos(t)) * std::sin(t)}; }, 0,
     2 * pi, {-2.5, 1.5, 0.5, -1.5}},
    {"Archimedean spiral", "t*cos(t), t*sin(t)",
     [](double t) { return curvepoint{t * std::cos(t), t * std::sin(t)}; }, 0, 6 * pi, {-20, 20, 20, -20}},
    {"logarithmic spiral", "exp(0.15*t)*cos(t), exp(0.15*t)*sin(t)",
     [](double t) { return curvepoint{std::exp(0.15 * t) * std::cos(t), std::exp(0.15 * t) * std::sin(t)}; }, -20,
     14, {-9, 9, 9, -9}},
};

struct paramsampling : ::testing::Test {
    parser first;  // the shared state
    sampleresult result;
    const screenrect s{0, 0, 400, 400};

    // A table of (t, x, y) filled by tabulating at the target's width.
    static std::unique_ptr<valtable> tablefor(paramcurve& c, samplerequest& r)
    {
        auto table = std::make_unique<valtable>(3);
        table->startreplaceable = 1;
        table->flush();
        r.table = table.get();
        EXPECT_GT(c.tabulate(r.screen.width(), r), 0);
        return table;
    }
    samplerequest request(const drect& w, double low, double high, int resolution)
    {
        samplerequest r = makerequest(w, s, resolution, low, high, 1, 2);
        r.plottedarg = 1;
        return r;
    }
    std::vector<curvepoint> devicepoints() const
    {
        std::vector<curvepoint> p;
        for (const plotcmd& c : commandsof(result))
            if (c.kind != plotcmd::end)
                p.push_back({double(c.a), double(c.b)});
        return p;
    }
};

TEST_F(paramsampling, KnownCurvesLieOnTheirPointsAndCoverTheWindow)
{
    for (const knowncurve& k : known) {
        callingobject source(k.formula, "t");
        notedparam c(static_cast<fastplot*>(nullptr), &source.object);
        samplerequest r = request(k.w, k.low, k.high, 400);
        auto table = tablefor(c, r);
        c.accepted.clear();
        ASSERT_TRUE(c.sample(r, result)) << k.what;
        EXPECT_EQ(r.visible, 1);
        EXPECT_GE(result.arcs, 1u);
        // The exact curve, densely, in device units.
        pointgrid curve;
        std::vector<curvepoint> inside;
        const int dense = 200000;
        for (int i = 0; i <= dense; ++i) {
            curvepoint p = k.exact(k.low + (k.high - k.low) * i / dense);
            curvepoint d{devicex(k.w, s, p.x), devicey(k.w, s, p.y)};
            curve.add(d.x, d.y);
            if (d.x > s.left + 2 && d.x < s.right - 2 && d.y > s.top + 2 && d.y < s.bottom - 2 && i % 20 == 0)
                inside.push_back(d);
        }
        // Every emitted point lies on the curve, rounded.
        std::vector<curvepoint> emitted = devicepoints();
        ASSERT_GT(emitted.size(), 20u) << k.what;
        for (const curvepoint& p : emitted)
            EXPECT_LE(curve.nearest(p.x, p.y), 0.75) << k.what << " at " << p.x << "," << p.y;
        // The drawn polyline passes near every point of the curve inside the
        // window: no gaps.
        pointgrid drawn;
        auto c0 = commandsof(result);
        for (size_t i = 1; i < c0.size(); ++i) {
            if (c0[i].kind != plotcmd::line)
                continue;
            for (int j = 0; j <= 40; ++j) {
                double u = j / 40.0;
                drawn.add(c0[i - 1].a + u * (c0[i].a - c0[i - 1].a), c0[i - 1].b + u * (c0[i].b - c0[i - 1].b));
            }
        }
        for (const curvepoint& p : inside)
            EXPECT_LE(drawn.nearest(p.x, p.y), 1.5) << k.what << " gap at " << p.x << "," << p.y;
        // Consecutive accepted points of one walk pass the step judge: a bend
        // above g only on steps shorter than one unit.
        size_t judged = 0;
        for (size_t i = 2; i < c.accepted.size(); ++i) {
            double t0 = c.accepted[i - 2], t1 = c.accepted[i - 1], t2 = c.accepted[i];
            if (!((t0 < t1 && t1 < t2) || (t0 > t1 && t1 > t2)))
                continue;
            curvepoint p0 = k.exact(t0), p1 = k.exact(t1), p2 = k.exact(t2);
            if (std::isnan(t0) || std::isnan(t1) || std::isnan(t2))
                continue;
            if (!pointinside(p0, k.w) || !pointinside(p1, k.w) || !pointinside(p2, k.w) || t0 > k.high || t2 > k.high)
                continue;
            double ax = devicex(k.w, s, p1.x) - devicex(k.w, s, p0.x), ay = devicey(k.w, s, p1.y) - devicey(k.w, s, p0.y);
            double bx = devicex(k.w, s, p2.x) - devicex(k.w, s, p1.x), by = devicey(k.w, s, p2.y) - devicey(k.w, s, p1.y);
            double d = std::fabs(ax * by - ay * bx) / (std::hypot(ax, ay) + std::hypot(bx, by));
            double a = std::hypot(ax, ay), b = std::hypot(bx, by);
            EXPECT_TRUE(d <= curvaturetolerance || b < 1.0 || a + b < 5 * curvaturetolerance)
                << k.what << " at t = " << t1;
            judged++;
        }
        EXPECT_GT(judged, emitted.size() / 2) << k.what;
        EXPECT_EQ(c.pointlimit, 40000u);
    }
}

TEST_F(paramsampling, WalksStopAtTheirPointLimitAndAZeroResolutionIsTheWidth)
{
    // A spiral of many turns at resolution 1: each walk ends quietly after
    // 100 points.
    callingobject source("t*cos(t), t*sin(t)", "t");
    notedparam c(static_cast<fastplot*>(nullptr), &source.object);
    EXPECT_EQ(c.pointlimit, 10000u);
    samplerequest r = request({-400, 400, 400, -400}, 0, 400, 1);
    auto table = tablefor(c, r);
    c.accepted.clear();
    ASSERT_TRUE(c.sample(r, result));
    EXPECT_EQ(c.pointlimit, 100u);
    // Each walk (a run of parameters in one direction) records at most 100.
    size_t run = 0, longest = 0;
    for (double t : c.accepted) {
        run = std::isnan(t) ? 0 : run + 1;
        longest = std::max(longest, run);
    }
    EXPECT_LE(longest, 100u);
    EXPECT_GE(longest, 95u);
    // Resolution 800 sets the limit to 80000.
    r.resolution = 800;
    ASSERT_TRUE(c.sample(r, result));
    EXPECT_EQ(c.pointlimit, 80000u);
    // Resolution 0 (and below) samples as at the rectangle's width.
    for (int resolution : {0, -5}) {
        callingobject circle("cos(t), sin(t)", "t");
        notedparam d(static_cast<fastplot*>(nullptr), &circle.object);
        samplerequest q = request({-1.5, 1.5, 1.5, -1.5}, 0, 2 * pi, resolution);
        auto t = tablefor(d, q);
        ASSERT_TRUE(d.sample(q, result)) << resolution;
        EXPECT_EQ(d.pointlimit, 100u * 400);
        EXPECT_GT(commandsof(result).size(), 100u);
    }
}

TEST_F(paramsampling, UndefinedPartsEndAtTheLastDefinedParameter)
{
    // (t, sqrt t) on [-1, 4]: the walk back from the first defined entry
    // halves its way to t = 0 and ends on the origin, never left of it.
    const drect w{-1, 3, 4.5, -1};
    callingobject source("t, sqr(t)", "t");
    notedparam c(static_cast<fastplot*>(nullptr), &source.object);
    samplerequest r = request(w, -1, 4, 400);
    auto table = tablefor(c, r);
    ASSERT_TRUE(c.sample(r, result));
    const long x0 = std::lround(devicex(w, s, 0)), y0 = std::lround(devicey(w, s, 0));
    bool origin = false;
    for (const curvepoint& p : devicepoints()) {
        EXPECT_GE(p.x, x0);
        origin = origin || (p.x == x0 && p.y == y0);
    }
    EXPECT_TRUE(origin);
    EXPECT_EQ(result.arcs, 1u);
}

TEST_F(paramsampling, ClippersMaskTheCurveAndTheWalkEndsOnTheirBorder)
{
    // The circle's right half: x >= 0 kept by a rectangle on the values.
    const drect w{-1.5, 1.5, 1.5, -1.5};
    rectclipper right({0, 2, 2, -2}, 1, 2);
    callingobject source("cos(t), sin(t)", "t");
    notedparam c(static_cast<fastplot*>(nullptr), &source.object);
    samplerequest r = request(w, 0, 2 * pi, 400);
    r.extraclippers = &right;
    auto table = tablefor(c, r);
    ASSERT_TRUE(c.sample(r, result));
    EXPECT_EQ(c.runclippers, nullptr);
    EXPECT_EQ(right.next, nullptr);
    const double x0 = devicex(w, s, 0);
    bool top = false, bottom = false;
    for (const curvepoint& p : devicepoints()) {
        EXPECT_GE(p.x, x0 - 0.5);
        top = top || std::hypot(p.x - x0, p.y - devicey(w, s, 1)) <= 0.75;
        bottom = bottom || std::hypot(p.x - x0, p.y - devicey(w, s, -1)) <= 0.75;
    }
    EXPECT_TRUE(top);
    EXPECT_TRUE(bottom);
    // A parameter range narrower than the table: the bound clipper ends
    // the walk at t = pi / 2.
    callingobject again("cos(t), sin(t)", "t");
    notedparam d(static_cast<fastplot*>(nullptr), &again.object);
    samplerequest q = request(w, 0, 2 * pi, 400);
    auto t = tablefor(d, q);
    q.rangehigh = pi / 2;
    ASSERT_TRUE(d.sample(q, result));
    for (const curvepoint& p : devicepoints()) {
        EXPECT_GE(p.x, x0 - 0.5);
        EXPECT_LE(p.y, devicey(w, s, 0) + 0.5);
    }
    auto cmds = commandsof(result);
    ASSERT_GE(cmds.size(), 2u);
    EXPECT_NEAR(cmds[cmds.size() - 2].a, x0, 0.75);
    EXPECT_NEAR(cmds[cmds.size() - 2].b, devicey(w, s, 1), 0.75);
}

TEST_F(paramsampling, EntriesBetweenTableEntriesAreFoundByBisection)
{
    // The line (t, t/2) with entries at -10, -10/3, 10/3 and 10, all
    // outside: the walk starts where the segment between two of them
    // crosses the window and is drawn from edge to edge.
    const drect w{-1, 1, 1, -1};
    callingobject source("t, t/2", "t");
    notedparam c(static_cast<fastplot*>(nullptr), &source.object);
    samplerequest r = request(w, -10, 10, 400);
    auto table = std::make_unique<valtable>(3);
    table->startreplaceable = 1;
    table->flush();
    r.table = table.get();
    ASSERT_EQ(c.tabulate(4, r), 4);
    ASSERT_TRUE(c.sample(r, result));
    auto p = devicepoints();
    ASSERT_GE(p.size(), 2u);
    double lo = 1e9, hi = -1e9;
    for (const curvepoint& q : p) {
        EXPECT_NEAR(q.y, devicey(w, s, (q.x / 200 - 1) / 2), 1.0);
        lo = std::min(lo, q.x);
        hi = std::max(hi, q.x);
    }
    EXPECT_LE(lo, 1);
    EXPECT_GE(hi, 399);
    // A table with no entry above the low bound draws nothing.
    samplerequest late = r;
    late.rangelow = 11;
    late.rangehigh = 12;
    EXPECT_FALSE(c.sample(late, result));
    EXPECT_EQ(result.points, nullptr);
}

TEST_F(paramsampling, InterruptedWalkAsksAndResumesOrEnds)
{
    const drect w{-1.5, 1.5, 1.5, -1.5};
    size_t whole = 0;
    struct {
        const char* keys;
        bool resumed;
    } cases[] = {{"", true}, {"<dump question>r", true}, {"<Esc>", false}};
    for (const auto& k : cases) {
        callingobject source("cos(t), sin(t)", "t");
        notedparam c(static_cast<fastplot*>(nullptr), &source.object);
        samplerequest r = request(w, 0, 2 * pi, 400);
        auto table = tablefor(c, r);
        c.stopafter = *k.keys ? 60 : -1;
        bool drawn = false;
        hostrun run = rundialogue(k.keys, [&] { drawn = c.sample(r, result); });
        EXPECT_EQ(run.status, 0) << k.keys;
        EXPECT_TRUE(drawn) << k.keys;
        size_t n = commandsof(result).size();
        if (!*k.keys)
            whole = n;
        else if (k.resumed) {
            EXPECT_EQ(n, whole);
        }
        if (*k.keys && k.resumed) {
            EXPECT_NE(dumptext(run, "question").find("Plotting of parametric curve interrupted at point"),
                      std::string::npos);
        }
        if (k.resumed) {
            EXPECT_FALSE(menus().aborted()) << k.keys;
        }
        if (!k.resumed) {
            EXPECT_LT(n, whole / 2);
        }
        menus().clearflags();
    }
}

// A Runge-Kutta curve over its own table, tabulated first as the plot does.
struct solvercurve {
    RK rk;
    std::shared_ptr<valtable> table;
    solvercurve(int order, int dimension, const char* formula, std::initializer_list<double> start)
    {
        rk.shape = {uint16_t(order), uint16_t(dimension), 't', false};
        rk.setformula(formula);
        table = std::make_shared<valtable>(uint32_t(rk.statelength()));
        int i = 0;
        for (double v : start)
            table->startvector[i++] = v;
        rk.table = table;
        EXPECT_TRUE(rk.compile(compilemode::normal, nullptr, nullptr, nullptr));
    }
};

TEST_F(paramsampling, SolverOrbitsStayOnTheirInvariants)
{
    // x' = y, y' = -x from (1, 0): the unit circle.
    {
        solvercurve sys(1, 2, "f.2, -f.1", {0, 1, 0});
        rkparam c(static_cast<fastplot*>(nullptr), &sys.rk);
        const drect w{-1.5, 1.5, 1.5, -1.5};
        samplerequest r = request(w, 0, 2 * pi, 400);
        r.table = sys.table.get();
        ASSERT_GT(c.tabulate(400, r), 0);
        ASSERT_TRUE(c.sample(r, result));
        const double cx = devicex(w, s, 0), cy = devicey(w, s, 0), radius = devicex(w, s, 1) - cx;
        auto p = devicepoints();
        ASSERT_GT(p.size(), 100u);
        for (const curvepoint& q : p)
            EXPECT_LE(std::fabs(std::hypot(q.x - cx, q.y - cy) - radius), 0.75);
        EXPECT_EQ(sys.rk.clipper, &c.clipping);
    }
    // Lotka-Volterra x' = x (1 - y), y' = y (x - 1) from (2, 1): the walk
    // keeps x - ln x + y - ln y on every point it records.
    solvercurve sys(1, 2, "f.1*(1-f.2), f.2*(f.1-1)", {0, 2, 1});
    rkparam c(static_cast<fastplot*>(nullptr), &sys.rk);
    const drect w{0, 3.5, 3.5, 0};
    samplerequest r = request(w, 0, 15, 400);
    r.table = sys.table.get();
    ASSERT_GT(c.tabulate(400, r), 0);
    ASSERT_TRUE(c.sample(r, result));
    auto invariant = [](const double* v) { return v[1] - std::log(v[1]) + v[2] - std::log(v[2]); };
    const double v0 = 2 - std::log(2.0) + 1;
    int entries = 0;
    for (const double* e = sys.table->first(); e; e = sys.table->next(), ++entries)
        EXPECT_NEAR(invariant(e), v0, 1e-8) << "t = " << e[0];
    EXPECT_GT(entries, 400);
}

}  // namespace
