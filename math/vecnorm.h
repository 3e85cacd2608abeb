// Euclidean norm of x[first..last], scaled so that large entries do not
// overflow in the squares.
#pragma once

double vecnorm(const double* x, int first, int last);
