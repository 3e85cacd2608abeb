// The ascending sort behind SORT.
#pragma once

// -1, 0 or 1; NaN orders after every number and equal to NaN, so that the
// order is a strict weak one.
int comparedoubles(double a, double b);
// Sorts values[first] to values[last] (inclusive) ascending.
void sortvalues(double* values, int first, int last);
