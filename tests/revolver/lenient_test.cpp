// The scripted front's lenient mode (--lenient, for random scripts): what
// the script leaves waiting is answered, a computation that reads no key
// takes the next item, and every run ends with the program's orderly end.
#include <gtest/gtest.h>

#include "tests/revolver/vemorun.h"

namespace {

// Each script stops the strict front: at once with a script error, or
// (slow, so not run strictly here) by its time-out.
TEST(lenient, EveryRunEndsWhereTheStrictFrontStops)
{
    struct {
        const char* script;
        bool quick;
    } cases[] = {
        {"esin(x)<Enter><Enter>1<Enter>ppn0<Enter>6.28<Enter>-1.5<Enter>1.5<Enter>r"
         "<press 40 15><move 50 20><release 50 20>", true},                   // the frame dialog
        {"<yes><ok>abc<info close><Esc><Esc>", true},                         // nothing to answer
        {"ex<Enter><Enter>1<Enter><Space><Space><A-x><yes>a<Enter>", true},   // items after the end
        {"ex+1<Enter><Enter>2<Enter>z", false},                               // stops only on a key
        {"ex+1<Enter><Enter>2<Enter>zab<Esc>", false},                        // keys typed into it
        {"esin(x)<Enter><Enter>1<Enter>ppn0<Enter>6.28<Enter>-1.5<Enter>1.5<Enter>r<press 40 15>", false},
    };
    for (const auto& c : cases) {
        if (c.quick) {
            vemorun strict;
            EXPECT_EQ(strict.run(c.script), 3) << c.script;
        }
        vemorun v;
        EXPECT_EQ(v.run(c.script, "--lenient"), 0) << c.script << "\n" << v.read("stderr.txt");
        EXPECT_TRUE(v.exists("vemo.rev")) << c.script;
    }
}

}  // namespace
