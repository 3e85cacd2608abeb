// The designer plot's data model: the mapping of a perspective and its
// inverse forms, window agreement, the queries on curves and graphs, and
// building, copying and deleting plots.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "base/objcount.h"
#include "math/valtable.h"
#include "plots/clipper.h"
#include "plots/plot.h"
#include "plots/plotlist.h"
#include "tests/plots/plotgraph.h"
#include "tests/screen/editrun.h"

namespace {

// Equal within tolerance relative to the larger of the size and the edges.
void expectwindow(const drect& got, const drect& want, double tolerance, const char* what)
{
    double w = std::max({std::fabs(rectwidth(want)), std::fabs(want.left), std::fabs(want.right)});
    double h = std::max({std::fabs(rectheight(want)), std::fabs(want.top), std::fabs(want.bottom)});
    EXPECT_NEAR(got.left, want.left, tolerance * w) << what;
    EXPECT_NEAR(got.right, want.right, tolerance * w) << what;
    EXPECT_NEAR(got.top, want.top, tolerance * h) << what;
    EXPECT_NEAR(got.bottom, want.bottom, tolerance * h) << what;
}

plotcurve* addcurve(plot& p, canplot* graph, const drect& world, bool enabled = true)
{
    auto* c = new plotcurve;
    c->graph = graph;
    c->world = world;
    c->enabled = enabled;
    p.curves.append(c);
    return c;
}

}

TEST(plotmapping, TheMiddleMappingShowsTheMiddleHalf)
{
    drect w{-2.0, 10.0, 6.0, 2.0};
    drect shown = mapcorners(w, {0.25, 0.75, 0.75, 0.25});
    expectwindow(shown, {0.0, 8.0, 4.0, 4.0}, 0, "middle half");
    expectwindow(mapcorners(w, identitymapping), w, 0, "identity");
    EXPECT_TRUE(mapcorners(w, nowindow).isempty());
    EXPECT_TRUE(mapcorners(nowindow, identitymapping).isempty());
}

TEST(plotmapping, BothInverseFormsGiveTheWindowBack)
{
    // Offsets of up to a thousand times the size: a window far from 0
    // compared with its size loses digits in any subtraction.
    const drect windows[] = {{-1, 1, 1, -1}, {1e3, 1e3 + 3, 1e3 + 0.5, 1e3 - 2}, {-3e-5, 7e-5, 2e-5, 1e-5},
                             {0, 1e8, 250, -1e8}};
    const drect mappings[] = {{0.25, 0.75, 0.75, 0.25}, {-0.5, 2.0, 1.5, 0.1}, {0.1, 0.9, 0.2, 0.8}, identitymapping};
    for (const drect& w : windows)
        for (const drect& m : mappings) {
            drect shown = mapcorners(w, m);
            expectwindow(relcorners(shown, w), m, 1e-12, "relative mapping");
            expectwindow(unmapcorners(shown, m), w, 1e-12, "curve window");
        }
    EXPECT_TRUE(relcorners(nowindow, windows[0]).isempty());
    EXPECT_TRUE(unmapcorners(windows[0], nowindow).isempty());
}

TEST(plotmapping, WindowsMatchWithinATenMillionthOfTheirSize)
{
    drect a{-1.0, 3.0, 1.0, -1.0};   // 2 wide, 4 high
    struct {
        double dx, dy;
        bool match;
    } cases[] = {
        {0, 0, true}, {1.9e-7, 0, true}, {2.1e-7, 0, false}, {0, 3.9e-7, true}, {0, 4.1e-7, false},
        {-1.9e-7, -3.9e-7, true}, {NAN, 0, false},
    };
    for (const auto& k : cases) {
        drect b{a.left + k.dx, a.top + k.dy, a.right + k.dx, a.bottom - k.dy};
        EXPECT_EQ(windowsmatch(a, b), k.match) << k.dx << ", " << k.dy;
    }
}

