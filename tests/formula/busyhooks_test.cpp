// The compiler and the evaluation of typed expressions reach the host's busy
// state and status line through hooks: every begin has its end, and the
// status line shows the compilation while it runs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formula/compile.h"
#include "formula/parser.h"
#include "formula/services.h"

namespace {

std::vector<std::string> calls;
int depth = 0;

TEST(busyhooks, ScopesArePairedAndTheStatusShowsTheCompilation)
{
    calls.clear();
    setbusyhooks({[] { calls.push_back("busy " + std::to_string(++depth)); },
                  [] { calls.push_back("idle " + std::to_string(depth--)); },
                  [](const char* text) {
                      calls.push_back(std::string("open") + text);
                      return true;
                  },
                  [] { calls.push_back("close"); }});
    parser p;
    EXPECT_EQ(evalexpression(p, "1+2", false), 3.0);
    setbusyhooks({});
    std::vector<std::string> expected = {"open\n Compiling...", "close", "busy 1", "idle 1"};
    EXPECT_EQ(calls, expected);
}

}  // namespace
