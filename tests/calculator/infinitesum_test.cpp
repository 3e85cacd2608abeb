// Infinite sums on the headless front: called by a calculator's function
// object from a library file, shown on their view page, and a failed
// summation reported.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include "calculator/funm.h"
#include "formula/diagnostics.h"
#include "formula/parser.h"
#include "objects/context.h"
#include "objects/fuinfinite.h"
#include "objects/slotcomp.h"
#include "screen/palette.h"
#include "tests/objects/libfixture.h"
#include "tests/screen/dumpfile.h"
#include "tests/screen/editrun.h"

namespace {

const char* const sums =
    "@@FUINFINITE\nbasel\n1\n1\n@DATA\n@ARGS\na\n@SUMRECORD\n@MODE\n++\nACCEL\n@END SUMRECORD\n@SUMVAR\nk\n"
    "@SUMMAND\na/k^2\n@STARTAT\n1\n@STEP\n1\n@ROT\n1.570796326794897\n@PHASE\n0\n@@END FUINFINITE\n"
    "@@FUINFINITE\nrot\n1\n1\n@DATA\n@ARGS\nr\n@SUMRECORD\n@MODE\nc\nACCEL\n@END SUMRECORD\n@SUMVAR\nn\n"
    "@SUMMAND\n1/n\n@STARTAT\n1\n@STEP\n1\n@ROT\nr\n@PHASE\n0\n@@END FUINFINITE\n"
    "@@FUINFINITE\ngrow\n1\n1\n@DATA\n@ARGS\nx\n@SUMRECORD\n@MODE\n+-\nACCEL\n@END SUMRECORD\n@SUMVAR\nk\n"
    "@SUMMAND\nx^k\n@STARTAT\n0\n@STEP\n1\n@ROT\n0\n@PHASE\n0\n@@END FUINFINITE\n";

struct infinitefront : libdir {
    void TearDown() override
    {
        slotcomp::dropspare();
        freecontext();
        libdir::TearDown();
    }
    // The value of formula at x on a calculator's function object.
    double value(const char* formula, double x, hostrun* run, const std::string& script)
    {
        double v = NAN;
        *run = rundialogue(script, [&] {
            open();
            funm f;
            f.setformula(formula, "x");
            if (f.implement(1, 0))
                v = f.calcx(x);
        });
        return v;
    }
};


}

TEST_F(infinitefront, CalculatorCallsSumsFromALibraryFile)
{
    put("DESKTOP.LIB", "");
    put("S.LIB", sums);
    hostrun run;
    double v = value("basel(6/pi^2)+rot(x)", 1, &run, "<dump ask>y<dump ask2>y");
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(shows(run, "ask", "seeking component: \"basel\""));
    EXPECT_TRUE(shows(run, "ask2", "seeking component: \"rot\""));
    EXPECT_NEAR(v, 1 - std::log(2 * std::sin(0.5)), 1e-14);
}

TEST_F(infinitefront, FailedSummationIsReported)
{
    put("DESKTOP.LIB", sums);
    hostrun run;
    double v = value("grow(x)", 3, &run, "<dump failed><Enter>");
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(std::isnan(v) || v == 0.0);
    EXPECT_TRUE(shows(run, "failed", "convergence acceleration:"));
    EXPECT_TRUE(shows(run, "failed", "Accelerator error: inner loop fails to converge"));
}

// The page stands in the area from column 20, row 7 to the corner, in
// the colours of its roles, with the help footer.
TEST_F(infinitefront, ViewPage)
{
    put("DESKTOP.LIB", sums);
    hostrun run = rundialogue("<dump page><Esc>", [&] {
        open();
        static_cast<fuinfinite*>(findresidentat(*localobjects, "rot", 1, 1, 0))->show();
    });
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(shows(run, "page", "Summation with factor cos(n*rot+phase)"));
    EXPECT_TRUE(shows(run, "page", "Acceleration: on"));
    EXPECT_TRUE(shows(run, "page", "Summation Index: 'n'"));
    EXPECT_TRUE(shows(run, "page", "Rotation angle:"));
    EXPECT_TRUE(shows(run, "page", "1/n"));
    // 22 lines centred in rows 7 to 30: the frame from row 8 to 29.
    std::istringstream rows(dumptext(run, "page"));
    std::vector<std::string> row(1);
    for (std::string line; std::getline(rows, line);)
        row.push_back(line);
    ASSERT_GE(row.size(), 30u);
    EXPECT_NE(row[8].find("\u2554\u2550\u2550"), std::string::npos) << row[8];
    EXPECT_NE(row[8].find(" Infinite Sum "), std::string::npos) << row[8];
    EXPECT_NE(row[29].find(" Press <F1> for help "), std::string::npos) << row[29];
    const std::string png = run.out + "/page.png";
    EXPECT_EQ(cellcolor(png, 21, 12), colorrgb(colorof(172)));   // frame on the box background
    EXPECT_EQ(cellcolor(png, 55, 9), colorrgb(colorof(179)));    // the bar
    EXPECT_EQ(cellcolor(png, 55, 12), colorrgb(colorof(177)));   // the page
}

