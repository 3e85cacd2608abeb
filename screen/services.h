// Small services that the whole program uses.
#pragma once

#include <cstdint>

// Clock ticks of 54.925 ms (about 18.2 a second) since the process started.
long ticks();
// lo <= x <= hi, compared wide: pixel positions are never narrowed first.
bool minmaxok(long lo, long x, long hi);
constexpr long bignumber() { return 10000000; }
void beep();
void sleepms(int ms);
template <class T>
bool alwaystrue(const T&)
{
    return true;
}
bool isthread2();
// Window thread: park or release the computing thread around its own
// questions; the flag is set or cleared in any case.
void suspendthread2();
void resumethread2();
