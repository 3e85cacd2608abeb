// The resolver with database assistance: a version that one library file
// alone holds is taken without a question, and a library that the database
// does not list for the name is never opened.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "calculator/funm.h"
#include "formula/diagnostics.h"
#include "objects/fudaba.h"
#include "tests/objects/dabafixture.h"
#include "tests/objects/libfixture.h"
#include "tests/screen/editrun.h"

namespace {

using dabafiles::formularecord;

struct assisted : libdir {
    void SetUp() override
    {
        libdir::SetUp();
        put("DESKTOP.LIB", "");
        put("A.LIB", formularecord("qq", 1, "x", "3*x"));
        put("B.LIB", formularecord("ww", 1, "x", "x+1"));
        put("C.LIB", formularecord("ww", 1, "x", "x+2"));
    }

    // formula at x, compiled with the database in use.
    double value(const char* formula, double x, hostrun* run, const std::string& script)
    {
        double v = NAN;
        *run = rundialogue(script, [&] {
            open();
            fudaba db;
            database = &db;
            if (between)
                between();
            funm f;
            f.setformula(formula, "x");
            if (f.implement(1, 0))
                v = f.calcx(x);
            database = nullptr;
        });
        return v;
    }
    std::function<void()> between;
};

TEST_F(assisted, auniqueversionistakenwithoutaquestion)
{
    hostrun run;
    EXPECT_EQ(value("qq(x)", 2, &run, ""), 6);
    EXPECT_EQ(run.status, 0);
}

TEST_F(assisted, twoversionsareaskedfor)
{
    hostrun run;
    EXPECT_EQ(value("ww(x)", 2, &run, "<dump ask>y"), 3);
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(dumptext(run, "ask").find("Should the version from \"B.LIB\" be used?"), std::string::npos);
}

// zz reaches C.LIB behind the database's back: the resolver does not look.
TEST_F(assisted, alibrarythatdoesnotlistthenameisnotread)
{
    between = [&] {
        database->update(sortmode::casesensitive, true);
        put("C.LIB", formularecord("zz", 1, "x", "x"));
    };
    hostrun run;
    EXPECT_TRUE(std::isnan(value("zz(x)", 2, &run, "")));
    EXPECT_EQ(run.status, 0);
}

}  // namespace
