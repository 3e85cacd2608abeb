// Sibling curves: which Runge-Kutta curves make them, the dialog that
// sets them up, and a sibling of the harmonic oscillator drawn through a
// point of the plane.
#include <numbers>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "calculator/rk.h"
#include "formula/compile.h"
#include "math/valtable.h"
#include "plots/clipper.h"
#include "plots/curvecolor.h"
#include "plots/insertion.h"
#include "plots/mousecreate.h"
#include "plots/paint.h"
#include "plots/plot.h"
#include "tests/plots/curvefixture.h"
#include "screen/keys.h"
#include "tests/screen/editrun.h"
#include "tests/plots/exactcurve.h"

namespace {

using std::numbers::pi;

TEST(siblings, OnlyFirstOrderCurvesOfOneOrTwoValuesMakeThem)
{
    struct {
        rkshape shape;
        bool graph, param;
    } cases[] = {
        {{1, 1, 't', false}, true, false},  {{1, 2, 't', false}, false, true}, {{1, 1, 't', true}, false, true},
        {{2, 1, 't', false}, false, false}, {{1, 3, 't', false}, false, false}, {{1, 2, 't', true}, false, false},
    };
    for (const auto& c : cases) {
        RK rk;
        rk.shape = c.shape;
        rkgraph g(static_cast<fastplot*>(nullptr), &rk);
        rkparam p(static_cast<fastplot*>(nullptr), &rk);
        EXPECT_EQ(g.canmousecreate(), c.graph) << c.shape.order << " " << c.shape.dimension << " " << c.shape.arclength;
        EXPECT_EQ(p.canmousecreate(), c.param) << c.shape.order << " " << c.shape.dimension << " " << c.shape.arclength;
    }
}

TEST(siblings, PointsAreWrittenWithThePrecisionOfAPixel)
{
    struct {
        double v, span;
        int pixels;
        const char* text;
    } cases[] = {
        {0.123456789, 1, 500, "0.123"},   // steps of 0.002
        {1234.56789, 1, 500, "1234.568"},
        {0.5, 3, 500, "0.5"},
        {0, 3, 500, "0"},
        {1.0 / 3, 3e-6, 500, "0.333333333"},
        {1.0 / 3, 0, 500, "0.33333333333333331"},   // no window: every digit
    };
    for (const auto& c : cases)
        EXPECT_EQ(pixeldigits(c.v, c.span, c.pixels), c.text) << c.v << " " << c.span;
}

// The dialog's logic on a template of its own.
struct createdialog {
    mousecreaterecord record;
    mousecreaterun run{record};
    platform::dialogtemplate t;

    createdialog()
    {
        record.window = {-1.5, 1.5, 1.5, -1.5};
        record.lower = 0;
        record.upper = 6;
        t = run.layout();
        run.fill(t);
    }
    void type(int id, const std::string& text)
    {
        t.control(id)->value = text;
        run.command(t, id, platform::notification::leave);
    }
    platform::dialogcontrol& at(int id) { return *t.control(id); }
};

TEST(siblings, TheDialogRefusesNonFiniteNumbersAndGreysAnUnrestrictedRange)
{
    namespace m = mousecreate;
    createdialog d;
    // Unrestricted: the limits greyed, their texts left.
    EXPECT_FALSE(d.at(m::lower).enabled);
    EXPECT_FALSE(d.at(m::copyclippers).shown);
    d.at(m::unrestricted).checked = false;
    d.run.command(d.t, m::unrestricted, platform::notification::click);
    EXPECT_TRUE(d.at(m::lower).enabled);
    EXPECT_EQ(d.at(m::upper).value, "6");
    d.type(m::lower, "-2.5");
    d.type(m::x, "0.25");
    EXPECT_EQ(d.record.lower, -2.5);
    EXPECT_EQ(d.record.x, 0.25);
    for (const char* bad : {"nan", "inf", "-inf", "1e999", "abc", "", "2x"}) {
        d.type(m::upper, bad);
        d.type(m::y, bad);
        EXPECT_EQ(d.record.upper, 6) << bad;
        EXPECT_EQ(d.record.y, 0) << bad;
        EXPECT_EQ(d.at(m::upper).value, "6") << bad;
    }
    d.at(m::unrestricted).checked = true;
    d.run.command(d.t, m::unrestricted, platform::notification::click);
    EXPECT_FALSE(d.at(m::upper).enabled);
    EXPECT_EQ(d.at(m::lower).value, "-2.5");
    EXPECT_EQ(d.at(m::caption).label, "... as sibling of #0");
    EXPECT_EQ(d.run.command(d.t, m::ok, platform::notification::click), 13);
    EXPECT_EQ(d.run.command(d.t, m::cancel, platform::notification::click), 27);
}

// A plot of one perspective whose active entry shows one Runge-Kutta
// curve of a first-order system with that formula and start.
struct solverplot {
    plot p;
    plotpsp* psp = new plotpsp(&p);
    plotcurve* source = new plotcurve;

