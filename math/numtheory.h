// Remainders, divisors, digit agreement and symmetric polynomials.
#pragma once

double mod(double x, double m);
double gcd2(double a, double b);
double ggt(int n, const double* values);
// Least common multiple; reduces the values in place.
double kgv(double* values, int n);
double matchdigits(double a, double b);
double matchdigits16(double a, double b);
// values[0] is the exponent p: sum of values[i]^p, i = 1..n.
double powersum(double* values, double n);
// values[0] is the order k: elementary (sympoly) or complete homogeneous
// (sympoly2) symmetric polynomial of degree k in values[1..n].
double sympoly(const double* values, int n);
double sympoly2(const double* values, int n);
