#include "math/sqrpart.h"

#include <cmath>

#include "math/funcerror.h"

namespace {
constexpr double wholelimit = 9007199254740992.0;  // 2^53

bool divides(double p, double x)
{
    return std::fmod(x, p) == 0.0;
}

// When rest is a perfect square: multiplies s by its root and sets rest to 1.
void takesquare(double& rest, double& s)
{
    double root = std::floor(std::sqrt(rest));
    if (root * root >= rest - 0.5) {
        s *= root;
        rest = 1.0;
    }
}
}

// Divides out pairs of each factor p while p^3 stays below the rest.  Once
// no single factor is left over, what remains is a square or has no square
// factor, so the square test runs at the start and after every single one.
double sqrpart(double x)
{
    if (!(x >= 1.0) || x != std::floor(x)) {
        reportfuncerror(funcdomain, "_sqrpart_", nullptr, 1, x);
        return 0.0;
    }
    if (x > wholelimit) {
        reportfuncerror(funccapacity, "_sqrpart_", nullptr, 1, x);
        return 0.0;
    }
    double rest = x, s = 1.0;
    takesquare(rest, s);
    for (double p = 2.0; p * p * p - 0.5 < rest; p += p == 2.0 ? 1.0 : 2.0) {
        while (divides(p, rest)) {
            rest /= p;
            if (!divides(p, rest)) {
                takesquare(rest, s);
                break;
            }
            rest /= p;
            s *= p;
        }
    }
    return s;
}
