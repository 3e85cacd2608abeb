#include "tests/screen/editrun.h"

#include <fstream>
#include <sstream>

namespace {
std::function<void()> current;
void runcurrent()
{
    current();
}
}

hostrun rundialogue(const std::string& script, std::function<void()> body)
{
    current = std::move(body);
    hostrun run = runscript(script, runcurrent);
    current = nullptr;
    return run;
}

std::string dumptext(const hostrun& run, const std::string& name)
{
    std::ifstream in(run.out + "/" + name + ".txt", std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}