// The summation type and the summand changed in the function editor and
// kept: 2a/k^2 alternating from k = 1 is pi^2/6 at a = 1.
TEST_F(infinitefront, EditTypeAndSummand)
{
    put("DESKTOP.LIB", sums);
    double before = 0, after = 0;
    bool kept = false;
    hostrun run = rundialogue("<Down><Down><Down><Down>e<dump types>-+<dump type><Down><Down><Down><Down>e<End>*2<Enter>"
                              "<dump edited><Enter><dump finish>1",
                              [&] {
                                  open();
                                  auto* f = static_cast<fuinfinite*>(findresidentat(*localobjects, "basel", 1, 1, 0));
                                  double a = 1;
                                  before = f->tcalc(&a);
                                  kept = f->edit();
                                  after = f->tcalc(&a);
                              });
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(kept);
    EXPECT_NEAR(before, std::numbers::pi * std::numbers::pi / 6, 1e-14);
    EXPECT_NEAR(after, std::numbers::pi * std::numbers::pi / 6, 1e-14);
    EXPECT_TRUE(shows(run, "types", "<e>  with factor exp(i*(k*rot+phase))"));
    EXPECT_TRUE(shows(run, "type", "Summation alternating, starting with '+'"));
    EXPECT_TRUE(shows(run, "edited", " a/k^2*2"));
    EXPECT_TRUE(shows(run, "finish", "The new version is OK."));
}

// A new argument list that takes the index letter warns; the edit is then
// left without keeping it.
TEST_F(infinitefront, ArgumentListTakingTheIndexWarns)
{
    put("DESKTOP.LIB", sums);
    hostrun run = rundialogue("<Down>e<End><Backspace>,k)<Enter><dump warn><Enter><Esc>1", [&] {
        open();
        static_cast<fuinfinite*>(findresidentat(*localobjects, "basel", 1, 1, 0))->edit();
    });
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(shows(run, "warn", " W A R N I N G "));
    EXPECT_TRUE(shows(run, "warn", "You need to change the summation index \"k\", too,"));
    EXPECT_TRUE(shows(run, "warn", "since it's now colliding with one of the new arguments!"));
}

// The index letter: keys that are no letters ask again, an argument's
// letter asks what to do, another letter is taken.
TEST_F(infinitefront, IndexLetterChosen)
{
    put("DESKTOP.LIB", sums);
    char index = 0;
    hostrun run = rundialogue("<Down><Down><Down><Down><Down><Down><Down><Down><Down><Down>e3<F1><dump again>a<dump taken>j<dump list><Esc>1", [&] {
        open();
        auto* f = static_cast<fuinfinite*>(findresidentat(*localobjects, "basel", 1, 1, 0));
        f->edit();
        index = f->sumvar;
    });
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(shows(run, "again", " Summation index (currently: \"k\") "));
    EXPECT_TRUE(shows(run, "again", "Which character will be used as the summation index ?"));
    EXPECT_TRUE(shows(run, "taken", "\"a\" has been declared as an argument. Please select:"));
    EXPECT_TRUE(shows(run, "list", "Summation index: j"));
    EXPECT_EQ(index, 'k');   // the edit was left without keeping it
}

TEST(exitchoice, DiscardQuestionAndTheTwoOutcomes)
{
    int keys[3] = {};
    hostrun run = rundialogue("<dump zero>1<dump one>0<dump two>e", [&] {
        parser context;
        keys[0] = exitchoice(0);
        keys[1] = exitchoice(1);
        keys[2] = exitchoice(2);
    });
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(keys[0], '1');
    EXPECT_EQ(keys[1], '0');
    EXPECT_EQ(keys[2], 'e');
    EXPECT_TRUE(shows(run, "zero", "You are discarding all the changes you made."));
    EXPECT_TRUE(shows(run, "one", "The new version is OK."));
    EXPECT_TRUE(shows(run, "two", "Implementation of the new version: failed."));
    EXPECT_TRUE(shows(run, "two", "<0>    discard all changes, keep the old version"));
}
