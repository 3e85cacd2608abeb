// Registration of the built-in token handlers, one function per group.
#pragma once

void registerelementary();  // elementary functions, Bessel, rounding, rand
void registerlogic();       // comparisons, logic, min and max
void registervectors();     // list and vector operations, sort
void registerspecial();     // special functions, series, divisors
void registermatrices();    // matrix, complex and eigen operations
