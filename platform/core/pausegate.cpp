#include "platform/core/pausegate.h"

#include "platform/core/clock.h"
#include "platform/core/front.h"
#include "platform/core/surface.h"

#include <atomic>
#include <condition_variable>
#include <mutex>

namespace platform {

namespace {

std::mutex gatelock;
std::condition_variable opened;
std::atomic<bool> gateclosed{false};  // paused or armed: the fast test
bool pausedflag = false;
bool (*holdcondition)() = nullptr;
bool isparked = false;
std::atomic<void (*)()> parkhook{nullptr};

bool mustwait()
{
    return pausedflag || (holdcondition && holdcondition());
}

void update()
{
    gateclosed = pausedflag || holdcondition;
}

}  // namespace

void pausethread()
{
    std::lock_guard guard(gatelock);
    pausedflag = true;
    update();
}

void resumethread()
{
    {
        std::lock_guard guard(gatelock);
        pausedflag = false;
        update();
    }
    opened.notify_all();
}

bool paused()
{
    std::lock_guard guard(gatelock);
    return pausedflag;
}

void checkpoint()
{
    clockstep();
    if (!gateclosed.load() || iswindowthread() || surfacelock::heldhere())
        return;
    std::unique_lock guard(gatelock);
    if (!mustwait())
        return;
    isparked = true;
    if (auto hook = parkhook.load()) {
        guard.unlock();
        hook();
        guard.lock();
    }
    opened.wait(guard, [] { return !mustwait(); });
    isparked = false;
}

void holdwhen(bool (*condition)())
{
    std::lock_guard guard(gatelock);
    holdcondition = condition;
    update();
}

void release()
{
    holdwhen(nullptr);
    opened.notify_all();
}

bool parked()
{
    std::lock_guard guard(gatelock);
    return isparked;
}

void setparkhook(void (*fn)())
{
    parkhook = fn;
}

}  // namespace platform
