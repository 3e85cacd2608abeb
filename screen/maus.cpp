#include "screen/maus.h"

#include <algorithm>
#include <cmath>

#include "base/limits.h"
#include "platform/core/clock.h"
#include "platform/core/input.h"
#include "platform/core/requests.h"
#include "screen/graphics.h"
#include "screen/host.h"
#include "screen/hoststate.h"
#include "screen/infowin.h"
#include "screen/screen.h"
#include "screen/screenhost.h"
#include "screen/tgwscreen.h"

namespace {

// h / w when that is a usable ratio, else 0.
double ratio(double h, double w)
{
    double r = h / w;
    return std::isfinite(r) && r > 0 ? r : 0.0;
}

}  // namespace

int constrainedy(int x0, int y0, int x1, int y1, double s, bool search)
{
    if (!(std::isfinite(s) && s > 0) || x1 == x0 || y1 == y0)
        return y1;
    int sign = y1 < y0 ? -1 : 1;
    double dx = std::abs(x1 - x0);
    if (search) {
        double d = std::abs(y1 - y0) / dx;
        for (int i = 0; i < limits::aspectsteps && 5 * d < s && dx * s > 80; ++i)
            s /= 10;
        for (int i = 0; i < limits::aspectsteps && s < 0.199 * d; ++i)
            s *= 10;
    }
    double y = std::clamp(y0 + sign * s * dx, -1e6, 1e6);
    int row = int(y);
    return row == y0 ? y0 + sign : row;
}

maus::maus(uint8_t c) : left(1), right(screenpixwidth()), top(1), bottom(screenpixheight()), color(c) {}

maus::~maus()
{
    releaseall();
    if (shape)
        shape->forget();
}

bool maus::drawframe(int16_t& l, int16_t& t, int16_t& r, int16_t& b, const rect& pixels, const drect& world,
                     bool pressed)
{
    double r1 = ratio(pixels.height(), pixels.width());
    double r3 = rectwidth(world) > 0 ? ratio(rectheight(world), rectwidth(world)) : r1;
    double r2 = r3 > 0 ? r1 * r1 / r3 : 0.0;
    if (!pressed && !waitleftdown())
        return false;
    platform::inputstate& in = platform::input();
    sendtomain(msg::capture);
    platform::pixpoint start = in.leftpress(), end = start;
    pixelpoint o = clientorigin();
    framestart(start.x + o.x, start.y + o.y);
    for (;;) {
        bool down = in.leftdown();
        platform::pixpoint p = in.position();
        if (p.x != start.x || p.y != start.y) {
            bool shift = in.shift(), ctrl = in.ctrl(), alt = in.alt();
            double s = shift + ctrl + alt != 1 ? 0.0 : shift ? r1 : ctrl ? r2 : r3;
            end = {p.x, constrainedy(start.x, start.y, p.x, p.y, s, !shift)};
            framemove(end.x + o.x, end.y + o.y);
        }
        if (!down || host().stop)
            break;
        platform::sleepms(5);
    }
    frameend();
    left = std::max(0, std::min(start.x, end.x));
    top = std::max(0, std::min(start.y, end.y));
    right = std::min(screenpixwidth() - 1, std::max(start.x, end.x));
    bottom = std::min(screenpixheight() - 1, std::max(start.y, end.y));
    l = int16_t(left);
    t = int16_t(top);
    r = int16_t(right);
    b = int16_t(bottom);
    sendtomain(msg::release);
    return left < right && top < bottom;
}

void maus::drawstored(uint8_t c)
{
    infohidden hidden;
    const int strips[4][4] = {
        {left, top, left, bottom}, {left, top, right, top}, {right, top, right, bottom}, {left, bottom, right, bottom}};
    for (int i = 0; i < 4; ++i)
        if (!sides[i])
            sides[i] = std::make_unique<screensave>(strips[i][0], strips[i][1], strips[i][2], strips[i][3], true);
    int old = setdrawcolor(c ? c : color);
    gmoveto(left, top);
    glineto(right, top);
    glineto(right, bottom);
    glineto(left, bottom);
    glineto(left, top);
    setdrawcolor(old);
    flushcells();
}

void maus::releaseall()
{
    for (auto& side : sides)
        side.reset();
}

void maus::move(int x, int t, int b, uint8_t c)
{
    x = x ? x : linex;
    t = t ? t : linetop;
    b = b ? b : linebottom;
    c = c ? c : color;
    if (shape)
        shape->forget();
    shape = std::make_unique<screensave>(x, t, x, b, true);
    int old = setdrawcolor(c);
    gmoveto(x, t);
    glineto(x, b);
    setdrawcolor(old);
    flushcells();
    keep = true;
}

void maus::release()
{
    if (shape && !keep)
        shape->forget();
    shape.reset();
    keep = false;
}

bool maus::startdrag(int t, int b, int& x, int& y, bool pressed)
{
    linetop = t;
    linebottom = b;
    linex = trackvline(t, b, pressed);
    platform::pixpoint p = platform::input().position();
    x = p.x;
    y = p.y;
    return true;
}
