// The small routines behind TRUNCATE, DECIMAL PART, SIGN, MINIMUM,
// MAXIMUM, LOGIC AND and LOGIC OR, and the rounding that many tokens apply
// to an argument.
#pragma once

#include <cmath>

namespace builtin {
// Rounds halves up.
inline double roundnear(double x) { return std::floor(x + 0.5); }
// Toward zero.
inline double trunc(double x) { return x <= 0 ? std::ceil(x) : std::floor(x); }
inline double frac(double x) { return x - trunc(x); }
inline double sign(double x) { return x > 0 ? 1.0 : x < 0 ? -1.0 : 0.0; }

double min(int n, const double* values);
double max(int n, const double* values);
// 1.0 when all (any) values are non-zero; AND of none is 1.0, OR of none 0.0.
double AND(int n, const double* values);
double OR(int n, const double* values);

// A double as a whole number of the given range: NaN gives 0, values
// beyond the range give its nearest end.
int toint(double x, int lo, int hi);
inline short toshort(double x) { return short(toint(x, -32768, 32767)); }
}
