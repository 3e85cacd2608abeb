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

void mcstat::add(double y)
{
    count += 1;
    double d = y - mean;
    mean += d / count;
    squares += d * (y - mean);
    if (y > maximum)
        maximum = y;
    if (y < minimum)
        minimum = y;
}

void mcstat::merge(const mcstat& chunk)
{
    if (chunk.count == 0)
        return;
    double n = count + chunk.count;
    double d = chunk.mean - mean;
    mean += d * (chunk.count / n);
    squares += chunk.squares + d * d * (count * chunk.count / n);
    count = n;
    if (chunk.maximum > maximum)
        maximum = chunk.maximum;
    if (chunk.minimum < minimum)
        minimum = chunk.minimum;
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