TEST(plotmodel, PerspectivesAreNumberedAboveTheHighest)
{
    plot p;
    EXPECT_EQ(p.nextpspnumber(), 1);
    EXPECT_TRUE(p.nopsp());
    for (int n : {1, 5, 3}) {
        auto* psp = new plotpsp(&p);
        psp->number = n;
        p.perspectives.append(psp);
    }
    EXPECT_EQ(p.nextpspnumber(), 6);
    plotpsp made(&p);
    EXPECT_EQ(made.number, 6);
    EXPECT_EQ(made.transfer.back, &made);
    plotpsp copy(made);
    EXPECT_EQ(copy.number, 6);
    EXPECT_EQ(copy.transfer.back, &copy);
    EXPECT_EQ(copy.consider.count, 0);
    // Below 1 the current number names the first perspective.
    EXPECT_EQ(p.activemapping(), p.perspectives.first());
    p.currentpsp = 3;
    EXPECT_EQ(p.activemapping()->number, 3);
    p.clipboard = new plotpsp(&p);
    EXPECT_EQ(p.shownpsp()->number, 3);
    p.clipboardshown = 1;
    EXPECT_EQ(p.shownpsp(), p.clipboard);
}

TEST(plotmodel, CurvesAreCountedAmongTheEnabledOnesAndByGraph)
{
    plot p;
    auto* g1 = new stubgraph(&p);
    auto* g2 = new stubgraph(&p);
    p.graphs.append(g1);
    p.graphs.append(g2);
    drect w{0, 1, 1, 0};
    plotcurve* a = addcurve(p, g1, w);
    plotcurve* b = addcurve(p, g2, w, false);
    plotcurve* c = addcurve(p, g2, w);
    plotcurve* d = addcurve(p, g1, w);
    EXPECT_EQ(p.countenabled(), 3u);
    EXPECT_EQ(p.enabledcurve(2), c);
    EXPECT_EQ(p.enabledcurve(0), nullptr);
    EXPECT_EQ(p.enabledcurve(4), nullptr);
    EXPECT_EQ(p.curvenumber(d), 3u);
    EXPECT_EQ(p.curvenumber(b), 0u);
    p.numbergraphs();
    EXPECT_EQ(a->graphnumber, 1u);
    EXPECT_EQ(c->graphnumber, 2u);
    EXPECT_EQ(p.curveofgraph(2), b);
    EXPECT_EQ(p.countcurvesofgraph(1), 2u);

    auto* psp = new plotpsp(&p);
    p.perspectives.append(psp);
    auto* entry = new autoprint(psp, c);
    psp->consider.append(entry);
    EXPECT_EQ(entry->siblingcount(), 2u);
    EXPECT_EQ(entry->resolution, 800);
    EXPECT_EQ(entry->pen, 20);
}

TEST(plotmodel, MappedWindowsGoThroughTheActiveEntry)
{
    plot p;
    EXPECT_TRUE(p.mappedwindow().isempty());
    EXPECT_TRUE(p.shownwindow().isempty());
    auto* psp = new plotpsp(&p);
    psp->mapping = {0.25, 0.75, 0.75, 0.25};
    p.perspectives.append(psp);
    plotcurve* first = addcurve(p, nullptr, {0, 4, 4, 0});
    plotcurve* second = addcurve(p, nullptr, {10, 30, 30, 10});
    psp->consider.append(new autoprint(psp, first));
    psp->consider.append(new autoprint(psp, second));
    expectwindow(p.mappedwindow(), {1, 3, 3, 1}, 0, "first entry when none is active");
    psp->apnr = 2;
    expectwindow(p.mappedwindow(), {15, 25, 25, 15}, 0, "active entry");
    expectwindow(p.shownwindow(), {15, 25, 25, 15}, 0, "shown");
    expectwindow(p.currentmapping(), {10, 30, 30, 10}, 0, "current curve's window");
}

TEST(plotmodel, CurveCopiesShareTablesAndCopyClippers)
{
    auto table = std::make_shared<valtable>(3);
    plotcurve a;
    a.owntable = table;
    a.clippers = new boundclipper(0, -1, 1);
    a.clippers->next = new rectclipper({0, 1, 1, 0}, 0, 1);
    a.colour = 4;
    a.generation = 9;
    {
        plotcurve b(a);
        EXPECT_EQ(b.owntable, table);
        EXPECT_EQ(table.use_count(), 3);
        EXPECT_NE(b.clippers, a.clippers);
        EXPECT_EQ(cliplistcount(b.clippers), 2u);
        EXPECT_EQ(b.colour, 4);
        EXPECT_EQ(b.generation, 0u);
    }
    EXPECT_EQ(table.use_count(), 2);
}

