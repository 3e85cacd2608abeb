// Elliptic integral of the first kind and the arithmetic-geometric mean.
#pragma once

// F(phi, k) with modulus k, |k| < 1.
double ellF(double k, double phi);
double ellK(double k);
double argeo(double a, double b);
