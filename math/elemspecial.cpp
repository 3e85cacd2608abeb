#include "math/elemspecial.h"

#include <cmath>

#include "math/funcerror.h"

double phi0(double x)
{
    if (std::isnan(x)) {
        reportfuncerror(funcdomain, "phi0", nullptr, 1, x);
        return 0.0;
    }
    double s = x < 0 ? -1 : 1;
    x = std::fabs(x);
    if (x > 7.8975)
        return s / 2;
    double x2 = x * x, term = x, sum = x, last;
    double j = 1;
    do {
        last = sum;
        j += 2;
        term *= x2 / j;
        sum += term;
    } while (sum != last);
    return s * sum * std::exp(-x2 / 2) / 2.506628274631;
}

double em1(double x)
{
    if (!(std::fabs(x) <= 0.2))
        return std::exp(x) - 1;
    double term = x, sum = x;
    for (int j = 2; j <= 21; j++) {
        term *= x / j;
        sum += term;
    }
    return sum;
}

double ln1px(double x)
{
    if (!(std::fabs(x) <= 0.2))
        return std::log(1 + x);
    double s = 1.0 / 25;
    for (int j = 24; j >= 1; j--)
        s = 1.0 / j - x * s;
    return x * s;
}
