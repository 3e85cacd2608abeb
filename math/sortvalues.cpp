#include "math/sortvalues.h"

#include <cmath>
#include <cstdlib>

int comparedoubles(double a, double b)
{
    if (std::isnan(a) || std::isnan(b))
        return std::isnan(a) - std::isnan(b);
    return a < b ? -1 : a > b ? 1 : 0;
}

namespace {
int compareitems(const void* a, const void* b)
{
    return comparedoubles(*static_cast<const double*>(a), *static_cast<const double*>(b));
}
}

void sortvalues(double* values, int first, int last)
{
    if (last <= first)
        return;
    std::qsort(values + first, size_t(last - first + 1), sizeof(double), compareitems);
}
