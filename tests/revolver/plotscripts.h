// Script pieces and box texts shared by the tests of plots in the running
// program.
#pragma once

#include <string>

#include "tests/screen/hostrun.h"

// The statistics box of the fastplot shown, last in a script; the window
// closed.
inline const std::string statistics = "<Space>S<ok><close>";

// A parametric fastplot of the two values of formula (the first on the x
// axis), computed at 1, over the parameter range lo .. hi.
inline std::string parametricfastplot(const std::string& formula, const std::string& lo, const std::string& hi)
{
    return "e" + formula + "<Enter><Enter>1<Enter><Space>px<Down>y<Enter><Enter>" + lo + "<Enter>" + hi + "<Enter>";
}

// Every box the run showed, one after the other.
inline std::string boxes(const hostrun& r)
{
    std::string all;
    for (const std::string& b : r.boxes)
        all += b;
    return all;
}
