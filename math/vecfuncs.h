// Dense vector routines on 1-based arrays: a vector of n doubles is an
// array of n + 1 with element 0 left aside.  Every routine works on the
// range [first..last]; an empty range (first > last) does nothing.
// vecnorm (the Euclidean norm) is in math/vecnorm.h.
#pragma once

#include "math/vecnorm.h"

double vecabssum(const double* x, int first, int last);
double vecdist(const double* x, const double* y, int first, int last);
// 0.0 for an empty range.
double vecmaxabs(const double* x, int first, int last);
// 1e300 for an empty range.
double vecmin(const double* x, int first, int last);
void veczero(double* x, int first, int last);
void veccopy(double* dst, const double* src, int first, int last);
void vecadd(double* x, const double* y, int first, int last);
// z[i] = a*x[i] + b*y[i]; z may be x or y.
void veclincomb(double a, const double* x, double b, const double* y, int first, int last,
                double* z);
double vecdot(const double* x, const double* y, int first, int last);
// The angle in degrees between x and -y: near 180 for x and x, near 0 for
// x and -x; 0.0 when either vector is 0.
double vecangle(const double* x, const double* y, int first, int last);
