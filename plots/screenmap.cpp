#include "plots/screenmap.h"

#include "base/objcount.h"
#include "math/smallfuncs.h"
#include "screen/services.h"

int pixelwithin(double p, int lo, int hi)
{
    if (!(p >= lo - 1.0 && p <= hi + 1.0))
        return 0;
    long q = long(p);
    return minmaxok(lo, q, hi) ? int(q) : 0;
}

screenmap::screenmap(const drect& w, const screenrect& r)
{
    objcount(163);
    set(w, r);
}

screenmap::~screenmap()
{
    objcount(-163);
}

void screenmap::set(const drect& w, const screenrect& r)
{
    world = w;
    pixels = r;
    pixelwidth = r.right - r.left;
    pixelheight = r.bottom - r.top;
    worldwidth = rectwidth(w);
    worldheight = rectheight(w);
}

int screenmap::worldtox(double x) const
{
    double p = builtin::roundnear((x - world.left) * pixelwidth / worldwidth) + pixels.left;
    return pixelwithin(p, pixels.left, pixels.right);
}

int screenmap::worldtoy(double y) const
{
    double p = builtin::roundnear((world.top - y) * pixelheight / worldheight) + pixels.top;
    return pixelwithin(p, pixels.top, pixels.bottom);
}

double screenmap::xtoworld(double p) const
{
    return (p - pixels.left) * worldwidth / pixelwidth + world.left;
}

double screenmap::ytoworld(double p) const
{
    return (pixels.bottom - p) * worldheight / pixelheight + world.bottom;
}
