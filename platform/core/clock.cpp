#include "platform/core/clock.h"

#include "platform/core/front.h"
#include "platform/core/pausegate.h"

#include <atomic>
#include <chrono>
#include <thread>

namespace platform {

namespace {
const auto start = std::chrono::steady_clock::now();
std::atomic<bool> virtualon{false};
std::atomic<long long> virtualms{0};
std::atomic<bool> sleepless{false};

void advance(long long ms)
{
    if (virtualon.load(std::memory_order_relaxed) && !iswindowthread())
        virtualms.fetch_add(ms, std::memory_order_relaxed);
}
}

long long msecs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now() - start).count();
}

void sleepms(int ms)
{
    checkpoint();
    if (ms > 0) {
        advance(ms);
        if (!sleepless || !virtualon)
            std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    }
}

long long clockms()
{
    return virtualon.load(std::memory_order_relaxed) ? virtualms.load(std::memory_order_relaxed) : msecs();
}

void setvirtualclock(bool on)
{
    virtualms = 0;
    virtualon = on;
}

void setsleepless(bool on)
{
    sleepless = on;
}

void clockstep()
{
    advance(1);
}

}  // namespace platform
