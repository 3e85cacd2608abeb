#include "plots/autowindow.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "plots/autorange.h"
#include "screen/inputdialogs.h"
#include "screen/screen.h"

namespace {
constexpr int trimcount = 15;
constexpr double narrowspread = 0.1, margin = 0.03, toolarge = 1e100;

// One border: an empty field to set it, the border itself to edit.
double askborder(double value, bool set, const char* title)
{
    if (set)
        return inputdouble(value, title);
    entrybox(&value, int16_t(screencols()), 0, title);
    return value;
}
}

bool paramrange(double& lower, double& upper)
{
    bool set = !(lower < upper);
    double lo = askborder(lower, set, set ? " Setting Parameter Range - Input lower border: "
                                          : " Edit Parameter Range - Input lower border: ");
    if (inputstate == inputstates::cancelled)
        return false;
    double hi = askborder(upper, set, set ? " Setting Parameter Range - Input upper border: "
                                          : " Edit Parameter Range - Input upper border: ");
    if (inputstate == inputstates::cancelled)
        return false;
    lower = lo;
    upper = hi;
    return true;
}

bool autowindow(const double* values, int count, double& lo, double& hi)
{
    std::vector<double> usable;
    double sum = 0, sumsq = 0;
    for (int i = 0; i < count; i++) {
        double v = values[i];
        if (std::isnan(v) || std::fabs(v) >= toolarge)
            continue;
        usable.push_back(v);
        sum += v;
        sumsq += v * v;
    }
    if (usable.empty())
        return false;
    auto [minv, maxv] = std::minmax_element(usable.begin(), usable.end());
    double low = *minv, high = *maxv;
    int n = int(std::min<size_t>(usable.size(), 32767));
    if (n >= trimcount && spreadratio(n, sum, sumsq, high - low) < narrowspread) {
        double tlo = low, thi = high;
        if (autorange(usable.data(), n, tlo, thi, high - low)) {
            low = tlo;
            high = thi;
        }
    }
    widenrange(low, high);
    low -= margin * (high - low);
    high += margin * (high - low);
    lo = low;
    hi = high;
    return true;
}
