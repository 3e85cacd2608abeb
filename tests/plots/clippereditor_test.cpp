// The clipper list editor on the headless front, driven by a loop of the
// test's own: editing a formula, the keys at the ends of the list, the
// help texts.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "calculator/rknames.h"
#include "formula/parser.h"
#include "plots/clippereditor.h"
#include "tests/plots/plotgraph.h"
#include "tests/screen/editrun.h"
#include "tests/screen/goldenfiles.h"

namespace {

const std::string golden = VEMO_SOURCE_DIR "/tests/plots/golden";

// A calculator of f(x, y) with one value.
clipperorigin directorigin()
{
    clipperorigin o;
    o.dimension = 1;
    o.independent = 'x';
    return o;
}

struct editrun {
    clipper* own = nullptr;
    clipper* shared = nullptr;
    clippereditstate state;
    bool changed = false;
    hostrun run;

    ~editrun()
    {
        cliplistdestroy(own);
        cliplistdestroy(shared);
    }
    // Runs the editor on the keys; own gets one clipper with that formula
    // first when formula is given.
    void edit(const std::string& keys, const char* formula)
    {
        run = rundialogue(keys, [&] {
            parser first;
            if (formula) {
                auto* c = new formulaclipper(directorigin());
                c->setformula(formula);
                c->implement(clipper::checkone, "xy");
                own = c;
            }
            changed = editclippers(own, shared, state, directorigin(), "xy");
            // Compiled code goes with the shared state.
            for (clipper* c = own; c; c = c->following())
                if (auto* f = dynamic_cast<formulaclipper*>(c))
                    f->implstamp = 0;
        });
        EXPECT_EQ(run.status, 0) << keys;
    }
    formulaclipper* first() const { return dynamic_cast<formulaclipper*>(own); }
};

}

TEST(clippereditor, EditingAFormulaClipper)
{
    editrun e;
    e.state.newallowed = e.state.deleteallowed = 1;
    e.edit("<dump clippers-start>e<End><Backspace><Backspace><Backspace>+x - 2<Enter><dump clippers-edited>-<dump clippers-negative><Esc>",
           "y - 1");
    ASSERT_NE(e.first(), nullptr);
    EXPECT_TRUE(e.changed);
    EXPECT_STREQ(e.first()->text(), "y +x - 2");
    EXPECT_EQ(e.first()->sign, 1);
    std::string start = dumptext(e.run, "clippers-start");
    EXPECT_NE(start.find("Clipper nr. 1"), std::string::npos);
    EXPECT_NE(start.find("y - 1"), std::string::npos);
    EXPECT_NE(dumptext(e.run, "clippers-edited").find("y +x - 2"), std::string::npos);
    // The editor runs without a plot behind it: its pictures show the box
    // alone, no curve to fit.
    for (const char* name : {"clippers-start", "clippers-edited", "clippers-negative"})
        checkgoldenfiles(e.run.out, name, golden);
}

TEST(clippereditor, ASeveralValuedFormulaIsRefusedWithItsMessage)
{
    editrun e;
    e.edit("e<End>, x<Enter><dump refused><Enter><dump after><Esc>", "y");
    ASSERT_NE(e.first(), nullptr);
    EXPECT_STREQ(e.first()->text(), "y, x");
    std::string refused = dumptext(e.run, "refused");
    EXPECT_NE(refused.find("Clipper formulae must return a single value."), std::string::npos) << refused;
    EXPECT_NE(refused.find("But this formula returns 2 values"), std::string::npos);
    EXPECT_NE(dumptext(e.run, "after").find("not <i>mplemented"), std::string::npos);
}

TEST(clippereditor, EndsOfTheListAndDeletingTheLastClipper)
{
    editrun e;
    e.state.deleteallowed = 1;
    e.edit("<Up><Down><Down><dump ends><Del>", "x");
    EXPECT_EQ(e.own, nullptr);
    EXPECT_TRUE(e.changed);
    EXPECT_EQ(e.state.total, 0u);
    EXPECT_NE(dumptext(e.run, "ends").find("Clipper nr. 1"), std::string::npos);
}

