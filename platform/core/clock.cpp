#include "platform/core/clock.h"

#include "platform/core/pausegate.h"

#include <chrono>
#include <thread>

namespace platform {

namespace {
const auto start = std::chrono::steady_clock::now();
}

long long msecs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now() - start).count();
}

void sleepms(int ms)
{
    checkpoint();
    if (ms > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

}  // namespace platform
