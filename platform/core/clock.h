// Monotonic time since the process started, and sleeping.
#pragma once

namespace platform {

long long msecs();
// Clock ticks of 54.925 ms since the start.  With the virtual clock on
// (the scripted front) each reading is one tick after the one before, so
// that runs calibrated by the clock go the same way every time.
long ticks();
void setvirtualticks(bool on);
// Sleeps; on the computing thread a checkpoint first.
void sleepms(int ms);

}  // namespace platform
