#include "math/complex.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <utility>

namespace {
// Squares and products of parts of at most this size, or 0, neither
// overflow nor underflow.
constexpr double safehigh = 0x1p510, safelow = 0x1p-510;

bool safe(double x)
{
    double a = std::fabs(x);
    return a == 0 || (a >= safelow && a <= safehigh);
}
}

// re^2 + im^2 as it stands unless a square overflowed or underflowed.
double cabs(complex z)
{
    double s = z.re * z.re + z.im * z.im;
    if (s >= 0x1p-1020 && s <= DBL_MAX)
        return std::sqrt(s);
    return std::hypot(z.re, z.im);
}

complex cadd(complex a, complex b)
{
    return {a.re + b.re, a.im + b.im};
}

complex csub(complex a, complex b)
{
    return {a.re - b.re, a.im - b.im};
}

complex cmul(complex a, complex b)
{
    return {a.re * b.re - a.im * b.im, a.im * b.re + a.re * b.im};
}

namespace {
complex plaindiv(complex a, complex b)
{
    double r = 1 / (b.im * b.im + b.re * b.re);
    return {(a.re * b.re + a.im * b.im) * r, (a.im * b.re - a.re * b.im) * r};
}
}

// The plain quotient where no product can leave the range; else both
// operands scaled by powers of two to parts below 2 and the quotient
// scaled back.
complex cdiv(complex a, complex b)
{
    bool finite = std::isfinite(a.re) && std::isfinite(a.im) && std::isfinite(b.re) && std::isfinite(b.im);
    bool plain = safe(a.re) && safe(a.im) && safe(b.re) && safe(b.im);
    if (plain || !finite || (b.re == 0 && b.im == 0))
        return plaindiv(a, b);
    int ea = std::ilogb(std::max(std::fabs(a.re), std::fabs(a.im)));
    int eb = std::ilogb(std::max(std::fabs(b.re), std::fabs(b.im)));
    if (a.re == 0 && a.im == 0)
        ea = 0;
    complex q = plaindiv({std::scalbn(a.re, -ea), std::scalbn(a.im, -ea)},
                         {std::scalbn(b.re, -eb), std::scalbn(b.im, -eb)});
    return {std::scalbn(q.re, ea - eb), std::scalbn(q.im, ea - eb)};
}

complex cneg(complex z)
{
    return {-z.re, -z.im};
}

complex cscale(double r, complex z)
{
    return {r * z.re, r * z.im};
}

bool cequal(complex a, complex b)
{
    return a.re == b.re && a.im == b.im;
}

void cswap(complex& a, complex& b)
{
    std::swap(a, b);
}

complex complex::caddto(complex b) { return *this = cadd(*this, b); }
complex complex::csubfrom(complex b) { return *this = csub(*this, b); }
complex complex::cmulby(complex b) { return *this = cmul(*this, b); }
complex complex::cdivby(complex b) { return *this = cdiv(*this, b); }

complex cPoly(complex z, int n, const complex* c)
{
    if (!c || n < 1)
        return {};
    complex v = c[0];
    for (int i = 1; i < n; i++)
        v = cadd(cmul(v, z), c[i]);
    return v;
}

complex cPser(complex z, int n, const complex* c)
{
    if (!c || n < 1)
        return {};
    complex v = c[n - 1];
    for (int i = n - 2; i >= 0; i--)
        v = cadd(cmul(v, z), c[i]);
    return v;
}

void cload(const double* pairs, complex* z, int n)
{
    for (int i = 0; i < n; i++)
        z[i] = {pairs[2 * i], pairs[2 * i + 1]};
}

void cstore(const complex* z, double* pairs, int n)
{
    for (int i = 0; i < n; i++) {
        pairs[2 * i] = z[i].re;
        pairs[2 * i + 1] = z[i].im;
    }
}
