#include "math/elliptic.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "math/funcerror.h"
#include "math/rounding.h"

namespace {
using std::numbers::pi;

// Carlson's symmetric integral R_F(x, y, z) by duplication, ended by its
// fifth-order series once the arguments agree to 1.5e-3 (truncation
// error below 1e-17).  The Landen form ln tan(phi/2 + pi/4) loses the
// digits of small amplitudes and of moduli next to 1; this keeps them.
double carlsonrf(double x, double y, double z)
{
    for (;;) {
        double a = (x + y + z) / 3;
        double dx = 1 - x / a, dy = 1 - y / a, dz = -(dx + dy);
        if (std::max({std::fabs(dx), std::fabs(dy), std::fabs(dz)}) < 1.5e-3) {
            double e2 = dx * dy - dz * dz, e3 = dx * dy * dz;
            return (1 + e2 * (e2 / 24 - 0.1 - 3 * e3 / 44) + e3 / 14) / std::sqrt(a);
        }
        double sx = std::sqrt(x), sy = std::sqrt(y), sz = std::sqrt(z);
        double l = sx * (sy + sz) + sy * sz;
        x = (x + l) / 4;
        y = (y + l) / 4;
        z = (z + l) / 4;
    }
}

// F(theta, k) = sin theta R_F(cos^2 theta, 1 - k^2 sin^2 theta, 1) for
// |theta| <= pi/2, from its sine and cosine; the middle argument is summed
// from positive terms.
double ellcore(double k, double s, double c)
{
    double kc2 = (1 - k) * (1 + k);
    return s * carlsonrf(c * c, c * c + kc2 * s * s, 1);
}

// The arithmetic-geometric mean of lo <= hi.  Sums and products that would
// leave the double range (or the normal range) are formed in two steps.
double agm(double lo, double hi)
{
    for (;;) {
        double m = (lo + hi) / 2;
        if (!std::isfinite(m))
            m = lo / 2 + hi / 2;
        double p = lo * hi;
        double g = std::isnormal(p) && std::isfinite(p) ? std::sqrt(p) : std::sqrt(lo) * std::sqrt(hi);
        if (m <= g)
            return m;
        double d = hi - lo;
        hi = m;
        lo = g;
        if (m - g >= d)
            return m;
    }
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
    if (k == 0)
        return phi;
    // phi = theta + n pi with |theta| <= pi/2: F = 2 n K + F(theta).  The
    // sine and cosine of theta are those of phi up to sign, so theta is
    // never formed: next to pi/2 with k near 1, F is too steep for the
    // rounding of phi - n pi.
    double n = std::fabs(phi) <= pi / 2 ? 0 : builtin::roundnear(phi / pi);
    double s = std::sin(phi), c = std::cos(phi);
    if (std::fmod(n, 2) != 0) {
        s = -s;
        c = -c;
    }
    if (c < 0) {
        n += s > 0 ? 1 : -1;
        s = -s;
        c = -c;
    }
    k = std::fabs(k);
    double kc = std::sqrt((1 - k) * (1 + k));
    if (std::fabs(s) * std::sqrt(kc) <= c) {
        double f = ellcore(k, s, c);
        return n == 0 ? f : 2 * n * ellK(k) + f;
    }
    // Next to pi/2, F(theta) = K - F(psi) with tan theta tan psi = 1 / k':
    // F(psi) is the smaller, and K is summed without cancellation.
    double d = std::hypot(c, kc * s);
    double f = ellcore(k, c / d, kc * std::fabs(s) / d);
    double sign = s < 0 ? -1 : 1;
    return (2 * n + sign) * ellK(k) - sign * f;
}

// K(k) = pi / (2 agm(1, sqrt(1 - k^2))).
double ellK(double k)
{
    if (!(std::fabs(k) < 1))
        return ellF(k, pi / 2);  // reports the argument
    return pi / (2 * agm(std::sqrt((1 - k) * (1 + k)), 1));
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
    return agm(std::min(a, b), std::max(a, b));
}
