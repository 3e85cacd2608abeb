// Gamma function, ln Gamma and the polygamma functions.
#pragma once

#include <cmath>
#include <limits>
#include <numbers>

double gammafn(double x);
// k = -1: ln Gamma(x); k = 0..3: the k-th derivative of psi.
double polygamma(int k, double x);
// ln Gamma(x + 1), x + 1 not rounded: about -0.577 x for tiny x.
double lnfactorial(double x);
// psi(x + 1) + Euler's constant: the harmonic number H(x).
double harmonicsum(double x);
// Derivatives of Gamma of order 1 to 3, from psi and its derivatives.
double gammaderivative(int order, double x);
// Bernoulli numbers B2, B4, ..., B28 as {numerator, denominator}.
extern const double bernoullitable[14][2];

// A product of many factors kept to twice the double's precision, so that
// a recurrence adds no rounding of its own: hi + lo.
struct exactproduct {
    double hi = 1, lo = 0;
    // Times f + e, e a small correction of the factor f.
    void times(double f, double e = 0)
    {
        double p = hi * f;
        lo = lo * f + std::fma(hi, f, -p) + hi * e;
        hi = p;
    }
    // Divided by a whole number i (exact quotient and remainder).
    void over(double i)
    {
        double q = hi / i;
        double l = (std::fma(-q, i, hi) + lo) / i;
        hi = q + l;
        lo = l - (hi - q);
    }
};

// long double carries 11 bits beyond the double: enough that the roundings
// of a few factors or terms, and their cancellation, stay below the
// double's last place.
static_assert(std::numeric_limits<long double>::digits >= 64);
constexpr long double piwide = 3.141592653589793238462643383279502884L;

// sin(pi x) in long double, reduced exactly: 0 at whole x.
inline long double sinpiwide(double x)
{
    double m = std::nearbyint(x);
    long double v = std::sin(piwide * (x - m));
    return std::fmod(m, 2) == 0 ? v : -v;
}

// sin(pi x), reduced exactly to |x| <= 1/2: 0 at whole x.
inline double sinpi(double x)
{
    double m = std::nearbyint(x);
    double v = std::sin(std::numbers::pi * (x - m));
    return std::fmod(m, 2) == 0 ? v : -v;
}

// The rounding error of the sum s = x + i.
inline double sumerror(double x, double i, double s)
{
    double b = s - x;
    return (x - (s - b)) + (i - b);
}
inline long double sumerror(long double x, long double i, long double s)
{
    long double b = s - x;
    return (x - (s - b)) + (i - b);
}
