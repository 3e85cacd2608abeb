// Orthogonal polynomials and polynomial, Chebyshev and trigonometric series.
#pragma once

// Chebyshev and Legendre polynomials of degree |n| at x; n is rounded.
double Tsch(double x, double n);
double Legendre(double x, double n);
// Sum of c[i] T_i(x), i = 0..n.
double Tser(double x, int n, const double* c);
// Sum of c[j] cos(jx), j = 0..n-1.
double Cser(double x, int n, const double* c);
// Sum of c[j] sin((j+1)x), j = 0..n-1.
double Sser(double x, int n, const double* c);
// c0 + c1 sin x + c2 cos x + c3 sin 2x + c4 cos 2x + ... (n coefficients).
double Fser(double x, int n, const double* c);
// c0 x^(n-1) + ... + c(n-1): the first coefficient has the highest power.
double Poly(double x, int n, const double* c);
// c0 + c1 x + ... + c(n-1) x^(n-1).
double Pser(double x, int n, const double* c);
