#include "math/vecfuncs.h"

#include <cmath>
#include <numbers>

double vecabssum(const double* x, int first, int last)
{
    double sum = 0;
    for (int i = first; i <= last; i++)
        sum += std::fabs(x[i]);
    return sum;
}

double vecdist(const double* x, const double* y, int first, int last)
{
    double sum = 0;
    for (int i = first; i <= last; i++) {
        double d = x[i] - y[i];
        sum += d * d;
    }
    return std::sqrt(sum);
}

double vecmaxabs(const double* x, int first, int last)
{
    double big = 0;
    for (int i = first; i <= last; i++)
        big = std::fmax(big, std::fabs(x[i]));
    return big;
}

double vecmin(const double* x, int first, int last)
{
    double small = 1e300;
    for (int i = first; i <= last; i++)
        if (x[i] < small)
            small = x[i];
    return small;
}

void veczero(double* x, int first, int last)
{
    for (int i = first; i <= last; i++)
        x[i] = 0.0;
}

void veccopy(double* dst, const double* src, int first, int last)
{
    for (int i = first; i <= last; i++)
        dst[i] = src[i];
}

void vecadd(double* x, const double* y, int first, int last)
{
    for (int i = first; i <= last; i++)
        x[i] += y[i];
}

void veclincomb(double a, const double* x, double b, const double* y, int first, int last,
                double* z)
{
    for (int i = first; i <= last; i++)
        z[i] = a * x[i] + b * y[i];
}

double vecdot(const double* x, const double* y, int first, int last)
{
    double sum = 0;
    for (int i = first; i <= last; i++)
        sum += x[i] * y[i];
    return sum;
}

double vecangle(const double* x, const double* y, int first, int last)
{
    double xx = vecdot(x, x, first, last), yy = vecdot(y, y, first, last);
    if (xx == 0 || yy == 0)
        return 0.0;
    // The factor just below 1 keeps acos inside its domain for parallel vectors.
    double c = -0.99999999999999 * vecdot(x, y, first, last) / std::sqrt(xx * yy);
    return std::acos(c) * 180 / std::numbers::pi;
}