    template <class curve>
    curve* make(rkshape shape, const char* formula, std::initializer_list<double> start, const drect& world)
    {
        makecurvecolors();
        RK rk;
        rk.shape = shape;
        rk.setformula(formula);
        rk.table = std::make_shared<valtable>(uint32_t(start.size()));
        std::copy(start.begin(), start.end(), rk.table->startvector);
        EXPECT_TRUE(rk.compile(compilemode::normal, nullptr, nullptr, nullptr));
        auto* graph = new curve(&p, p.registerrksolver(&rk));
        graph->components = &p.components;
        p.graphs.append(graph);
        EXPECT_TRUE(graph->firstimplement());
        source->graph = graph;
        source->world = world;
        source->selection[0] = 1;
        source->selection[1] = uint16_t(shape.dimension);
        source->argnumber = 1;
        source->owntable = std::make_shared<valtable>(*graph->solver->table);
        source->owntable->flush();
        p.curves.append(source);
        p.perspectives.append(psp);
        p.currentpsp = 1;
        psp->consider.append(new autoprint(psp, source));
        psp->apnr = 1;
        return graph;
    }
};

// x' = y, y' = -x, whose orbits are circles round the origin.
struct oscillatorplot : ::testing::Test, solverplot {
    const drect world{-1.5, 1.5, 1.5, -1.5};
    rkparam* graph = make<rkparam>({1, 2, 't', false}, "f.2, -f.1", {0, 1, 0}, world);

    oscillatorplot()
    {
        source->colour = 2;
        source->rangehigh = 2 * pi;
    }

