// The automatic window of one coordinate: from the sampled values of a
// curve, a range that shows its body and leaves out poles, spikes and
// runaway tails.  Counts are signed 16-bit as the sample arrays are: a
// longer array is refused, never wrapped.  No state between calls.
#pragma once

#include <cstdint>

// Four times the variance of n values (from their sum and sum of squares)
// over the square of a width w; about 1/3 for values spread evenly over w.
// 0 for n < 1 or w = 0 (no division by zero).
double spreadratio(int n, double sum, double sumsq, double w);
// A new array of the values not beyond 1e100 in magnitude (not NaN), in their
// order, and n set to their number; null with n unchanged when none is
// left, memory is out or n lies outside 1 .. 32767.  The caller frees it
// with delete[].
double* dropbadvalues(const double* values, int& n);
// The amplitude and coverage of the turning points of a sequence; both
// 0.0 for fewer than 10 values or fewer than two turning points apart.
void oscillation(const double* values, uint32_t n, double& amplitude, double& coverage);
// The trimmed range of the values (which stay unchanged); false, with lo
// and hi untouched, when no finite value exists or n is not 1 .. 32767.
bool autorange(const double* values, int n, double& lo, double& hi, double fallback);
// Puts lo and hi in order and makes the range non-empty.
void widenrange(double& lo, double& hi);
