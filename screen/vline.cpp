// The inverted vertical line: drawn twice at the same place it is gone.
#include "platform/core/clock.h"
#include "platform/core/input.h"
#include "platform/core/requests.h"
#include "screen/host.h"
#include "screen/hoststate.h"
#include "screen/maus.h"
#include "screen/screenhost.h"

#include <atomic>
#include <thread>

namespace {

std::atomic<bool> shown{false};

void invert(int x, int top, int bottom)
{
    screenlock lock;
    invertline(lock.pixels(), x, top, bottom);
    screenchanged({x, top, x + 1, bottom + 1});
}

}  // namespace

void showvline(int x, int top, int bottom)
{
    invert(x, top, bottom);
    shown = true;
}

void hidevline(int x, int top, int bottom)
{
    if (!shown)
        return;
    invert(x, top, bottom);
    shown = false;
}

void movevline(int oldx, int newx, int top, int bottom)
{
    if (!shown || oldx == newx)
        return;
    invert(oldx, top, bottom);
    invert(newx, top, bottom);
}

bool waitleftdown()
{
    while (!platform::input().leftdown()) {
        if (host().stop)
            return false;
        platform::sleepms(5);
    }
    return true;
}

bool vlineshown()
{
    return shown;
}

int trackvline(int top, int bottom, bool pressed)
{
    if (!pressed && !waitleftdown())
        return 0;
    platform::inputstate& in = platform::input();
    sendtomain(msg::capture);
    int x = in.leftpress().x;
    showvline(x, top, bottom);
    for (;;) {
        bool down = in.leftdown();
        int now = in.position().x;
        movevline(x, now, top, bottom);
        x = now;
        if (!down || host().stop)
            break;
        platform::sleepms(5);
    }
    hidevline(x, top, bottom);
    sendtomain(msg::release);
    std::this_thread::yield();
    return x;
}
