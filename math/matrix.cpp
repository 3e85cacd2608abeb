#include "math/matrix.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {
double magnitude(double x) { return std::fabs(x); }
double magnitude(complex z) { return cabs(z); }
double mul(double a, double b) { return a * b; }
complex mul(complex a, complex b) { return cmul(a, b); }
double quot(double a, double b) { return a / b; }
complex quot(complex a, complex b) { return cdiv(a, b); }
double add(double a, double b) { return a + b; }
complex add(complex a, complex b) { return cadd(a, b); }
double sub(double a, double b) { return a - b; }
complex sub(complex a, complex b) { return csub(a, b); }
double neg(double x) { return -x; }
complex neg(complex z) { return cneg(z); }
template <class T> T unit() { return T(1); }
template <> complex unit<complex>() { return {1, 0}; }

template <class T>
void identity(T* a, int n)
{
    for (int i = 1; i <= n; i++)
        for (int j = 1; j <= n; j++)
            a[(i - 1) * n + j] = i == j ? unit<T>() : T();
}

template <class T>
void swaprows(T* a, int cols, int p, int k)
{
    for (int j = 1; j <= cols; j++)
        std::swap(a[(p - 1) * cols + j], a[(k - 1) * cols + j]);
}

// row i += f * row k, over the given number of columns.
template <class T>
void addrow(T* a, int cols, int i, int k, T f)
{
    for (int j = 1; j <= cols; j++)
        a[(i - 1) * cols + j] = add(a[(i - 1) * cols + j], mul(f, a[(k - 1) * cols + j]));
}

// The first row from k on with the strictly largest nonzero magnitude in
// column k; 0 when that column part is all zero.
template <class T>
int pivotrow(const T* a, int n, int k)
{
    int p = 0;
    double best = 0;
    for (int i = k; i <= n; i++) {
        double v = magnitude(a[(i - 1) * n + k]);
        if (v > best) {
            best = v;
            p = i;
        }
    }
    return p;
}

template <class T>
bool eliminate(T* a, int n, T* b, int m)
{
    T det = unit<T>();
    for (int k = 1; k < n; k++) {
        int p = pivotrow(a, n, k);
        if (p == 0) {
            a[0] = T();
            return false;
        }
        det = mul(det, a[(p - 1) * n + k]);
        if (p != k) {
            det = neg(det);
            swaprows(a, n, p, k);
            if (b)
                swaprows(b, m, p, k);
        }
        T pivot = a[(k - 1) * n + k];
        for (int i = k + 1; i <= n; i++) {
            T f = quot(neg(a[(i - 1) * n + k]), pivot);
            addrow(a, n, i, k, f);
            if (b)
                addrow(b, m, i, k, f);
        }
    }
    T last = a[(n - 1) * n + n];
    a[0] = mul(det, last);
    return magnitude(last) != 0;
}

template <class T>
void substitute(const T* a, T* b, int c, int n, int m)
{
    auto x = [&](int i) -> T& { return b[(i - 1) * m + c]; };
    x(n) = quot(x(n), a[(n - 1) * n + n]);
    for (int i = n - 1; i >= 1; i--) {
        T s = T();
        for (int j = i + 1; j <= n; j++)
            s = add(s, mul(a[(i - 1) * n + j], x(j)));
        x(i) = quot(sub(x(i), s), a[(i - 1) * n + i]);
    }
}

template <class T>
bool solvesystem(T* a, int n, T* b, T* x, int m)
{
    if (!eliminate(a, n, b, m))
        return false;
    if (!b || m == 0)
        return true;
    if (!x)
        x = b;
    if (x != b)
        std::copy(b, b + n * m + 1, x);
    for (int c = 1; c <= m; c++)
        substitute(a, x, c, n, m);
    return true;
}

template <class T>
T* inverse(T* a, int n, T* c)
{
    identity(c, n);
    return solvesystem(a, n, c, static_cast<T*>(nullptr), n) ? c : nullptr;
}

template <class T>
void product(const T* a, const T* b, T* p, int r, int s, int t)
{
    for (int i = 0; i < r; i++)
        for (int k = 0; k < t; k++) {
            T sum = T();
            for (int j = 0; j < s; j++)
                sum = add(sum, mul(a[1 + i + j * r], b[1 + j + k * s]));
            p[1 + i + k * r] = sum;
        }
}
}

void matidentity(double* a, int n) { identity(a, n); }
bool gauss(double* a, int n, double* b, int m) { return eliminate(a, n, b, m); }
void backsubst(const double* a, double* b, int column, int n, int m) { substitute(a, b, column, n, m); }
bool solve(double* a, int n, double* b, double* x, int m) { return solvesystem(a, n, b, x, m); }
double* matinverse(double* a, int n, double* c) { return inverse(a, n, c); }
void matproduct(const double* a, const double* b, double* p, int r, int s, int t) { product(a, b, p, r, s, t); }

void cmatidentity(complex* a, int n) { identity(a, n); }
bool cgauss(complex* a, int n, complex* b, int m) { return eliminate(a, n, b, m); }
void cbacksubst(const complex* a, complex* b, int column, int n, int m) { substitute(a, b, column, n, m); }
bool csolve(complex* a, int n, complex* b, complex* x, int m) { return solvesystem(a, n, b, x, m); }
complex* cmatinverse(complex* a, int n, complex* c) { return inverse(a, n, c); }
void cmatproduct(const complex* a, const complex* b, complex* p, int r, int s, int t) { product(a, b, p, r, s, t); }
