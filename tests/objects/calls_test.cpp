// Formulas call functions, constants and vectors of the local context by
// name.
#include <gtest/gtest.h>

#include <vector>

#include "formula/evalstate.h"
#include "formula/parser.h"
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
