#include "math/random.h"

#include <cmath>

#include "base/datestamp.h"
#include "math/funcerror.h"

namespace {
unsigned seed = 1;
unsigned state = 1;
constexpr double randomlimit = 1e15;
}

void setseed(unsigned s)
{
    seed = s;
    state = s;
}

unsigned currentseed()
{
    return seed;
}

void seedrandom()
{
    datestamp stamp;
    stamp.now();
    setseed(timeseed(stamp));
}

int randomvalue()
{
    state = state * 1103515245u + 12345u;
    return int((state >> 16) & randommax);
}

double randomuniform()
{
    double v = 0;
    for (int i = 0; i < 4; i++)
        v = (randomvalue() + v) * 3.0517578125e-5;
    return v;
}

double randomarg(double x)
{
    if (!(x > 0))
        return randomuniform();
    if (x <= randomlimit)
        return std::floor(randomuniform() * x);
    reportfuncerror(functext, "rand", "argument must not exceed 1.e15 !", 1, x);
    return -1.0;
}
