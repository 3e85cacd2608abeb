// Handlers of the multi-valued matrix, complex and eigen tokens.  Matrix
// operands are read column by column (the first n arguments are the first
// column); the elimination routines get row-by-row copies.
#include <cmath>
#include <cstring>
#include <vector>

#include "formula/runtimeerror.h"
#include "formula/tokengroups.h"
#include "formula/tokenhandler.h"
#include "formula/tokens.h"
#include "math/complex.h"
#include "math/funcerror.h"
#include "math/matrix.h"
#include "math/numtheory.h"
#include "math/smallfuncs.h"
#include "math/symeigen.h"

namespace {
// The side of a square matrix of count entries.
int side(double count) { return builtin::toint(builtin::roundnear(std::sqrt(count)), 0, 32767); }

// The stack-space test of the multi-valued built-ins.
bool room(double needed, const char* name)
{
    if (stackleft() >= needed)
        return true;
    if (shared.reportswitch > 0)
        reportstackspace(name);
    shared.error = evalruntime;
    return false;
}

void singular()
{
    shared.error = evalsingular;
    if (shared.reportswitch > 0)
        reportsingular();
}

// The operands end at the top: count values from their first slot.
double* operandstart(int count) { return shared.top - count + 1; }

// Results from the first operand's slot on, the top on the last.
template <class T> void result(double* first, const T* values, int count)
{
    std::memcpy(first, values, count * sizeof(T));
    shared.top = first + count * (sizeof(T) / sizeof(double)) - 1;
}

// Row-major n*n + 1 array (entry 0 the determinant slot) of a
// column-major operand block; T is double or complex.
template <class T> std::vector<T> rowmajor(const double* columns, int n)
{
    std::vector<T> a(n * n + 1);
    for (int i = 0; i < n; i++)
        for (int j = 0; j < n; j++)
            std::memcpy(&a[i * n + j + 1], columns + (j * n + i) * (sizeof(T) / sizeof(double)), sizeof(T));
    return a;
}

// The operands of a column-major block with the unused slot 0 in front.
template <class T> std::vector<T> block(const double* values, int count)
{
    std::vector<T> a(count + 1);
    std::memcpy(&a[1], values, count * sizeof(T));
    return a;
}

template <class T, bool (*solver)(T*, int, T*, T*, int)>
void solvesystem(calcframe& f, int n, int pairs, const char* name)
{
    double* first = operandstart(pairs * (n * n + n));
    if (!room(pairs * (n * (n + 1) + 4), name))
        return;
    auto a = rowmajor<T>(first, n);
    auto b = block<T>(first + pairs * n * n, n);
    if (!solver(a.data(), n, b.data(), nullptr, 1))
        return singular();
    result(first, &b[1], n);
}

void solvereal(calcframe& f)
{
    solvesystem<double, solve>(f, f.cur.take().valc, 1, "solve##");
}

void solvecomplex(calcframe& f)
{
    solvesystem<complex, csolve>(f, f.cur.take().valc / 2, 2, "csolve##");
}

// The inverse of the transposed matrix is the transposed inverse, so the
// column-major block inverts as it stands.
template <class T, T* (*inverter)(T*, int, T*)> void invert(calcframe& f, int pairs, const char* name)
{
    int count = f.cur.take().valc;
    int n = side(count / pairs);
    double* first = operandstart(count);
    if (!room(pairs * (n * n + 4), name))
        return;
    auto a = block<T>(first, n * n);
    std::vector<T> c(n * n + 1);
    if (!inverter(a.data(), n, c.data()))
        return singular();
    result(first, &c[1], n * n);
}

void invertreal(calcframe& f) { invert<double, matinverse>(f, 1, "inv##"); }
void invertcomplex(calcframe& f) { invert<complex, cmatinverse>(f, 2, "cinv##"); }

// The determinant of the transpose is the same.
template <class T, bool (*eliminate)(T*, int, T*, int)> void determinant(calcframe& f, int pairs)
{
    int count = f.cur.take().argc;
    int n = side(count / pairs);
    double* first = operandstart(count);
    auto a = block<T>(first, n * n);
    eliminate(a.data(), n, nullptr, 0);
    result(first, &a[0], 1);
}

void determinantreal(calcframe& f) { determinant<double, gauss>(f, 1); }
void determinantcomplex(calcframe& f) { determinant<complex, cgauss>(f, 2); }

template <class T> void transpose(calcframe& f, int pairs)
{
    int count = f.cur.take().valc;
    int n = side(count / pairs);
    double* first = operandstart(count);
    auto a = rowmajor<T>(first, n);
    result(first, &a[1], n * n);
}

void transposereal(calcframe& f) { transpose<double>(f, 1); }
void transposecomplex(calcframe& f) { transpose<complex>(f, 2); }

// An n*n matrix times t columns of n (t = n: two matrices, t = 1: a vector).
template <class T, void (*multiply)(const T*, const T*, T*, int, int, int)>
void product(int n, int t, int pairs, const char* name)
{
    double* first = operandstart(pairs * (n * n + n * t));
    if (!room(pairs * (n * t + 4), name))
        return;
    auto a = block<T>(first, n * n);
    auto b = block<T>(first + pairs * n * n, n * t);
    std::vector<T> p(n * t + 1);
    multiply(a.data(), b.data(), p.data(), n, n, t);
    result(first, &p[1], n * t);
}

void mama(calcframe& f)
{
    int n = side(f.cur.take().valc);
    product<double, matproduct>(n, n, 1, "mama##");
}

void mavect(calcframe& f)
{
    int n = f.cur.take().valc;
    product<double, matproduct>(n, 1, 1, "mavect##");
}

void cmama(calcframe& f)
{
    int n = side(f.cur.take().valc / 2);
    product<complex, cmatproduct>(n, n, 2, "cmama##");
}

void cmavect(calcframe& f)
{
    int n = f.cur.take().valc / 2;
    product<complex, cmatproduct>(n, 1, 2, "cmavect##");
}

template <complex (*evaluate)(complex, int, const complex*)> void complexseries(calcframe& f)
{
    int count = f.cur.take().argc;
    double* first = operandstart(count);
    auto c = block<complex>(first, count / 2);
    complex v = evaluate(c[1], count / 2 - 1, &c[2]);
    result(first, &v, 1);
}

void conjugates(calcframe& f)
{
    int count = f.cur.take().valc;
    double* v = operandstart(count);
    for (int i = 1; i < count; i += 2)
        v[i] = -v[i];
}

void complextimes(calcframe& f)
{
    int m = f.cur.take().valc / 2;
    double* first = operandstart(2 * m + 2);
    auto z = block<complex>(first, m + 1);
    for (int i = 2; i <= m + 1; i++)
        z[i] = cmul(z[1], z[i]);
    result(first, &z[2], m);
}

// Coefficients of the monic polynomial with the given roots, highest power
// first: the elementary symmetric polynomials of the negated roots.
void normpoly(calcframe& f)
{
    int k = f.cur.take().argc;
    double* first = operandstart(k);
    if (!room(4.0 * k + 4, "normpoly"))
        return;
    std::vector<double> args(k + 1);
    for (int i = 0; i < k; i++)
        args[i + 1] = -first[i];
    std::vector<double> c(k + 1);
    for (int j = 0; j <= k; j++) {
        args[0] = j;
        c[j] = sympoly(args.data(), k);
    }
    result(first, c.data(), k + 1);
}

symeigen& eigensolver()
{
    static symeigen solver(1);
    return solver;
}

// Decomposes the n*n operand block; on failure the error byte is set and
// the operands stay.
bool decompose(double* first, int n, const char* name)
{
    if (eigensolver().compute(first, n))
        return true;
    reportfuncerror(functext, name, "The eigen decomposition did not converge !", 0);
    return false;
}

void eigenvalues(calcframe& f)
{
    int n = f.cur.take().valc;
    double* first = operandstart(n * n);
    if (!decompose(first, n, "symevals"))
        return;
    std::vector<double> v(n);
    for (int i = 1; i <= n; i++)
        v[i - 1] = eigensolver().value(i);
    result(first, v.data(), n);
}

void eigenvectors(calcframe& f)
{
    int count = f.cur.take().valc;
    int n = side(count);
    double* first = operandstart(count);
    if (!decompose(first, n, "symevectors"))
        return;
    for (int i = 1; i <= n; i++)
        std::memcpy(first + (i - 1) * n, eigensolver().vector(i), n * sizeof(double));
    shared.top = first + n * n - 1;
}

const handlerrow matrixrows[] = {
    {tk::SOLVE, solvereal},
    {tk::INVERT, invertreal},
    {tk::DETERMINANT, determinantreal},
    {tk::TRANSPOSE, transposereal},
    {tk::MATRIX_PRODUCT, mama},
    {tk::MA_TIMES_VECT, mavect},
    {tk::CMP_POLYNOMIAL, complexseries<cPoly>},
    {tk::CMP_POWER_SER, complexseries<cPser>},
    {tk::COMPLEX_SOLVE, solvecomplex},
    {tk::COMPLEX_MAVECT, cmavect},
    {tk::COMPLEX_MAT_INV, invertcomplex},
    {tk::COMPLEX_DETERM, determinantcomplex},
    {tk::COMPLEX_MAMA, cmama},
    {tk::CMP_TRANSPOSE, transposecomplex},
    {tk::CMP_CONJUGATES, conjugates},
    {tk::CMP_SCAL_TIMES_VECT, complextimes},
    {tk::NORMED_POLYNOM, normpoly},
    {tk::EIGENVALUES, eigenvalues},
    {tk::EIGENVECTORS, eigenvectors},
};
}

void registermatrices()
{
    registerrows(matrixrows);
}
