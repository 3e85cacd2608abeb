// Rounding helpers of the special functions.
#pragma once

#include <cmath>

#include "math/smallfuncs.h"

inline bool iswhole(double x) { return std::floor(x) == x; }