TEST(clippereditor, StartingWithANewClipperAndCancellingIt)
{
    editrun made, cancelled;
    made.state.newallowed = made.state.startwithnew = 1;
    made.edit("x*y<Enter><Enter>", nullptr);
    ASSERT_NE(made.first(), nullptr);
    EXPECT_STREQ(made.first()->text(), "x*y");
    EXPECT_EQ(made.first()->sign, -1);
    EXPECT_TRUE(made.changed);
    cancelled.state.newallowed = cancelled.state.startwithnew = 1;
    cancelled.edit("x<Esc>", nullptr);
    EXPECT_EQ(cancelled.own, nullptr);
    EXPECT_FALSE(cancelled.changed);
}

// A designer-plot curve: a new clipper shared with the sibling curves goes
// to the graph and makes both generations new.
TEST(clippereditor, CurveClippersSharedWithTheSiblings)
{
    uint32_t shared = 0, own = 0;
    bool changed = false, generations = false;
    hostrun run = rundialogue("y2<Enter><dump shared><Esc>", [&] {
        parser first;
        plot p;
        auto* g = new stubgraph(&p);
        p.graphs.append(g);
        for (int i = 0; i < 3; ++i) {
            auto* c = new plotcurve;
            c->graph = g;
            p.curves.append(c);
        }
        plotcurve& curve = *p.curves.first();
        changed = curveclippers(curve);
        shared = uint32_t(g->ownclippers.count);
        own = cliplistcount(curve.clippers);
        generations = curve.generation != 0 && g->generationcounter != 0;
    });
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(changed);
    EXPECT_EQ(shared, 1u);
    EXPECT_EQ(own, 0u);
    EXPECT_TRUE(generations);
    EXPECT_NE(dumptext(run, "shared").find("Clipper nr. 1    (shared)"), std::string::npos);
}

TEST(clipperhelp, NamesTheArgumentsAndTheValueSymbols)
{
    clipperorigin direct = directorigin();
    direct.dimension = 3;
    std::string text = clipperhelp("xy", direct);
    EXPECT_NE(text.find("\n\rx, y \n\r(where x is the selected argument)\n\r"), std::string::npos);
    EXPECT_NE(text.find("f.1         f.2         f.3"), std::string::npos);
    clipperorigin rk;
    rk.order = 2;
    rk.dimension = 1;
    rk.independent = 't';
    rk.arclength = false;
    text = clipperhelp("t", rk);
    EXPECT_NE(text.find("\n\r t\n\r"), std::string::npos);
    EXPECT_NE(text.find("f           \n\rf'          \n\r"), std::string::npos);
    EXPECT_NE(clipperhelp(std::string(25, 'a').c_str(), directorigin()).find("a,a,a"), std::string::npos);
}

TEST(clipperhelp, SymbolTablesLeaveOutMiddleColumnsAndHighRows)
{
    rkshape wide{2, 6, 't', false};
    std::string rows = symbolrows(wide, 2);
    EXPECT_EQ(rows, "f.1         f.2         . . .       f.6         \n\r"
                    "f.1'        f.2'        . . .       f.6'        ");
    rkshape four{1, 4, 't', false};
    EXPECT_EQ(symbolrows(four, 1), "f.1         f.2         f.3         f.4         ");
    rkshape high{8, 1, 't', false};   // columns of order + 5
    EXPECT_EQ(symbolrows(high, 8), "f            \n\rf'           \n\r  .          \n\r  .          ");
    std::string single = showformulasymbols({1, 1, 't', false});
    EXPECT_EQ(single, "Expecting a single valued formula, defining how f' \n\rdepends on t and f.\n\r"
                      "To refer to f, \n\ruse the following symbol:\n\n\rf           \n\n\r"
                      "It stands for f(t) but must not be used with the braces.");
    std::string several = showformulasymbols({2, 2, 's', false});
    EXPECT_NE(several.find("Expecting a formula with 2 values, defining how f'' \n\r"
                           "depends on s and the lower order derivatives of f.\n\r"
                           "To refer to the components of f and their derivatives, \n\ruse the following symbols:"),
              std::string::npos);
    EXPECT_NE(several.find("They are atoms"), std::string::npos);
    EXPECT_NE(showformulasymbols({1, 1, 's', true}).find("\"arc\" cannot"), std::string::npos);
}
