#include "math/elliptic.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "math/funcerror.h"
#include "math/rounding.h"

namespace {
using std::numbers::pi;

// Ascending Landen transformation for 0 <= phi <= pi/2.
double ellcore(double k, double phi)
{
    k = std::fabs(k);
    if (k == 0)
        return phi;
    double k0 = k, q = 1, kp = 0;
    while (kp < k) {
        kp = k;
        phi = (phi + std::asin(k * std::sin(phi))) / 2;
        k = 2 * std::sqrt(k) / (1 + k);
        q *= k;
    }
    return std::sqrt(q / k0) * std::log(std::tan(phi / 2 + pi / 4));
}
}

double ellF(double k, double phi)
{
    if (!(std::fabs(k) < 1) || !std::isfinite(phi)) {
        if (std::fabs(k) >= 1)
            reportfuncerror(functext, "ellF",
                            "The first argument's absolute value must be below 1 !", 2, k, phi);
        else
            reportfuncerror(funcdomain, "ellF", nullptr, 2, k, phi);
        return 0.0;
    }
    if (phi >= 0 && phi <= pi / 2)
        return ellcore(k, phi);
    double n = 2 * phi >= pi ? builtin::roundnear(phi / pi) : 0;
    phi -= n * pi;
    double k2 = 2 * n * ellcore(k, pi / 2);
    return phi < 0 ? k2 - ellF(k, -phi) : ellcore(k, phi) + k2;
}

double ellK(double k)
{
    return ellF(k, pi / 2);
}

double argeo(double a, double b)
{
    if (a < 0 || b < 0) {
        reportfuncerror(functext, "argeo", "Both arguments must be nonnegative !", 2, a, b);
        return 0.0;
    }
    if (!std::isfinite(a) || !std::isfinite(b)) {
        reportfuncerror(funcdomain, "argeo", nullptr, 2, a, b);
        return 0.0;
    }
    double hi = std::max(a, b), lo = std::min(a, b);
    for (;;) {
        double m = (lo + hi) / 2, g = std::sqrt(lo * hi);
        if (m <= g)
            return m;
        double d = hi - lo;
        hi = m;
        lo = g;
        if (m - g >= d)
            return m;
    }
}
