// Formulas call functions, constants and vectors of the local context by
// name.
#include <gtest/gtest.h>

#include <vector>

#include "formula/compile.h"
#include "formula/diagnostics.h"
#include "formula/evalstate.h"
#include "formula/objectcalls.h"
#include "formula/parser.h"
#include "formula/usagerefs.h"
#include "tests/objects/libfixture.h"

namespace {

struct calls : libdir {
    void SetUp() override
    {
        libdir::SetUp();
        put("DESKTOP.LIB",
            "@@FU1\nff\n1\n1\n@DATA\n@ARGS\nx\n@FORMULA\nx*x+1\n@@END FU1\n"
            "@@FU1\ngg\n1\n2\n@DATA\n@ARGS\nt\n@FORMULA\nt, 2*t\n@@END FU1\n"
            "@@FU1\nhh\n1\n1\n@DATA\n@ARGS\nx\n@FORMULA\nff(x) - cc\n@@END FU1\n"
            "@@FUCONST\ncc\n0\n1\n@DATA\n2.5\n@@END FUCONST\n"
            "@@FUVECTOR\nvv\n0\n3\n@DATA\n1\n2\n4\n@@END FUVECTOR\n");
        open();
    }
    // The values of text evaluated without arguments; none when it does not
    // compile or fails.
    std::vector<double> values(const char* text)
    {
        parser p;
        if (p.compile(text, nullptr, 2) == 0 || !p.isimplemented())
            return {};
        p.calc0();
        if (shared.error != 0)
            return {};
        return std::vector<double>(shared.result, shared.result + p.valuecount);
    }
};

// The variables of a called object reach the usage list whether the call
// compiles it or finds it implemented; one that cannot be made ready is
// named in the diagnosis.
using implementing = libdir;

TEST_F(implementing, liststhecalleesvariablesandnamesafailure)
{
    put("DESKTOP.LIB",
        "@@FU1\ngf\n1\n1\n@DATA\n@ARGS\nx\n@FORMULA\n#global G, H; H = G * x\n@@END FU1\n"
        "@@FU1\nbad\n1\n1\n@DATA\n@ARGS\nx\n@FORMULA\nx+*3\n@@END FU1\n");
    open();
    auto listed = [] {
        std::string seen;
        for (int i = 0; i < usagerefs().count(); ++i) {
            const varref& r = usagerefs().at(i);
            seen += r.object ? objectcall().name(r.object) : "";
            seen += std::string(":") + r.letter + (r.referenced ? "r" : "") + (r.defined ? "d" : "") + " ";
        }
        return seen;
    };
    parser p;
    for (const char* pass : {"compiled", "implemented"}) {
        evalexpression(p, "gf(2)", false);
        EXPECT_EQ(listed(), "gf:Gr gf:Hd ") << pass;
    }
    // Implementing the callee inside a compilation adds to its list.
    ASSERT_NE(p.compile("#global K; K + gf(1)", nullptr, compilemode::fingerprint), 0);
    EXPECT_EQ(listed(), ":Kr gf:Gr gf:Hd ");
    diagnostics& dia = globaldiagnostics();
    EXPECT_EQ(evalexpression(p, "bad(1)", false), 0.0);
    EXPECT_EQ(dia.code, 31);
    EXPECT_EQ(dia.state, diagstate::component);
    EXPECT_EQ(dia.position, 0);
    ASSERT_NE(dia.object, nullptr);
    EXPECT_STREQ(objectcall().name(dia.object), "bad");
    EXPECT_EQ(dia.message(), "    component \"bad\" not ready \n");
}

TEST_F(calls, formulascallobjectsbyname)
{
    struct {
        const char* text;
        std::vector<double> values;
    } cases[] = {
        {"ff(3)", {10}},
        {"cc", {2.5}},
        {"ff(cc) * 2", {14.5}},
        {"hh(2)", {2.5}},
        {"gg#2(3)", {3, 6}},
        {"vv#3", {1, 2, 4}},
        {"ff(1), vv#3, cc", {2, 1, 2, 4, 2.5}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(values(c.text), c.values) << c.text;
}

}  // namespace
