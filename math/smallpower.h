// Squares and cubes without the library's pow, bit for bit what it returns,
// where that can be proven; the evaluator and mathlib::pow use them first.
#pragma once

#include <cmath>

// a*b = p + e exactly (Dekker's product), for a and b of moderate size.
// All its products are exact, so contracting them into fma changes nothing.
inline double exactproduct(double a, double b, double& e)
{
    constexpr double splitter = 134217729.0;  // 2^27 + 1
    double ca = splitter * a, ah = ca - (ca - a), al = a - ah;
    double cb = splitter * b, bh = cb - (cb - b), bl = b - bh;
    double p = a * b;
    e = ((ah * bh - p) + ah * bl + al * bh) + al * bl;
    return p;
}

// The exact products of smallpowerby: Dekker's, everywhere.
struct dekkerproduct {
    static double product(double a, double b, double& e) { return exactproduct(a, b, e); }
    // A product that must be rounded on its own, not fused into a sum.
    static double rounded(double v) { return v; }
};

// x^2 and x^3 from exact products, for x of moderate size.  The result is
// the double nearest the exact power, taken only when the power lies close
// enough to it that the library's pow cannot return another double.  Its
// error is at most 0.511 ulp plus |y ln x| 1.5 2^-15 ulp (the rounding of
// its exp, then its log's relative error 1.5 2^-68 carried through y ln x):
// under 0.512 ulp for 2^-8 <= |x| <= 2^8, so that a power within 0.488 ulp
// of the double is safe; under 0.516 ulp up to 2^64, where 0.48 is; under
// 0.54 ulp up to 2^300, where 0.45 is.
// Exact gives the products; any exact products give the same result.
template <class Exact> inline bool smallpowerby(double x, double y, double& r)
{
    double a = std::fabs(x);
    if (y != 2.0 && y != 3.0)
        return false;
    // p + e / (2 t) rounds to p just when |e| is below t times the spacing
    // of the doubles on e's side of p (half as wide below a power of two).
    double stretch;
    if (a >= 0x1p-8 && a <= 0x1p8)
        stretch = 0.5 / 0.488;
    else if (a >= 0x1p-64 && a <= 0x1p64)
        stretch = 0.5 / 0.48;
    else if (a >= 0x1p-300 && a <= 0x1p300)
        stretch = 0.5 / 0.45;
    else
        return false;
    double e;
    double p = Exact::product(x, x, e);  // x^2 = p + e
    if (y == 3.0) {
        double f;
        double q = Exact::product(p, x, f);
        double t = f + Exact::rounded(e * x);  // x^3 - q, nearly exact
        p = q + t;
        e = (q - p) + t;
    }
    if (p + stretch * e != p)
        return false;
    r = p;
    return true;
}

inline bool smallpower(double x, double y, double& r)
{
    return smallpowerby<dekkerproduct>(x, y, r);
}
