// Which object a formula calls: the search order through the resident
// objects and the library files, with the user's confirmations answered
// from the script.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <string>

#include "calculator/funm.h"
#include "formula/compile.h"
#include "formula/diagnostics.h"
#include "objects/context.h"
#include "objects/fu1.h"
#include "tests/objects/libfixture.h"
#include "tests/screen/editrun.h"

namespace {

std::string record(const char* name, const char* letters, const char* formula)
{
    return std::string("@@FU1\n") + name + "\n" + std::to_string(std::strlen(letters)) + "\n1\n@DATA\n@ARGS\n" +
           letters + "\n@FORMULA\n" + formula + "\n@@END FU1\n";
}

struct resolving : libdir {
    // Libraries 1 DESKTOP.LIB, 2 A.LIB, 3 B.LIB, 4 C.LIB.
    void SetUp() override
    {
        libdir::SetUp();
        put("DESKTOP.LIB", record("gg", "x", "100*x"));
        put("A.LIB", record("kk", "x", "x-1"));
        put("B.LIB", record("hh", "x", "gg(x)+10") + record("gg", "x", "x*x+1") + record("qq", "x", "3*x") +
                         record("pp", "x", "kk(x)*2"));
        put("C.LIB", "@@FU1\nrr\n1\n1\n@@COMMENT\nthe r function\n@@END COMMENT\n@DATA\n@ARGS\nx\n"
                     "@FORMULA\nx/2\n@@END FU1\n");
    }

    // The value of formula at x on a calculator's object, compiled on the
    // computing thread; NAN when it does not implement.
    double value(const char* formula, double x, hostrun* run, const std::string& script)
    {
        double v = NAN;
        *run = rundialogue(script, [&] {
            open();
            funm f;
            f.setformula(formula, "x");
            if (f.implement(1, 0))
                v = f.calcx(x);
            code = f.diag->code;
            if (between)
                between();
        });
        return v;
    }

    fu1* resident(const char* name, int origin) { return findresidentat(*localobjects, name, 1, 1, origin); }

    int code = 0;
    std::function<void()> between;
};


}

TEST_F(resolving, TheLocalContextsOwnVersionNeedsNoQuestion)
{
    hostrun run;
    EXPECT_EQ(value("gg(x)", 2, &run, ""), 200);
    EXPECT_EQ(run.status, 0);
}

TEST_F(resolving, AVersionFromALibraryFileIsAskedForAndStaysResident)
{
    hostrun run;
    double second = 0;
    between = [&] {
        // Found among the resident objects now: no question.
        funm f;
        f.setformula("qq(x)*2", "x");
        second = f.implement(1, 0) ? f.calcx(1) : NAN;
    };
    EXPECT_EQ(value("qq(x)", 2, &run, "<dump ask>v<dump view><Esc>y"), 6);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(second, 6);
    EXPECT_TRUE(shows(run, "ask", "seeking component:"));
    EXPECT_TRUE(shows(run, "ask", "\"qq\" (1 arguments)"));
    EXPECT_TRUE(shows(run, "ask", "The object is not resident."));
    EXPECT_TRUE(shows(run, "ask", "Should the version from \"B.LIB\" be used?"));
    EXPECT_TRUE(shows(run, "ask", "<v>          display that component"));
    EXPECT_FALSE(shows(run, "ask", "<c>"));
    EXPECT_TRUE(shows(run, "view", "3*x"));
    fu1* q = resident("qq", librarynumber("B.LIB"));
    ASSERT_NE(q, nullptr);
}

TEST_F(resolving, ASecondCallInTheSameFormulaIsNotAskedAgain)
{
    hostrun run;
    EXPECT_EQ(value("qq(x)+qq(1)", 2, &run, "y"), 9);
    EXPECT_EQ(run.status, 0);
}

