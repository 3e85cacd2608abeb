// The headless dialogue runner and golden screen comparison of the
// interface tests, shared with this test program, and the runs in a
// fresh context.
#include "tests/ui/editrun.cpp"
#include "tests/ui/goldenfiles.cpp"
#include "tests/ui/hostrun.cpp"

#include <cstdlib>
#include <filesystem>

#include "objects/context.h"
#include "tests/objects/contextrun.h"
#include "screen/inputdialogs.h"

hostrun incontext(const std::string& keys, std::function<void()> body)
{
    char pattern[] = "/tmp/vemoctxXXXXXX";
    std::string dir = mkdtemp(pattern);
    setworkdirectory(dir);
    hostrun run = rundialogue(keys, [&] {
        inputparser();   // the first parser opens the context
        body();
        freecontext();
    });
    setworkdirectory(".");
    std::filesystem::remove_all(dir);
    return run;
}
