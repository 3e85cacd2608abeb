// The runtime library's elementary and Bessel functions with the program's
// math-error hook: a call that fails (domain, pole, overflow, underflow)
// hands a record to matherr, whose return value replaces the result.
// Callers use mathlib::sqrt(x) where they would write std::sqrt(x).
#pragma once

// The record that matherr receives.
struct mathexception {
    int type;          // mathdomain ... mathpartialloss
    const char* name;  // the library function's name
    double arg1;
    double arg2;
    double retval;     // the value the call returns; matherr may change it
};

enum mathexceptiontype {
    mathdomain = 1,
    mathsingular = 2,
    mathoverflow = 3,
    mathunderflow = 4,
    mathtotalloss = 5,
    mathpartialloss = 6,
};

// The handler that the evaluator installs (math/hooks.h); returns 1
// (handled), 0 without one.
int matherr(mathexception* e);

namespace mathlib {
double sqrt(double x);
double exp(double x);
double log(double x);
double log10(double x);
double cbrt(double x);
double pow(double x, double y);
// pow without the exact square and cube path, for callers that tried it.
double powguarded(double x, double y);
double sin(double x);
double cos(double x);
double tan(double x);
double asin(double x);
double acos(double x);
double atan(double x);
double atan2(double y, double x);
double sinh(double x);
double cosh(double x);
double tanh(double x);
double j0(double x);
double j1(double x);
double jn(int n, double x);
double y0(double x);
double y1(double x);
double yn(int n, double x);
}
