// Perspectives registered in another plot, duplicated plots and copied
// curves, and the statistics boxes.
#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <functional>
#include <memory>
#include <string>

#include "base/objcount.h"
#include "math/valtable.h"
#include "plots/clipper.h"
#include "plots/plot.h"
#include "plots/plotcommands.h"
#include "plots/plotlist.h"
#include "tests/plots/plotgraph.h"
#include "tests/screen/editrun.h"

namespace {

plotcurve* curveon(plot& p, canplot* g, bool enabled = true)
{
    auto* c = new plotcurve;
    c->graph = g;
    c->world = {0, 1, 1, 0};
    c->enabled = enabled;
    p.curves.append(c);
    return c;
}

// A plot in the plot list: curves A and B on one graph, a disabled curve
// D, curve C on a second graph (enabled numbers: A 1, B 2, C 3), and
// perspectives numbered 1 .. n; perspective i shows curves by the letters
// given ("" for an empty one, a lower-case letter for a hidden entry).
struct listedplot : ::testing::Test {
    plot* p = new plot;
    stubgraph* g1 = new stubgraph(p);
    stubgraph* g2 = new stubgraph(p);
    plotcurve *a, *b, *d, *c;

    listedplot()
    {
        p->graphs.append(g1);
        p->graphs.append(g2);
        a = curveon(*p, g1);
        b = curveon(*p, g1);
        d = curveon(*p, g2, false);
        c = curveon(*p, g2);
        c->clippers = new boundclipper(0, -1, 1);
        plotlist().append(p);
        plotlist().setcursor(plotlist().count);
    }
    ~listedplot() override { dropplotlist(); }

    // Runs commands that paint on the screen of a running host.
    static void painting(const std::function<void()>& body) { rundialogue("", body); }

    plotpsp* addpsp(const std::string& letters)
    {
        auto* s = new plotpsp(p);
        s->number = p->perspectives.count + 1;
        for (char l : letters) {
            plotcurve* curve = l == 'a' || l == 'A' ? a : l == 'b' || l == 'B' ? b : l == 'c' || l == 'C' ? c : d;
            auto* e = new autoprint(s, curve);
            e->visible = std::isupper(static_cast<unsigned char>(l)) ? 1 : 0;
            e->pen = uint16_t(10 + s->consider.count);
            s->consider.append(e);
        }
        s->apnr = s->consider.count ? 1 : 0;
        p->perspectives.append(s);
        return s;
    }
    // The perspectives of a plot: number, then the enabled numbers of the
    // entries' curves in that plot; "*" marks the current one.
    static std::string layout(const plot& q)
    {
        std::string out;
        int i = 0;
        for (plotpsp* s = q.perspectives.first(); s; s = static_cast<plotpsp*>(s->next)) {
            out += std::to_string(s->number) + ":";
            for (autoprint* e = s->consider.first(); e; e = static_cast<autoprint*>(e->next))
                out += std::to_string(q.curvenumber(e->curve));
            out += ++i == q.currentpsp ? "* " : " ";
        }
        return out;
    }
};

TEST_F(listedplot, RegisteredPerspectiveTakesTheTargetsCurvesByNumber)
{
    plotpsp* s = addpsp("AbC");
    s->mapping = {0.25, 0.75, 0.75, 0.25};
    std::strcpy(s->transfer.name, "HUGO.RKP");
    plot target;
    ASSERT_TRUE(target.copycurves(*p));
    std::unique_ptr<plotpsp> copy(s->registr(&target));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->owner, &target);
    EXPECT_EQ(copy->number, s->number);
    EXPECT_EQ(std::string(copy->transfer.name), "HUGO.RKP");
    EXPECT_EQ(copy->transfer.back, copy.get());
    EXPECT_EQ(copy->mapping.left, 0.25);
    EXPECT_EQ(copy->apnr, 1);
    ASSERT_EQ(copy->consider.count, 2);   // the hidden entry stays behind
    autoprint* first = copy->consider.first();
    autoprint* second = static_cast<autoprint*>(first->next);
    EXPECT_EQ(first->curve, target.enabledcurve(1));
    EXPECT_EQ(second->curve, target.enabledcurve(3));
    EXPECT_EQ(first->perspective, copy.get());
    EXPECT_EQ(second->pen, 12);
}

