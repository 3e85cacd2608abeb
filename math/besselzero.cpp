#include "math/besselzero.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {
struct besselzero {
    double hi, lo;  // the zero
    double slope;   // the derivative there
};

#include "math/besselzeros.inc"

constexpr int degree = 22;

// The radius about a zero z within which the series is used: wide enough
// that the library's absolute error is a few units of the value's last
// place beyond it; within z / 8 for Y, whose series converge within z.
double radius(const besselzero& z, bool y)
{
    return y ? std::min(0.3, z.hi / 8) : 0.3;
}

// The Bessel function of order n about its zero z: sum a_k t^k with
// a_0 = 0 and a_1 the derivative; the differential equation
// x^2 f'' + x f' + (x^2 - n^2) f = 0 at x = z + t gives
// z^2 (k+1)(k+2) a_{k+2} = -(z (k+1)(2k+1) a_{k+1} + (k^2 + z^2 - n^2) a_k
//                           + 2z a_{k-1} + a_{k-2}).
double taylor(const besselzero& z, int n, double t)
{
    double a[degree + 1] = {0, z.slope};
    double x = z.hi, x2 = x * x;
    for (int k = 0; k + 2 <= degree; k++) {
        double s = x * (k + 1) * (2 * k + 1) * a[k + 1] + (k * k + x2 - n * n) * a[k];
        if (k >= 1)
            s += 2 * x * a[k - 1];
        if (k >= 2)
            s += a[k - 2];
        a[k + 2] = -s / (x2 * (k + 1) * (k + 2));
    }
    double p = a[degree];
    for (int k = degree - 1; k >= 1; k--)
        p = a[k] + t * p;
    return t * p;
}
}

bool besselnearzero(besselkind kind, double x, double& result)
{
    bool y = kind == besselkind::Y0 || kind == besselkind::Y1;
    int n = kind == besselkind::J1 || kind == besselkind::Y1;
    double sign = 1;
    if (!y && x < 0) {   // J0 is even, J1 odd
        x = -x;
        sign = n ? -1 : 1;
    }
    if (!(x > 0))
        return false;
    const besselzero* table = y ? (n ? zerosY1 : zerosY0) : (n ? zerosJ1 : zerosJ0);
    const besselzero* end = table + std::size(zerosJ0);
    // The zeros on either side of x.
    const besselzero* next = std::lower_bound(table, end, x, [](const besselzero& z, double v) { return z.hi < v; });
    for (const besselzero* z = next == table ? next : next - 1; z != end && z <= next; z++) {
        double t = (x - z->hi) - z->lo;   // x - z->hi is exact this close
        if (std::fabs(t) < radius(*z, y)) {
            result = sign * taylor(*z, n, t);
            return true;
        }
    }
    return false;
}