TEST_F(resolving, ACalleeOfALibraryObjectIsAskedForAtItsCallLevel)
{
    // pp (B.LIB) calls kk, which only A.LIB has.
    hostrun run;
    EXPECT_EQ(value("pp(x)", 5, &run, "y<dump deeper>y"), 8);
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(shows(run, "deeper", "seeking component for call level 1:"));
    EXPECT_TRUE(shows(run, "deeper", "The object is neither resident nor available in the context"));
    EXPECT_TRUE(shows(run, "deeper", "Should the version from \"A.LIB\" be used?"));
}

TEST_F(resolving, AComponentsCommentCanBeShown)
{
    hostrun run;
    EXPECT_EQ(value("rr(x)", 5, &run, "<dump ask>c<dump comment><Esc>y"), 2.5);
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(shows(run, "ask", "<c>          display that component's comment"));
    EXPECT_TRUE(shows(run, "comment", "the r function"));
}

TEST_F(resolving, ADeclinedVersionIsNeitherUsedNorKept)
{
    hostrun run;
    bool kept = true;
    between = [&] { kept = resident("qq", 3) != nullptr; };
    EXPECT_TRUE(std::isnan(value("qq(x)", 2, &run, "n")));
    EXPECT_EQ(run.status, 0);
    EXPECT_FALSE(kept);
    EXPECT_EQ(code, 7);   // a version exists, none was taken
}

TEST_F(resolving, AnObjectOfALibraryCallsThatLibrarysVersionWithoutQuestion)
{
    // hh comes from B.LIB after one question; its gg is B.LIB's (x*x+1),
    // not the local context's (100*x).
    hostrun run;
    EXPECT_EQ(value("hh(x)", 2, &run, "y"), 15);
    EXPECT_EQ(run.status, 0);
}

TEST_F(resolving, QuietPassOpensNoFileAndAsksNothing)
{
    int type = -1;
    bool kept = true;
    hostrun run = rundialogue("", [&] {
        open();
        parser p;
        diagnostics d;
        p.diag = &d;
        type = p.compile("qq(x)", "x", compilemode::quiet);
        code = d.code;
        kept = resident("qq", 3) != nullptr;
    });
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(type, 0);
    EXPECT_EQ(code, 6);   // not even the file's version was seen
    EXPECT_FALSE(kept);
}

TEST_F(resolving, FromAnotherContextTheDesktopIsTheLastResort)
{
    // In A.LIB's context B.LIB's gg is offered first, DESKTOP.LIB's last.
    double v = NAN;
    hostrun run = rundialogue("<dump b>n<dump desktop>y", [&] {
        open();
        localobjects->clear();
        opencontext(librarynumber("A.LIB"));
        funm f;
        f.setformula("gg(x)", "x");
        if (f.implement(1, 0))
            v = f.calcx(3);
    });
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(shows(run, "b", "Should the version from \"B.LIB\" be used?"));
    EXPECT_TRUE(shows(run, "desktop", "All contexts except \"DESKTOP.LIB\" have been searched in vain."));
    EXPECT_TRUE(shows(run, "desktop", "Should the object from \"DESKTOP.LIB\" be used?"));
    EXPECT_EQ(v, 300);
}

TEST_F(resolving, InANormalPassTheLocalVersionOfACalleeIsAskedForAfterTheCallersContexts)
{
    // pp (B.LIB) calls kk: B.LIB has none, the local context has its own,
    // A.LIB another.  Declining the local one leads on to A.LIB's.
    put("DESKTOP.LIB", record("kk", "x", "x+1000"));
    double v = NAN;
    hostrun run = rundialogue("y<dump local>n<dump file>y", [&] {
        open();
        funm f;
        f.setformula("pp(x)", "x");
        if (f.implement(compilemode::normal, 0))
            v = f.calcx(5);
    });
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(v, 8);
    EXPECT_TRUE(shows(run, "local", "seeking component for call level 1:"));
    EXPECT_TRUE(shows(run, "local", "The contexts of all calling modules have been"));
    EXPECT_TRUE(shows(run, "local", "Should the version from \"DESKTOP.LIB\" (the local context) be used?"));
    EXPECT_TRUE(shows(run, "file", "Should the version from \"A.LIB\" be used?"));
}
