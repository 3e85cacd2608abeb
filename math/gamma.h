// Gamma function, ln Gamma and the polygamma functions.
#pragma once

double gammafn(double x);
// k = -1: ln Gamma(x); k = 0..3: the k-th derivative of psi.
double polygamma(int k, double x);
// Derivatives of Gamma of order 1 to 3, from psi and its derivatives.
double gammaderivative(int order, double x);
// Bernoulli numbers B2, B4, ..., B28 as {numerator, denominator}.
extern const double bernoullitable[14][2];