TEST(plotmodel, GraphCopiesGoOnlyToAnotherPlot)
{
    plot p0, p1;
    stubgraph fastgraph;
    fastgraph.sourcekind = canplot::fastplotsource;
    auto* g = new stubgraph(&p0);
    p0.graphs.append(g);
    g->argcount = 2;
    g->valuecount = 1;
    g->plottedarg = 2;
    ASSERT_TRUE(g->sizework());
    g->work[0] = 1.5;
    g->work[1] = 2.5;
    g->ownclippers.append(new boundclipper(0, 0, 1));
    EXPECT_EQ(g->copyto(&p0), nullptr);
    EXPECT_EQ(g->copyto(nullptr), nullptr);
    EXPECT_EQ(fastgraph.copyto(&p1), nullptr);
    EXPECT_EQ(p0.graphs.count + p1.graphs.count, 1);
    std::unique_ptr<canplot> copy(g->copyto(&p1));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(graphsource(copy.get()), &p1);
    EXPECT_EQ(copy->components, &p1.components);
    EXPECT_EQ(copy->work[0], 1.5);
    EXPECT_EQ(copy->plotted, copy->work + 1);
    EXPECT_EQ(copy->ownclippers.count, 1);
    EXPECT_NE(copy->ownclippers.head, g->ownclippers.head);
}

TEST(plotmodel, BuildingAndDeletingPlotsLeavesNoObject)
{
    double live = objcountstate().live;
    auto table = std::make_shared<valtable>(2);
    {
        chainof<plot>& plots = plotlist();
        for (int n = 0; n < 3; ++n) {
            auto* p = new plot;
            auto* g = new stubgraph(p);
            p->graphs.append(g);
            auto* psp = new plotpsp(p);
            p->perspectives.append(psp);
            for (int i = 0; i < 4; ++i) {
                plotcurve* c = addcurve(*p, g, {0, 1, 1, 0});
                c->fastplottable = table;
                c->clippers = new formulaclipper;
                auto* entry = new autoprint(psp, c);
                entry->sample.points = new plotcmdlist(5);
                psp->consider.append(entry);
            }
            p->clipboard = new plotpsp(*psp);
            plots.append(p);
        }
        plots.setcursor(2);
        EXPECT_EQ(currentplot(), plots.at(2));
        EXPECT_GT(objcountstate().live, live);
        dropplotlist();
    }
    EXPECT_EQ(currentplot(), nullptr);
    EXPECT_EQ(objcountstate().live, live);
    EXPECT_EQ(table.use_count(), 1);
}

TEST(plotmodel, MissingEntriesAreReportedAndAnswerNoWindow)
{
    bool empty[3] = {};
    hostrun run = rundialogue("<dump current><Enter><dump perspective><Enter><dump entry><Enter>", [&] {
        plot p;
        auto* psp = new plotpsp(&p);
        p.perspectives.append(psp);
        psp->apnr = 1;
        empty[0] = p.currentmapping().isempty();
        psp->apnr = 0;
        empty[1] = psp->mappedwindow().isempty();
        autoprint orphan(psp, nullptr);
        empty[2] = orphan.mappedwindow().isempty();
    });
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(empty[0] && empty[1] && empty[2]);
    struct {
        const char* dump;
        const char* tag;
    } cases[] = {{"current", "plot::currentmapping()"},
                 {"perspective", "plotpsp::mappedwindow()"},
                 {"entry", "autoprint::mappedwindow()"}};
    for (const auto& k : cases) {
        std::string text = dumptext(run, k.dump);
        EXPECT_NE(text.find("Unexpected error:"), std::string::npos) << k.dump;
        EXPECT_NE(text.find(k.tag), std::string::npos) << k.dump;
    }
}
