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

bool shows(const hostrun& run, const std::string& name, const std::string& part)
{
    return dumptext(run, name).find(part) != std::string::npos;
}