    // The device points of a fresh sample of curve c on a 400 x 400 square.
    std::vector<plotcmd> sampled(plotcurve& c)
    {
        samplerequest q = makerequest(world, {0, 0, 400, 400}, 400);
        q.unit = identitymapping;
        sampleresult result;
        EXPECT_TRUE(generatesample(c, q, result));
        return commandsof(result);
    }
};

TEST_F(oscillatorplot, ASiblingThroughAPointLiesOnTheCircleThroughIt)
{
    bool made = false;
    std::vector<plotcmd> points;
    // The unit circle painted, then its sibling through (0.5, 0).
    const screenrect area = plotarea();
    plotarea() = {20, 140, 720, 520};
    hostrun run = rundialogue("<dialog 1077=4 ok><dump sibling> ", [&] {
        psp->paint(false);
        made = psp->mousecreate(0.5, 0);
        getkey();
        if (made)
            points = sampled(*psp->activeentry()->curve);
    });
    plotarea() = area;
    auto circle = [&](double radius, int colour) {
        return exactcurve(world, {20, 140, 720, 520}, curvergb(colour), [=](double t) { return radius * std::cos(t); },
                          [=](double t) { return radius * std::sin(t); }, 0, 2 * pi, 4000);
    };
    checkgoldenplot(run.out, "sibling", VEMO_SOURCE_DIR "/tests/plots/golden", {circle(1, 2), circle(0.5, 4)});
    EXPECT_EQ(run.status, 0);
    ASSERT_TRUE(made);
    ASSERT_EQ(psp->consider.count, 2);
    EXPECT_EQ(psp->apnr, 2);
    EXPECT_EQ(p.curves.count, 2);
    plotcurve* sibling = psp->activeentry()->curve;
    EXPECT_EQ(sibling->graph, graph);   // the solver's equations, shared
    EXPECT_EQ(sibling->colour, 4);
    EXPECT_NE(sibling->owntable, source->owntable);
    EXPECT_EQ(sibling->rangehigh, 2 * pi);
    // Every state the solver reached, and every drawn point within the
    // sampling tolerance (the judge's 0.3 units and rounding).
    int states = 0;
    for (const double* e = sibling->owntable->first(); e; e = sibling->owntable->next(), ++states)
        EXPECT_NEAR(std::hypot(e[1], e[2]), 0.5, 1e-8) << "t = " << e[0];
    EXPECT_GT(states, 100);
    const screenrect s{0, 0, 400, 400};
    const double cx = devicex(world, s, 0), cy = devicey(world, s, 0), radius = devicex(world, s, 0.5) - cx;
    ASSERT_GT(points.size(), 100u);
    for (const plotcmd& q : points)
        if (q.kind == plotcmd::move || q.kind == plotcmd::line) {
            EXPECT_LE(std::fabs(std::hypot(q.a - cx, q.b - cy) - radius), 0.75) << q.kind << ": " << q.a << " " << q.b;
        }
    // The source still starts at (1, 0).
    EXPECT_EQ(source->owntable->startvector[1], 1);
}

TEST_F(oscillatorplot, TheDialogDecidesRangeStartAndClippers)
{
    source->clippers = new formulaclipper(clipperorigin{});
    struct {
        const char* answer;
        double x, y;           // the clicked point
        double start1, start2; // the sibling's start
        double low, high;
        bool clippers;
    } cases[] = {
        // The point edited in the dialog; a point outside the window
        // falls back to the clicked one.
        {"<dialog 1108=0.75 1103=0.25 ok>", 0.5, 0, 0.75, 0.25, 0, 2 * pi, true},
        {"<dialog 1108=7 ok>", 0.5, 0.1, 0.5, 0.1, 0, 2 * pi, true},
        // A range of its own only when restricted and not empty.
        {"<dialog 1086=0 1085=-1 1088=3 1107=0 ok>", 0.5, 0, 0.5, 0, -1, 3, false},
        {"<dialog 1086=0 1085=3 1088=-1 ok>", 0.5, 0, 0.5, 0, 0, 2 * pi, true},
        {"<dialog 1086=0 1085=nan ok>", 0.5, 0, 0.5, 0, 0, 2 * pi, true},
    };
    for (const auto& c : cases) {
        plotcurve* made = nullptr;
        hostrun run = rundialogue(c.answer, [&] { made = graph->mousecreate(*psp->activeentry(), c.x, c.y); });
        EXPECT_EQ(run.status, 0) << c.answer;
        ASSERT_NE(made, nullptr) << c.answer;
        std::unique_ptr<plotcurve> sibling(made);
        EXPECT_EQ(sibling->owntable->startvector[0], 0) << c.answer;
        EXPECT_EQ(sibling->owntable->startvector[1], c.start1) << c.answer;
        EXPECT_EQ(sibling->owntable->startvector[2], c.start2) << c.answer;
        EXPECT_EQ(sibling->rangelow, c.low) << c.answer;
        // A restricted range comes back from its "%.15g" text.
        EXPECT_NEAR(sibling->rangehigh, c.high, 1e-14) << c.answer;
        EXPECT_EQ(sibling->clippers != nullptr, c.clippers) << c.answer;
        EXPECT_TRUE(sibling->owntable->unchecked);
        EXPECT_EQ(sibling->owntable->count(), 1u);
    }
    plotcurve* cancelled = nullptr;
    rundialogue("<cancel>", [&] { cancelled = graph->mousecreate(*psp->activeentry(), 0.5, 0); });
    EXPECT_EQ(cancelled, nullptr);
    EXPECT_FALSE(psp->mousecreate(0.5, 0));   // no front: cancelled
    EXPECT_EQ(psp->consider.count, 1);
}

TEST(siblings, AGraphsSiblingFollowsTheSameEquationFromThePoint)
{
    // y' = y: the sibling through (1, 2) is 2 e^(x - 1).
    const drect world{-1, 3, 2, 0};
    solverplot s;
    rkgraph* graph = s.make<rkgraph>({1, 1, 't', false}, "f.1", {0, 1}, world);
    plotpsp* psp = s.psp;
    std::unique_ptr<plotcurve> sibling;
    hostrun run = rundialogue("<ok>", [&] {
        sibling.reset(graph->mousecreate(*psp->activeentry(), 1, 2));
        if (!sibling)
            return;
        samplerequest q = makerequest(world, {0, 0, 300, 300}, 0);
        q.unit = identitymapping;
        sampleresult result;
        EXPECT_TRUE(generatesample(*sibling, q, result));
    });
    ASSERT_NE(sibling, nullptr);
    EXPECT_EQ(sibling->rangelow, 0);   // unrestricted
    EXPECT_EQ(sibling->rangehigh, 0);
    int states = 0;
    for (const double* e = sibling->owntable->first(); e; e = sibling->owntable->next(), ++states)
        EXPECT_NEAR(e[1], 2 * std::exp(e[0] - 1), 1e-8 * e[1]) << "x = " << e[0];
    EXPECT_GT(states, 10);
}

}  // namespace
