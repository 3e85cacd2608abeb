// Real and complex matrix routines.
//
// Square matrices for elimination, solving and inversion hold n*n + 1
// entries: entry 0 is the determinant slot, entry (i, j) counted from 1 is
// at (i - 1) * n + j, row after row.  Right-hand sides with m columns use
// (i - 1) * m + j.  Product operands are stored column after column: entry
// (i, k) counted from 0 of a matrix with r rows is at 1 + i + k * r.
#pragma once

#include "math/complex.h"

void matidentity(double* a, int n);
// Reduces a to upper triangular form with partial pivoting, applying the
// row operations to the m columns of b (may be null), and stores the
// determinant in a[0].  False when a pivot, the last one included, is 0.
bool gauss(double* a, int n, double* b, int m);
void backsubst(const double* a, double* b, int column, int n, int m);
// Solves a x = b for m right-hand sides; x null means in place in b.
bool solve(double* a, int n, double* b, double* x, int m);
// c = a^-1 (a is destroyed); null when a is singular.
double* matinverse(double* a, int n, double* c);
// p = a * b with a r x s, b s x t.
void matproduct(const double* a, const double* b, double* p, int r, int s, int t);

void cmatidentity(complex* a, int n);
bool cgauss(complex* a, int n, complex* b, int m);
void cbacksubst(const complex* a, complex* b, int column, int n, int m);
bool csolve(complex* a, int n, complex* b, complex* x, int m);
complex* cmatinverse(complex* a, int n, complex* c);
void cmatproduct(const complex* a, const complex* b, complex* p, int r, int s, int t);
