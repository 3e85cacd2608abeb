// Small range routines of the plots: asking a parameter range, and a
// plotting window around a set of values.
#pragma once

// Asks the lower and the upper border; an empty range (lower not below
// upper) is set, any other edited.  Esc at the lower border keeps the old
// range; false then.
bool paramrange(double& lower, double& upper);
// The window of the usable values (numbers of magnitude below 1e100): a
// trimmed range for 15 or more values spread narrowly, else minimum to
// maximum; ordered, never empty, and widened by 3 % on each side.  False,
// with lo and hi unchanged, when no value is usable.
bool autowindow(const double* values, int count, double& lo, double& hi);
