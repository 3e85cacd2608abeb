#include "screen/hotspot.h"

#include <algorithm>
#include <mutex>

#include "base/chain.h"
#include "platform/core/input.h"

namespace {

std::mutex spotlock;

chainof<hotspot>& hotspotchain()
{
    static chainof<hotspot> spots;
    return spots;
}

uint16_t clamp16(int v)
{
    return static_cast<uint16_t>(std::clamp(v, 0, 0xffff));
}

bool qualifies(const hotspot& s, bool left, bool press, int pressx, int pressy)
{
    if (press)
        return left ? s.leftpress : s.rightpress;
    return (left ? s.leftclick : s.rightclick) && s.contains(pressx, pressy);
}

}  // namespace

hotspot::hotspot(int x1, int y1, int x2, int y2, action fn) : callback(fn)
{
    place(x1, y1, x2, y2);
    std::lock_guard<std::mutex> hold(spotlock);
    hotspotchain().push(this);
}

void hotspot::place(int x1, int y1, int x2, int y2)
{
    std::lock_guard<std::mutex> hold(spotlock);
    left = clamp16(std::min(x1, x2));
    right = clamp16(std::max(x1, x2));
    top = clamp16(std::min(y1, y2));
    bottom = clamp16(std::max(y1, y2));
}

void placepressspot(hotspot*& spot, hotspot::action fn, int x1, int y1, int x2, int y2)
{
    if (spot) {
        spot->place(x1, y1, x2, y2);
        return;
    }
    spot = new hotspot(x1, y1, x2, y2, fn);
    spot->leftpress = 1;
}

bool hotspot::contains(int x, int y) const
{
    return x >= left && x <= right && y >= top && y <= bottom;
}

int16_t walkhotspots(bool left, bool press, int pressx, int pressy, int x, int y)
{
    std::lock_guard<std::mutex> hold(spotlock);
    for (hotspot* s = hotspotchain().first(); s; s = static_cast<hotspot*>(s->next))
        if (qualifies(*s, left, press, pressx, pressy) && s->contains(x, y))
            return s->callback ? s->callback(left, press) : 0;
    return 0;
}

int16_t walkhotspots(bool left, bool press)
{
    platform::inputstate& in = platform::input();
    platform::pixpoint p = left ? in.leftpress() : in.rightpress();
    platform::pixpoint now = in.position();
    return walkhotspots(left, press, p.x, p.y, now.x, now.y);
}

void clearhotspots()
{
    std::lock_guard<std::mutex> hold(spotlock);
    hotspotchain().clear();
}
