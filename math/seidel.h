// Tangent, Euler and Bernoulli numbers from one cached table of the
// zigzag numbers E_0 .. E_190, filled by Seidel's boustrophedon scheme.
#pragma once

// n is rounded; out-of-range n is reported and gives 0.0.
double Tangent(double n);
double Eul(double n);
double Ber(double n);
// The zigzag number E_i, i = 0..190 (fills the table on first use).
double zigzag(int i);
