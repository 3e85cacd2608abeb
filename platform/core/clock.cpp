#include "platform/core/clock.h"

#include "platform/core/pausegate.h"

#include <atomic>
#include <chrono>
#include <thread>

namespace platform {

namespace {
const auto start = std::chrono::steady_clock::now();
std::atomic<bool> virtualon{false};
std::atomic<long> virtualnow{0};
}

long long msecs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now() - start).count();
}

long ticks()
{
    if (virtualon.load())
        return virtualnow.fetch_add(1) + 1;
    return long(double(msecs()) / 54.925);
}

void setvirtualticks(bool on)
{
    virtualon = on;
}

void sleepms(int ms)
{
    checkpoint();
    if (ms > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

}  // namespace platform
