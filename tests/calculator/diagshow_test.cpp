// Showing diagnoses on the headless front: a warning, and a chain of
// failing components three objects deep.
#include <gtest/gtest.h>

#include <string>

#include "calculator/funm.h"
#include "formula/compile.h"
#include "formula/diagnostics.h"
#include "objects/diagshow.h"
#include "objects/fu1.h"
#include "objects/fuconst.h"
#include "tests/objects/libfixture.h"
#include "tests/screen/editrun.h"

namespace {
using showing = libdir;

}

TEST_F(showing, AWarningKeepsTheCodeUsable)
{
    bool counts = true, implemented = false;
    double v = 0;
    hostrun run = rundialogue("<dump warning><Esc>", [&] {
        open();
        fu1 f;
        f.setname("ff");
        f.setformula("2*x", "xy");
        implemented = f.implement(1, 0);
        double args[2] = {4, 0};
        v = f.tcalc(args);
        counts = readdiagnostics(&f, true);
    });
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(implemented);
    EXPECT_EQ(v, 8);
    EXPECT_FALSE(counts);
    EXPECT_TRUE(shows(run, "warning", " W A R N I N G "));
    EXPECT_FALSE(shows(run, "warning", "Press any Key"));
    EXPECT_TRUE(shows(run, "warning", "\"y\", which is declared as an argument, is never used !"));
}

TEST_F(showing, AFailureThreeObjectsDeepIsListedThenShownWhereItIs)
{
    put("DESKTOP.LIB",
        "@@FU1\naa\n1\n1\n@DATA\n@ARGS\nx\n@FORMULA\nbb(x)+1\n@@END FU1\n"
        "@@FU1\nbb\n1\n1\n@DATA\n@ARGS\nx\n@FORMULA\ncc(x)*2\n@@END FU1\n"
        "@@FU1\ncc\n1\n1\n@DATA\n@ARGS\nx\n@FORMULA\nx+*3\n@@END FU1\n");
    bool counts = false;
    hostrun run = rundialogue("<dump list><Enter><dump formula><Esc>", [&] {
        open();
        funm f;
        f.setformula("aa(x)", "x");
        ASSERT_FALSE(f.implement(compilemode::normal, 0));
        EXPECT_EQ(f.diag->state, diagstate::component);
        counts = readdiagnostics(&f, true);
    });
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(counts);
    EXPECT_TRUE(shows(run, "list", " component error "));
    for (const char* name : {"\"aa\"", "\"bb\"", "\"cc\""})
        EXPECT_TRUE(shows(run, "list", std::string("problem in ") + name)) << name;
    EXPECT_TRUE(shows(run, "list", "press <enter> to view \"cc\"'s formula"));
    EXPECT_TRUE(shows(run, "formula", " Fatal compile Error "));
    EXPECT_TRUE(shows(run, "formula", "x+*3"));
}

TEST_F(showing, WithoutCollectorOnlyAnObjectWithoutParserMissesIt)
{
    // A constant has no parser of its own: only the missing collector is
    // told.  A function without both hears of both.
    bool counts[2] = {true, true};
    hostrun run = rundialogue("<dump constant><Esc><dump parser><Esc><dump function><Esc>", [&] {
        fuconst c(1.0);
        fu1 f;
        for (fu* object : {static_cast<fu*>(&c), static_cast<fu*>(&f)}) {
            delete object->diag;
            object->diag = nullptr;
        }
        counts[0] = readdiagnostics(&c, true);
        counts[1] = readdiagnostics(&f, true);
    });
    EXPECT_EQ(run.status, 0);
    EXPECT_FALSE(counts[0]);
    EXPECT_FALSE(counts[1]);
    EXPECT_TRUE(shows(run, "constant", "readdiagnostics() finds no diagnostic-object!"));
    EXPECT_FALSE(shows(run, "constant", "myparser"));
    EXPECT_TRUE(shows(run, "parser", "object has no \"myparser\" !"));
    EXPECT_TRUE(shows(run, "function", "readdiagnostics() finds no diagnostic-object!"));
}
