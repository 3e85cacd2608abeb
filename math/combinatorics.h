// Binomial coefficients and cumulative binomial and hypergeometric sums.
#pragma once

double ncr(double n, double k);
// P(a <= X <= b) for X binomial(n, p).
double Binomial(double n, double p, double a, double b);
// P(a <= X <= b) for X hypergeometric: population bign, marked m, drawn n.
double Hgeo(double bign, double m, double n, double a, double b);
