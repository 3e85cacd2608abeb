// The square part of a whole number.
#pragma once

// For a whole x from 1 to 2^53: the largest whole s whose square divides x.
// Other arguments are reported as function errors of "_sqrpart_" (0.0).
double sqrpart(double x);
