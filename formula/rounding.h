// Small rounding helpers of the predefined functions.
#pragma once

#include <cmath>

// Nearest whole number, halves up.
inline double roundnear(double x) { return std::floor(x + 0.5); }

inline bool iswhole(double x) { return std::floor(x) == x; }

// A whole number within +-limit, as an int; 0 for anything else.
inline int tointclamped(double x, int limit)
{
    if (!(std::fabs(x) <= limit))
        return 0;
    return static_cast<int>(x);
}
