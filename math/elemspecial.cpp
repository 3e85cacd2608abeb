#include "math/elemspecial.h"

#include <cmath>
#include <numbers>

#include "math/funcerror.h"
#include "math/mathlib.h"

double phi0(double x)
{
    if (std::isnan(x)) {
        reportfuncerror(funcdomain, "phi0", nullptr, 1, x);
        return 0.0;
    }
    // The series times exp(-x^2/2) inherits the rounding of x^2, a relative
    // error of x^2/2 units; erf has none of it.
    return std::erf(x * std::numbers::sqrt2 / 2) / 2;
}

double em1(double x)
{
    if (!(std::fabs(x) <= 0.2)) {
        // exp reports overflow and NaN; expm1 keeps the digits that
        // exp(x) - 1 would lose next to the series' range.
        double e = mathlib::exp(x);
        return std::isfinite(e) ? std::expm1(x) : e;
    }
    double term = x, sum = x;
    for (int j = 2; j <= 21; j++) {
        term *= x / j;
        sum += term;
    }
    return sum;
}

double ln1px(double x)
{
    if (!(x > -1) || std::isinf(x))
        return mathlib::log(1 + x);  // reports the pole at -1 and the domain
    if (!(std::fabs(x) <= 0.2))
        return std::log1p(x);
    double s = 1.0 / 25;
    for (int j = 24; j >= 1; j--)
        s = 1.0 / j - x * s;
    return x * s;
}
