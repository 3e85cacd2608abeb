#include "math/numtheory.h"

#include <cmath>
#include <vector>

#include "base/limits.h"
#include "math/funcerror.h"
#include "math/rounding.h"

namespace {
constexpr double wholemax = 1e15;

// c[j] = sum of a[i] b[j - i], i = 0..j, for j = 0..degree; c may be a.
void convolve(std::vector<double>& a, const std::vector<double>& b, int degree)
{
    for (int j = degree; j >= 0; j--) {
        double s = 0;
        for (int i = 0; i <= j; i++)
            s += a[i] * b[j - i];
        a[j] = s;
    }
}

// Coefficient of t^k of the product over values[1..n] of the factor series
// that makefactor writes for one value (degree k).
template <class Factor>
double productcoefficient(const double* values, int n, int k, Factor makefactor)
{
    std::vector<double> product(k + 1, 0.0), factor(k + 1, 0.0);
    product[0] = 1;
    for (int i = 1; i <= n; i++) {
        makefactor(values[i], factor);
        convolve(product, factor, k);
    }
    return product[k];
}
}

double mod(double x, double m)
{
    double mm = builtin::roundnear(std::fabs(m));
    if (mm == 0 || x > wholemax || !(mm <= wholemax)) {
        reportfuncerror(functext, "mod", "The second argument must be between 0. and 1.e15 !", 2,
                        x, m);
        return 0.0;
    }
    return x - std::floor(x / mm) * mm;
}

double gcd2(double a, double b)
{
    a = builtin::roundnear(std::fabs(a));
    b = builtin::roundnear(std::fabs(b));
    if (!(a <= wholemax && b <= wholemax))
        return 0.0;
    if (a == 0 || b == 0)
        return a == 0 ? b : a;
    if (b < a)
        std::swap(a, b);
    for (;;) {
        double r = b - std::floor(b / a) * a;
        if (r <= 0.5)
            return a;
        b = a;
        a = r;
    }
}

double ggt(int n, const double* values)
{
    if (n < 1)
        return 0.0;
    double g = values[0];
    for (int i = 1; i < n; i++)
        g = gcd2(g, values[i]);
    return n == 1 ? gcd2(g, 0) : g;
}

double kgv(double* values, int n)
{
    double product = 1;
    for (int i = 0; i < n; i++) {
        double v = std::fabs(values[i]);
        if (!(v >= 0.5 && v <= wholemax))
            return 0.0;
        for (int j = 0; j < i; j++)
            v = builtin::roundnear(v / gcd2(v, values[j]));
        values[i] = v;
        product *= v;
    }
    return product;
}

double matchdigits(double a, double b)
{
    if (a == b)
        return a == 0 ? 90.0 : 99.9;
    if (a == 0 || b == 0)
        return -10.0;
    if ((a < 0) != (b < 0))
        return -90.0;
    double d = std::log10(std::fabs(a)) - std::log10(std::fabs(a - b));
    return d > 0 ? d : 0.0;
}

double matchdigits16(double a, double b)
{
    double d = matchdigits(a, b);
    return d <= 16 ? d : 16.0;
}

double powersum(double* values, double n)
{
    n = builtin::roundnear(n);
    if (!values || !(n >= 1))
        return 0.0;
    double p = values[0];
    bool whole = iswhole(p);
    double sum = 0;
    for (int i = 1; i <= n; i++) {
        if (!whole)
            values[i] = std::fabs(values[i]);
        sum += std::pow(values[i], p);
    }
    return sum;
}

double sympoly(const double* values, int n)
{
    double k = builtin::roundnear(values[0]);
    if (!(k > -0.1 && k < n + 0.1))
        return 0.0;
    if (k == 0)
        return 1.0;
    return productcoefficient(values, n, static_cast<int>(k),
                              [](double a, std::vector<double>& f) {
                                  f.assign(f.size(), 0.0);
                                  f[0] = 1;
                                  f[1] = a;
                              });
}

double sympoly2(const double* values, int n)
{
    double k = builtin::roundnear(values[0]);
    if (!(k >= 0))
        return 0.0;
    if (k == 0)
        return 1.0;
    if (k > limits::valuestacksize) {
        reportfuncerror(funccapacity, "sympoly2", nullptr, 1, k);
        return 0.0;
    }
    return productcoefficient(values, n, static_cast<int>(k),
                              [](double a, std::vector<double>& f) {
                                  f[0] = 1;
                                  for (size_t j = 1; j < f.size(); j++)
                                      f[j] = f[j - 1] * a;
                              });
}
