// Script pieces and box texts shared by the tests of plots in the running
// program.
#pragma once

#include <string>

#include "tests/screen/hostrun.h"

// The statistics box of the fastplot shown, last in a script; the window
// closed.
inline const std::string statistics = "<Space>S<ok><close>";

// Every box the run showed, one after the other.
inline std::string boxes(const hostrun& r)
{
    std::string all;
    for (const std::string& b : r.boxes)
        all += b;
    return all;
}
