#include "numerics/mcstat.h"

#include <cmath>
#include <cstdlib>

void mcstat::reset()
{
    count = 0;
    mean = 0;
    squares = 0;
    maximum = -1e300;
    minimum = 1e300;
}

void mcstat::merge(const mcchunk& chunk, double shift)
{
    maximum = chunk.maximum > maximum ? chunk.maximum : maximum;
    minimum = chunk.minimum < minimum ? chunk.minimum : minimum;
    if (chunk.count == 0)
        return;
    double m = chunk.sum / chunk.count;
    double q = chunk.sumsq - chunk.sum * m;
    double chunkmean = shift + m, chunksquares = q > 0 ? q : 0.0;
    double n = count + chunk.count;
    double d = chunkmean - mean;
    mean += d * (chunk.count / n);
    squares += chunksquares + d * d * (count * chunk.count / n);
    count = n;
}

double mcstat::variance() const
{
    double v = count > 0 ? squares / count : 0.0;
    return v > 0 ? v : 0.0;
}

double mcstat::deviation() const
{
    return std::sqrt(variance());
}

double mcstat::halfwidth() const
{
    return count > 0 ? 3.2906 * deviation() / std::sqrt(count) : 0.0;
}

mcstat* newmcstat()
{
    auto* s = static_cast<mcstat*>(std::malloc(sizeof(mcstat)));
    if (!s)
        return nullptr;
    s->reset();
    s->breakpoint = 0;
    s->reporterrors = true;
    return s;
}
