// Monotonic time since the process started, and sleeping.
#pragma once

namespace platform {

long long msecs();
// Sleeps; on the computing thread a checkpoint first.
void sleepms(int ms);

// The program's own clock (the tick clock of calibrated runs): msecs(), or
// while the virtual clock is on (the scripted front) a count that only the
// computing thread advances, by one millisecond at each checkpoint and by
// the length of each sleep, so that a calibrated run repeats exactly.
long long clockms();
void setvirtualclock(bool on);
// While set and the clock is virtual, a sleep only advances the clock (the
// key-sequence fuzz target, where time is what runs cost).
void setsleepless(bool on);
// A checkpoint's millisecond of virtual time; nothing off the computing
// thread or while the clock is real.
void clockstep();

}  // namespace platform
