// Dialogue runs in a fresh context (the runner and the golden screens are
// the screen tests' fixtures).
#include <cstdlib>
#include <filesystem>

#include "objects/context.h"
#include "screen/inputdialogs.h"
#include "tests/objects/contextrun.h"

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
