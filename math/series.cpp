#include "math/series.h"

#include <cmath>

#include "base/limits.h"
#include "math/funcerror.h"
#include "math/rounding.h"

namespace {
// The degree as a loop count; degrees beyond 16 bits are refused.
bool degree(double n, const char* name, double x, long& out)
{
    n = std::fabs(builtin::roundnear(n));
    if (!(n <= limits::maxdegree)) {
        reportfuncerror(funccapacity, name, nullptr, 2, x, n);
        return false;
    }
    out = static_cast<long>(n);
    return true;
}

// A three-term recurrence from 1 and x: next(i, m, cur, prev) for steps
// i = 1..m-1, m the degree.  It runs in long double: its rounding errors
// add up over the steps, and the wider format keeps their sum below the
// double's last place.
template <class Next> double threeterm(double x, double n, const char* name, Next next)
{
    long m;
    if (!degree(n, name, x, m))
        return 0.0;
    if (m == 0)
        return 1;
    long double prev = 1, cur = x;
    for (long i = 1; i < m; i++) {
        long double t = next(i, m, cur, prev);
        prev = cur;
        cur = t;
    }
    double result = double(cur);
    if (!std::isfinite(result)) {
        reportfuncerror(std::isnan(x) ? funcdomain : funcoverflow, name, nullptr, 2, x, n);
        return 0.0;
    }
    return result;
}

// Steps (cos jx, sin jx) to j + 1 by one rotation.
struct rotation {
    explicit rotation(double x) : co(std::cos(x)), si(std::sin(x)) {}
    void step()
    {
        double t = co * u - si * v;
        v = si * u + co * v;
        u = t;
    }
    double co, si, u = 1, v = 0;
};
}

double Tsch(double x, double n)
{
    return threeterm(x, n, "Tsch", [x](long, long, long double cur, long double prev) {
        return 2 * x * cur - prev;
    });
}

// The Legendre recurrence run with its index counting down gives P_n as
// well.
double Legendre(double x, double n)
{
    return threeterm(x, n, "Legendre", [x](long i, long m, long double cur, long double prev) {
        long double j = m - i;
        return ((2 * j + 1) * x * cur - j * prev) / (j + 1);
    });
}

double Tser(double x, int n, const double* c)
{
    if (!c || n < 0)
        return 0.0;
    double prev = 1, cur = x, sum = c[0];
    for (int i = 1; i <= n; i++) {
        sum += c[i] * cur;
        double next = 2 * x * cur - prev;
        prev = cur;
        cur = next;
    }
    return sum;
}

double Cser(double x, int n, const double* c)
{
    if (!c || n < 0)
        return 0.0;
    rotation r(x);
    double sum = 0;
    for (int j = 0; j < n; j++, r.step())
        sum += c[j] * r.u;
    return sum;
}

double Sser(double x, int n, const double* c)
{
    if (!c || n < 0)
        return 0.0;
    rotation r(x);
    double sum = 0;
    for (int j = 0; j < n; j++) {
        r.step();
        sum += c[j] * r.v;
    }
    return sum;
}

double Fser(double x, int n, const double* c)
{
    if (!c || n < 1)
        return 0.0;
    rotation r(x);
    double sum = c[0];
    for (int j = 1; j < n; j++) {
        if (j % 2) {
            r.step();
            sum += c[j] * r.v;
        } else {
            sum += c[j] * r.u;
        }
    }
    return sum;
}

double Poly(double x, int n, const double* c)
{
    if (!c || n < 1)
        return 0.0;
    double v = c[0];
    for (int i = 1; i < n; i++)
        v = v * x + c[i];
    return v;
}

double Pser(double x, int n, const double* c)
{
    if (!c || n < 1)
        return 0.0;
    double v = c[n - 1];
    for (int i = n - 2; i >= 0; i--)
        v = v * x + c[i];
    return v;
}
