#include "math/smallfuncs.h"

namespace builtin {
double min(int n, const double* values)
{
    double m = n > 0 ? values[0] : 0.0;
    for (int i = 1; i < n; i++)
        if (values[i] < m)
            m = values[i];
    return m;
}

double max(int n, const double* values)
{
    double m = n > 0 ? values[0] : 0.0;
    for (int i = 1; i < n; i++)
        if (values[i] > m)
            m = values[i];
    return m;
}

double AND(int n, const double* values)
{
    for (int i = 0; i < n; i++)
        if (values[i] == 0.0)
            return 0.0;
    return 1.0;
}

double OR(int n, const double* values)
{
    for (int i = 0; i < n; i++)
        if (values[i] != 0.0)
            return 1.0;
    return 0.0;
}

int toint(double x, int lo, int hi)
{
    if (!(x >= lo))
        return x < lo ? lo : 0;
    if (x > hi)
        return hi;
    return int(x);
}
}
