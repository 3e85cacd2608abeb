#include "screen/services.h"

#include "platform/core/clock.h"
#include "platform/core/pausegate.h"
#include "platform/core/thread.h"

#include <cstdio>

long ticks()
{
    return long(double(platform::clockms()) / 54.925);
}

bool minmaxok(long lo, long x, long hi)
{
    return lo <= x && x <= hi;
}

void beep()
{
    std::fputc('\a', stderr);
}

void sleepms(int ms)
{
    platform::sleepms(ms);
}

bool isthread2()
{
    return platform::iscomputingthread();
}

void suspendthread2()
{
    platform::pausethread();
}

void resumethread2()
{
    platform::resumethread();
}
