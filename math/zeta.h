// Riemann zeta function.
#pragma once

double zeta(double s);
// zeta(s) - 1, accurate where zeta is close to 1.
double zetam1(double s);
