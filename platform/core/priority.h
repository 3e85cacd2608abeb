// Process priority classes as nice values: normal 32 (nice 0), idle 64
// (19), high 128 (-10), realtime 256 (-20).  Raising the priority needs
// privileges; a refusal is returned, never fatal.
#pragma once

#include <string>

namespace platform {

namespace priorityclass {
constexpr int normal = 32, idle = 64, high = 128, realtime = 256;
}

// The class of the process (its main thread's nice value); 0 when the
// nice value is none of the four.
int processclass();
// Gives every thread of the process the class's nice value; false with
// the reason in error when any thread refused.
bool setprocessclass(int cls, std::string& error);
// The priority of thread 1 (the window thread, the process's main thread)
// or 2 (the calling computing thread) relative to the class, in the steps
// -15, -2, -1, 0, 1, 2, 15 (higher is more urgent); false when the thread
// cannot be read.
bool threadpriority(int thread, int& priority);

}  // namespace platform
