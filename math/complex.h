// Complex numbers as pairs of doubles, real part first; arrays of them have
// the layout of the value stack's double pairs.
#pragma once

// Trivial, so that arrays of it copy to and from double pairs with memcpy;
// complex() is 0 + 0i, a declared variable without initialiser is not.
struct complex {
    double re;
    double im;

    complex() = default;
    complex(double r, double i) : re(r), im(i) {}

    complex caddto(complex b);
    complex csubfrom(complex b);
    complex cmulby(complex b);
    complex cdivby(complex b);
};

double cabs(complex z);  // sqrt(re^2 + im^2), scaled where a square leaves the range
complex cadd(complex a, complex b);
complex csub(complex a, complex b);
complex cmul(complex a, complex b);
complex cdiv(complex a, complex b);  // scaled; no check of a zero divisor
complex cneg(complex z);
complex cscale(double r, complex z);
bool cequal(complex a, complex b);
void cswap(complex& a, complex& b);
// c0 z^(n-1) + ... + c(n-1): the first coefficient has the highest power.
complex cPoly(complex z, int n, const complex* c);
// c0 + c1 z + ... + c(n-1) z^(n-1).
complex cPser(complex z, int n, const complex* c);

// Copies between complex arrays and pairs of doubles.
void cload(const double* pairs, complex* z, int n);
void cstore(const complex* z, double* pairs, int n);
