// Monotonic time since the process started, and sleeping.
#pragma once

namespace platform {

long long msecs();
// Sleeps; on the computing thread a checkpoint first.
void sleepms(int ms);

}  // namespace platform
