// A file that a scripted run wrote into its dump folder ("" when none).
#pragma once

#include <fstream>
#include <sstream>
#include <string>

#include "tests/screen/hostrun.h"

inline std::string dumpfile(const hostrun& run, const std::string& name)
{
    std::ifstream in(run.out + "/" + name, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}