TEST_F(listedplot, RegistrationFailuresMakeNothing)
{
    plotpsp* s = addpsp("A");
    plotpsp* ondisabled = addpsp("D");
    plot empty, target;
    ASSERT_TRUE(target.copycurves(*p));
    double live = objcountstate().live;
    hostrun run = rundialogue("<dump own>x<dump missing>x<dump disabled>x", [&] {
        EXPECT_EQ(s->registr(p), nullptr);
        EXPECT_EQ(s->registr(&empty), nullptr);
        EXPECT_EQ(ondisabled->registr(&target), nullptr);
    });
    EXPECT_EQ(objcountstate().live, live);
    EXPECT_NE(dumptext(run, "own").find("plotpsp::registr 1"), std::string::npos);
    EXPECT_NE(dumptext(run, "missing").find("plotpsp::registr 2"), std::string::npos);
    EXPECT_NE(dumptext(run, "disabled").find("inactive autoplot"), std::string::npos);
}

TEST_F(listedplot, CopiedCurvesShareOneGraphCopyPerSourceGraph)
{
    p->copyover = 1;
    plot target;
    ASSERT_TRUE(target.copycurves(*p));
    ASSERT_EQ(target.curves.count, 3);   // the disabled one is not copied
    ASSERT_EQ(target.graphs.count, 2);
    plotcurve* na = target.enabledcurve(1);
    plotcurve* nb = target.enabledcurve(2);
    plotcurve* nc = target.enabledcurve(3);
    EXPECT_EQ(na->graph, nb->graph);
    EXPECT_NE(na->graph, nc->graph);
    for (plotcurve* n : {na, nb, nc}) {
        EXPECT_EQ(target.graphs.indexof(n->graph), int(n->graphnumber));
        EXPECT_EQ(graphsource(n->graph), &target);
    }
    EXPECT_NE(nc->clippers, c->clippers);
    EXPECT_EQ(cliplistcount(nc->clippers), 1u);
}

TEST_F(listedplot, DuplicatesKeepTheCopyOfTheCurrentPerspectiveCurrent)
{
    struct {
        const char* what;
        const char* perspectives;   // letters of each, "|" between
        int current;
        bool all;
        const char* expected;
    } cases[] = {
        {"one perspective", "AB", 1, false, "1:12* "},
        {"the visible one is number 1", "A|BC|C", 3, false, "1:3* "},
        {"everything", "A|BC|C", 2, true, "1:1 2:23* 3:3 "},
        {"an empty one in front", "|BC|C", 3, true, "2:23 3:3* "},
        {"the current one empty", "A||C", 2, true, "1:1* 3:3 "},
        {"the first one empty and current", "|A|C", 1, true, "2:1* 3:3 "},
        {"the last one current after a skip", "A||C", 3, true, "1:1 3:3* "},
    };
    for (const auto& t : cases) {
        std::string spec = t.perspectives;
        size_t from = 0;
        for (size_t bar; (bar = spec.find('|', from)) != std::string::npos; from = bar + 1)
            addpsp(spec.substr(from, bar - from));
        addpsp(spec.substr(from));
        p->currentpsp = uint16_t(t.current);
        std::string before = layout(*p);
        bool done = false;
        painting([&] { done = t.all ? duplicateall() : duplicatevisible(); });
        ASSERT_TRUE(done) << t.what;
        ASSERT_EQ(plotlist().count, 2) << t.what;
        plot* made = currentplot();
        ASSERT_NE(made, p) << t.what;
        EXPECT_EQ(layout(*made), t.expected) << t.what;
        EXPECT_EQ(made->activemapping(), made->perspectives.at(made->currentpsp)) << t.what;
        EXPECT_EQ(layout(*p), before) << t.what;
        plotlist().erase(made);
        plotlist().setcursor(1);
        p->perspectives.clear();
    }
}

