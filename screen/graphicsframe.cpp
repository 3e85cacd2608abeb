// The rubber-band frame.  It is given in desktop coordinates and drawn,
// inverted, only where it lies over the main window's client area.
#include <algorithm>

#include "platform/core/clock.h"
#include "platform/core/input.h"
#include "screen/graphics.h"
#include "screen/hoststate.h"
#include "screen/screenhost.h"

namespace {
struct rubberband {
    bool active = false;
    int ax = 0, ay = 0, mx = 0, my = 0;
} band;

void drawband()
{
    pixelpoint o = clientorigin();
    pixelrect r{std::min(band.ax, band.mx) - o.x, std::min(band.ay, band.my) - o.y,
                std::max(band.ax, band.mx) - o.x + 1, std::max(band.ay, band.my) - o.y + 1};
    screenlock lock;
    invertframe(lock.pixels(), r);
    screenchanged(r);
}
}

void framestart(int x, int y)
{
    band = {true, x, y, x, y};
    drawband();
}

void framemove(int x, int y)
{
    if (!band.active)
        return;
    drawband();
    band.mx = x;
    band.my = y;
    drawband();
}

void frameend()
{
    if (!band.active)
        return;
    drawband();
    band.active = false;
}

pixelrect rubberframe()
{
    platform::inputstate& in = platform::input();
    while (!in.leftdown()) {
        if (host().stop)
            return {0, 0, 0, 0};
        platform::sleepms(20);
    }
    pixelpoint o = clientorigin();
    platform::pixpoint p = in.leftpress();
    framestart(p.x + o.x, p.y + o.y);
    for (;;) {
        bool down = in.leftdown();
        p = in.position();
        framemove(p.x + o.x, p.y + o.y);
        if (!down || host().stop)
            break;
        platform::sleepms(20);
    }
    frameend();
    return {std::min(band.ax, band.mx) - o.x, std::min(band.ay, band.my) - o.y, std::max(band.ax, band.mx) - o.x,
            std::max(band.ay, band.my) - o.y};
}
