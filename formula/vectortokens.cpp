// Inner products, norms, list picks and the in-place vector operations.
#include <algorithm>
#include <cmath>

#include "formula/tokengroups.h"
#include "formula/tokenhandler.h"
#include "formula/tokens.h"
#include "math/funcerror.h"
#include "math/mathlib.h"
#include "math/smallfuncs.h"
#include "math/sortvalues.h"

namespace {
double innerprod(int n, const double* v)
{
    int m = n / 2;
    double s = 0;
    for (int i = 0; i < m; i++)
        s += v[i] * v[m + i];
    return s;
}

double norm2(int n, const double* v)
{
    double s = 0;
    for (int i = 0; i < n; i++)
        s += v[i] * v[i];
    return mathlib::sqrt(s);
}

double distance(int n, const double* v)
{
    int m = n / 2;
    double s = 0;
    for (int i = 0; i < m; i++)
        s += (v[i] - v[m + i]) * (v[i] - v[m + i]);
    return mathlib::sqrt(s);
}

// The k-th of the values after the first, k being the first truncated.
double nthoflist(int n, const double* v)
{
    int k = builtin::toint(builtin::trunc(v[0]), -1, n);
    if (k >= 1 && k <= n - 1)
        return v[k];
    reportfuncerrorlist(functext, "nth", "Nonexisting argument referenced", n, v);
    return 0.0;
}

// The k top values, k from the cell's argument count.
double* operands(calcframe& f, int& k)
{
    k = f.cur.take().argc;
    return shared.top - k + 1;
}

void sort(calcframe& f)
{
    int k;
    double* v = operands(f, k);
    sortvalues(v, 0, k - 1);
}

void reverse(calcframe& f)
{
    int k;
    double* v = operands(f, k);
    std::reverse(v, v + k);
}

void normiere(calcframe& f)
{
    int k;
    double* v = operands(f, k);
    double s = 0;
    for (int i = 0; i < k; i++)
        s += v[i] * v[i];
    if (s > 0) {
        double scale = 1 / mathlib::sqrt(s);
        for (int i = 0; i < k; i++)
            v[i] *= scale;
    }
}

// Two vectors of k values (k from the cell's value count) -> k values.
template <double (*op)(double, double)> void vectorpair(calcframe& f)
{
    int k = f.cur.take().valc;
    double* a = shared.top - 2 * k + 1;
    for (int i = 0; i < k; i++)
        a[i] = op(a[i], a[k + i]);
    shared.top = a + k - 1;
}

double add(double a, double b) { return a + b; }
double subtract(double a, double b) { return a + (-b); }

// s, v1..vk -> s*v1..s*vk
void scalartimes(calcframe& f)
{
    int k = f.cur.take().valc;
    double* s = shared.top - k;
    double scalar = s[0];
    for (int i = 0; i < k; i++)
        s[i] = scalar * s[i + 1];
    shared.top = s + k - 1;
}

const handlerrow vectorrows[] = {
    {tk::INNERPROD, listhandler<innerprod>},
    {tk::NORM2, listhandler<norm2>},
    {tk::DISTANCE, listhandler<distance>},
    {tk::NTH_OF_LIST, listhandler<nthoflist>},
    {tk::SORT, sort},
    {tk::REVERSE, reverse},
    {tk::NORMIERE, normiere},
    {tk::VECTOR_PLUS_VECTOR, vectorpair<add>},
    {tk::VECTOR_MINUS_VECTOR, vectorpair<subtract>},
    {tk::SCALAR_TIMES_VECTOR, scalartimes},
};
}

void registervectors()
{
    registerrows(vectorrows);
}
