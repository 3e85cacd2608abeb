#include "math/vecnorm.h"

#include <cmath>

double vecnorm(const double* x, int first, int last)
{
    double scale = 0;
    for (int i = first; i <= last; i++)
        scale = std::fmax(scale, std::fabs(x[i]));
    if (scale == 0 || !std::isfinite(scale))
        return scale;
    double sum = 0;
    for (int i = first; i <= last; i++) {
        double r = x[i] / scale;
        sum += r * r;
    }
    return scale * std::sqrt(sum);
}
