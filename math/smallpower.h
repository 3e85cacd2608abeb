// Squares and cubes without the library's pow, bit for bit what it returns,
// where that can be proven; the evaluator and mathlib::pow use them first.
#pragma once

#include <bit>
#include <cmath>
#include <cstdint>

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

// x^2 and x^3 from exact products, for x of moderate size.  The result is
// the double nearest the exact power, taken only when the power lies within
// 0.45 ulp of it: the library's pow, whose error stays below 0.54 ulp, cannot
// return another double then.
inline bool smallpower(double x, double y, double& r)
{
    double a = std::fabs(x);
    if (!(a >= 0x1p-300 && a <= 0x1p300) || (y != 2.0 && y != 3.0))
        return false;
    double e;
    double p = exactproduct(x, x, e);  // x^2 = p + e
    if (y == 3.0) {
        double f;
        double q = exactproduct(p, x, f);
        double t = f + e * x;  // x^3 - q, nearly exact
        p = q + t;
        e = (q - p) + t;
    }
    constexpr std::uint64_t exponentbits = 0x7ff0000000000000, fractionbits = 0x000fffffffffffff;
    std::uint64_t bits = std::bit_cast<std::uint64_t>(p);
    double ulp = std::bit_cast<double>(bits & exponentbits) * 0x1p-52;
    if ((bits & fractionbits) == 0)
        ulp *= 0.5;  // a power of two: the spacing below it is half as wide
    if (std::fabs(e) >= 0.45 * ulp)
        return false;
    r = p;
    return true;
}