TEST_F(listedplot, DuplicatingAsksNothingForASinglePerspectiveNumberedOne)
{
    addpsp("C");
    bool made = false;
    painting([&] { made = duplicateplot(); });
    EXPECT_TRUE(made);
    EXPECT_EQ(plotlist().count, 2);
    EXPECT_EQ(plotlist().cursor, 2);
    EXPECT_EQ(layout(*currentplot()), "1:3* ");
}

TEST_F(listedplot, NoDuplicateWhileTheClipboardIsShownOrWithoutPerspectives)
{
    EXPECT_FALSE(duplicatevisible());
    EXPECT_FALSE(duplicateall());
    addpsp("A");
    p->currentpsp = 1;
    painting([&] { p->copytoclipboard(); });
    ASSERT_TRUE(p->clipboardshown);
    EXPECT_FALSE(duplicatevisible());
    EXPECT_FALSE(duplicateall());
    EXPECT_EQ(plotlist().count, 1);
}

TEST_F(listedplot, CopiedCurveIsAppendedWithItsEntry)
{
    plotpsp* s = addpsp("BC");
    s->apnr = 2;
    std::string message;
    ASSERT_TRUE(s->copycurve(message));
    EXPECT_EQ(message, "A copy of curve #3 has been added as #4");
    ASSERT_EQ(s->consider.count, 3);
    autoprint* added = s->consider.at(3);
    EXPECT_EQ(added->curve, p->curves.at(5));
    EXPECT_EQ(added->curve->graph, c->graph);
    EXPECT_NE(added->curve->clippers, c->clippers);
    EXPECT_EQ(added->pen, 11);
    EXPECT_EQ(added->perspective, s);
    // Active number 0: the first entry's curve.
    s->apnr = 0;
    ASSERT_TRUE(s->copycurve(message));
    EXPECT_EQ(message, "A copy of curve #2 has been added as #5");
}

TEST_F(listedplot, StatisticsCountTablesAndShowNoCountWithoutASample)
{
    plotpsp* s = addpsp("A");
    p->currentpsp = 1;
    struct {
        const char* what;
        bool table;
        int points;   // entries of the sample, 0 for none
        const char* plotbox;
        const char* curvebox;
    } cases[] = {
        {"nothing", false, 0, "No valtable resources used", "No points computed"},
        // Three entries of (x, y): 3 x (8 x 2 + 12) bytes.
        {"a table and a sample", true, 12, "holding a total of 84 bytes", "Points computed: 10"},
    };
    for (const auto& t : cases) {
        auto table = std::make_shared<valtable>(2);
        ASSERT_TRUE(table->flush());
        for (double x : {1.0, 2.0}) {
            double v[2] = {x, x};
            ASSERT_TRUE(table->append(v, 1, 1, 0.1));
        }
        a->owntable = t.table ? table : nullptr;
        autoprint* e = s->consider.first();
        e->sample.clear();
        if (t.points)
            e->sample.points = new plotcmdlist(uint32_t(t.points));
        hostrun run = rundialogue("<dump tables>x<dump curve>x", [&] { p->statistics(); });
        std::string tables = dumptext(run, "tables"), curve = dumptext(run, "curve");
        EXPECT_NE(tables.find(t.plotbox), std::string::npos) << t.what << "\n" << tables;
        EXPECT_NE(tables.find("Value Table Statistics"), std::string::npos) << t.what;
        EXPECT_NE(curve.find(t.curvebox), std::string::npos) << t.what << "\n" << curve << tables;
        EXPECT_EQ(curve.find("Points computed: -"), std::string::npos) << t.what;
    }
}

}  // namespace
