#include "math/gamma.h"

#include <cmath>
#include <limits>

#include "math/funcerror.h"
#include "base/limits.h"
#include "math/rounding.h"

const double bernoullitable[14][2] = {
    {1, 6}, {-1, 30}, {1, 42}, {-1, 30}, {5, 66}, {-691, 2730}, {7, 6},
    {-3617, 510}, {43867, 798}, {-174611, 330}, {854513, 138},
    {-236364091, 2730}, {8553103, 6}, {-23749461029.0, 870},
};

namespace {
// Fit of ln(Gamma(5 - t) / 24) / t on |t| <= 0.5.
const double gammacore[15] = {
    -1.5061176684318005, 0.1106614778685577, 0.00813162204085242,
    0.0008928261746981282, 0.000117193261184273, 1.702987449438e-05,
    2.642122120744e-06, 4.289523257458e-07, 7.19850434776e-08,
    1.238656932488e-08, 2.173297353294e-09, 3.8727e-10, 6.988022e-11,
    1.274e-11, 2.3427e-12,
};

double core(double x)
{
    double t = 5 - x;
    double p = 0;
    for (int i = 14; i >= 0; i--)
        p = p * t + gammacore[i];
    return 24 * std::exp(t * p);
}

// j-th derivative of ln x (j = -1: its integral x ln x - x).
double lnderivative(int j, double x)
{
    switch (j) {
    case -1: return x * std::log(x) - x;
    case 0: return std::log(x);
    case 1: return 1 / x;
    case 2: return -1 / (x * x);
    case 3: return 2 / (x * x * x);
    default: return -6 / (x * x * x * x);
    }
}

// Factor of B_m in the asymptotic series of the (j-1)-th polygamma function.
double seriesfactor(int j, double m)
{
    switch (j) {
    case 0: return 1 / (m * (m + 1));
    case 1: return -1 / m;
    case 2: return 1;
    case 3: return 1 - m;
    default: return (m - 1) * (m - 2);
    }
}

const char* polygammaname(int k)
{
    static const char* const names[] = {"lngam", "psi", "psi1", "psi2", "psi3"};
    return names[k + 1];
}
}

double gammafn(double x)
{
    if (std::isnan(x)) {
        reportfuncerror(funcdomain, "gam", nullptr, 1, x);
        return 0.0;
    }
    if (x <= 0 && iswhole(x)) {
        reportfuncerror(funcsingular, "gam", nullptr, 1, x);
        return 0.0;
    }
    if (x > 167.920348883977) {
        reportfuncerror(funcoverflow, "gam", nullptr, 1, x);
        return std::numeric_limits<double>::infinity();
    }
    if (x < -170.5)
        return 0.0;  // |Gamma| is at most about 2e-308 there: an underflow
    double q = 1;
    if (x < 4.5) {
        for (; x < 4.5; x += 1)
            q *= x;
        return core(x) / q;
    }
    for (; x > 5.5; q *= x)
        x -= 1;
    return core(x) * q;
}

double polygamma(int k, double x)
{
    if (!(x > 0 || (k >= 0 && !iswhole(x)))) {
        if (k < 0)
            reportfuncerror(functext, "lngam", "Arguments must be nonnegative !", 1, x);
        else
            reportfuncerror(funcsingular, polygammaname(k), nullptr, 1, x);
        return 0.0;
    }
    // The recurrence steps x up one at a time: refuse what it cannot reach.
    if (!std::isfinite(x) || x < -limits::polygammasteps) {
        reportfuncerror(funcdomain, polygammaname(k), nullptr, 1, x);
        return 0.0;
    }
    double s = 0;
    for (; x <= 11; x += 1)
        s += lnderivative(k + 1, x);
    double y = x - 1;
    double p = 1 / std::pow(y, k + 2);
    double acc = 0;
    int b = 0;
    for (int m = k + 2; m <= 27; m += 2, b++) {
        acc += p * bernoullitable[b][0] / bernoullitable[b][1] * seriesfactor(k + 1, m);
        p /= y * y;
    }
    double result = lnderivative(k, y) + acc + 0.5 * lnderivative(k + 1, y) - s;
    return k == -1 ? result + 0.9189385332046727 : result;
}

double gammaderivative(int order, double x)
{
    double g = gammafn(x);
    double p0 = polygamma(0, x);
    if (order == 1)
        return p0 * g;
    double p1 = polygamma(1, x);
    if (order == 2)
        return g * (p1 + p0 * p0);
    return g * (polygamma(2, x) + 3 * p1 * p0 + p0 * p0 * p0);
}
