#include "platform/core/thread.h"

#include "base/limits.h"

#include <pthread.h>

#include <chrono>

namespace platform {

namespace {
thread_local bool oncomputing = false;
}

bool computethread::start(void (*procedure)())
{
    std::lock_guard guard(lock_);
    if (started_)
        return false;
    procedure_ = procedure;
    pthread_attr_t attr;
    if (pthread_attr_init(&attr))
        return false;
    pthread_t id;
    bool ok = !pthread_attr_setstacksize(&attr, limits::computestackbytes)
              && !pthread_create(&id, &attr, entry, this);
    pthread_attr_destroy(&attr);
    if (!ok)
        return false;
    handle_ = id;
    started_ = true;
    finished_ = joined_ = false;
    return true;
}

void* computethread::entry(void* self)
{
    auto* t = static_cast<computethread*>(self);
    oncomputing = true;
    t->procedure_();
    {
        std::lock_guard guard(t->lock_);
        t->finished_ = true;
    }
    t->ended_.notify_all();
    return nullptr;
}

bool computethread::join(int timeoutms)
{
    std::unique_lock guard(lock_);
    if (!started_)
        return true;
    auto done = [this] { return finished_; };
    if (timeoutms < 0)
        ended_.wait(guard, done);
    else if (!ended_.wait_for(guard, std::chrono::milliseconds(timeoutms), done))
        return false;
    if (!joined_)
        pthread_join(static_cast<pthread_t>(handle_), nullptr);
    joined_ = true;
    started_ = false;
    return true;
}

bool computethread::started() const
{
    std::lock_guard guard(lock_);
    return started_;
}

computethread& thread2()
{
    static computethread thread;
    return thread;
}

bool iscomputingthread()
{
    return oncomputing;
}

void readyevent::set()
{
    {
        std::lock_guard guard(lock_);
        set_ = true;
    }
    signalled_.notify_all();
}

void readyevent::reset()
{
    std::lock_guard guard(lock_);
    set_ = false;
}

bool readyevent::wait(int timeoutms)
{
    std::unique_lock guard(lock_);
    return signalled_.wait_for(guard, std::chrono::milliseconds(timeoutms), [this] { return set_; });
}

}  // namespace platform
