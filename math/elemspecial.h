// Elementary-function variants with care for small or large arguments.
#pragma once

// Integral of the standard normal density from 0 to x.
double phi0(double x);
double em1(double x);    // exp(x) - 1
double ln1px(double x);  // ln(1 + x)
