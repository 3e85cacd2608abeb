// Central difference quotients on any evaluation: the scalar ones take
// f(x), the vector ones an evaluation of all values whose argument k is
// read through a pointer array.  An evaluation error (the shared error
// byte) stops a routine early; the last evaluation is never tested, its
// caller sees the error byte.
#pragma once

#include <cmath>

#include "base/limits.h"
#include "formula/evalstate.h"

namespace numderiv {

// Relative steps of the first, second and third derivative.
constexpr double steps[3] = {1e-5, 1e-4, 1e-3};

// The step never shrinks below the relative step itself.
inline double step(int order, double x)
{
    double s = std::fabs(x);
    return steps[order - 1] * (s >= 1.0 ? s : 1.0);
}

inline bool failed()
{
    return shared.error != evalok;
}

template <class F>
double first(F f, double x)
{
    double h = step(1, x);
    double a = f(x + h);
    if (failed())
        return 0.0;
    return (a - f(x - h)) / (2.0 * h);
}

template <class F>
double second(F f, double x)
{
    double h = step(2, x);
    double a = f(x + h);
    if (failed())
        return 0.0;
    double c = f(x);
    return (a - 2.0 * c + f(x - h)) / (h * h);
}

template <class F>
double third(F f, double x)
{
    double h = step(3, x);
    double a = f(x + 3.0 * h);
    if (failed())
        return 0.0;
    double d = f(x - 3.0 * h);
    double b = f(x + h);
    double c = f(x - h);
    return (a - d - 3.0 * b + 3.0 * c) / (8.0 * h * h * h);
}

inline double bend(double d2, double d1)
{
    return d2 * std::pow(1.0 + std::pow(d1, 2.0), -1.5);
}

template <class F>
double curvature(F f, double x)
{
    double d2 = second(f, x);
    if (failed())
        return 0.0;
    return bend(d2, first(f, x));
}

// Points argument k (1-based) of an argument array at a local abscissa
// and always puts the caller's pointer back.
class perturbed {
public:
    perturbed(double** args, int k) : slot(args + k - 1), own(args[k - 1]), x(*own) {}
    ~perturbed() { *slot = own; }
    perturbed(const perturbed&) = delete;
    perturbed& operator=(const perturbed&) = delete;

    void moveto(double value) { local = value; *slot = &local; }
    void shift(double by) { local += by; }
    void restore() { *slot = own; }
    double at() const { return x; }

private:
    double** slot;
    double* own;
    double x;
    double local = 0.0;
};

using vector = double[limits::derivativevalues];

inline void keep(vector& aside, const double* values, int n)
{
    for (int i = 0; i < n; ++i)
        aside[i] = values[i];
}

// Eval: () -> pointer to n values, null when nothing was evaluated.
template <class Eval>
double* vfirst(double** args, int k, int n, Eval eval)
{
    perturbed p(args, k);
    double h = step(1, p.at());
    p.moveto(p.at() + h);
    double* r = eval();
    if (!r || failed())
        return r;
    vector a;
    keep(a, r, n);
    p.shift(-2.0 * h);
    r = eval();
    if (r)
        for (int i = 0; i < n; ++i)
            r[i] = (a[i] - r[i]) / (2.0 * h);
    return r;
}

template <class Eval>
double* vsecond(double** args, int k, int n, Eval eval)
{
    perturbed p(args, k);
    double h = step(2, p.at());
    p.moveto(p.at() + h);
    double* r = eval();
    if (!r || failed())
        return r;
    vector a, b;
    keep(a, r, n);
    p.shift(-2.0 * h);
    r = eval();
    if (!r || failed())
        return r;
    keep(b, r, n);
    p.restore();
    r = eval();
    double scale = 1.0 / (h * h);
    if (r)
        for (int i = 0; i < n; ++i)
            r[i] = (a[i] + b[i] - 2.0 * r[i]) * scale;
    return r;
}

template <class Eval>
double* vthird(double** args, int k, int n, Eval eval)
{
    perturbed p(args, k);
    double h = step(3, p.at());
    vector v[3];
    p.moveto(p.at() + 3.0 * h);
    for (int j = 0; j < 3; ++j) {
        double* r = eval();
        if (!r || failed())
            return r;
        keep(v[j], r, n);
        p.shift(-2.0 * h);
    }
    double* r = eval();
    double scale = 1.0 / (8.0 * h * h * h);
    if (r)
        for (int i = 0; i < n; ++i)
            r[i] = (v[0][i] - 3.0 * v[1][i] + 3.0 * v[2][i] - r[i]) * scale;
    return r;
}

template <class Eval>
double* vcurvature(double** args, int k, int n, Eval eval)
{
    double* r = vfirst(args, k, n, eval);
    if (!r || failed())
        return r;
    vector d1;
    keep(d1, r, n);
    r = vsecond(args, k, n, eval);
    if (!r || failed())
        return r;
    for (int i = 0; i < n; ++i)
        r[i] = bend(r[i], d1[i]);
    return r;
}

}
