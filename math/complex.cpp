#include "math/complex.h"

#include <cmath>
#include <utility>

double cabs(complex z)
{
    return std::sqrt(z.re * z.re + z.im * z.im);
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

complex cdiv(complex a, complex b)
{
    double r = 1 / (b.im * b.im + b.re * b.re);
    return {(a.re * b.re + a.im * b.im) * r, (a.im * b.re - a.re * b.im) * r};
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
