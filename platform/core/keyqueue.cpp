#include "platform/core/keyqueue.h"

namespace platform {

void keyqueue::post(int code)
{
    {
        std::lock_guard guard(lock_);
        codes_.push_back(code);
        ++posted_;
    }
    arrived_.notify_one();
}

bool keyqueue::take(int& code)
{
    std::lock_guard guard(lock_);
    if (codes_.empty())
        return false;
    code = codes_.front();
    codes_.pop_front();
    return true;
}

int keyqueue::wait()
{
    std::unique_lock guard(lock_);
    if (codes_.empty()) {
        blocked_ = true;
        if (auto hook = waithook_) {
            guard.unlock();
            hook();
            guard.lock();
        }
        arrived_.wait(guard, [this] { return !codes_.empty(); });
        blocked_ = false;
    }
    int code = codes_.front();
    codes_.pop_front();
    return code;
}

bool keyqueue::peek() const
{
    std::lock_guard guard(lock_);
    return !codes_.empty();
}

void keyqueue::flush()
{
    std::lock_guard guard(lock_);
    codes_.clear();
}

bool keyqueue::blocked() const
{
    std::lock_guard guard(lock_);
    return blocked_ && codes_.empty();
}

void keyqueue::setwaithook(void (*fn)())
{
    std::lock_guard guard(lock_);
    waithook_ = fn;
}

long keyqueue::posted() const
{
    std::lock_guard guard(lock_);
    return posted_;
}

keyqueue& computekeys()
{
    static keyqueue queue;
    return queue;
}

}  // namespace platform
