// The computing thread's key queue: key codes posted by any thread, read
// by one blocking reader.
#pragma once

#include <condition_variable>
#include <deque>
#include <mutex>

namespace platform {

class keyqueue {
public:
    void post(int code);
    // Takes the first code without waiting; false when the queue is empty.
    bool take(int& code);
    // Takes the first code, waiting until one arrives.  Before it blocks it
    // tells the waiter hook, so a front can feed the queue on demand.
    int wait();
    bool peek() const;
    void flush();
    // True while a reader is blocked on the empty queue.
    bool blocked() const;
    // How many codes were posted so far.
    long posted() const;
    void setwaithook(void (*fn)());

private:
    mutable std::mutex lock_;
    std::condition_variable arrived_;
    std::deque<int> codes_;
    bool blocked_ = false;
    long posted_ = 0;
    void (*waithook_)() = nullptr;
};

// The queue of the computing thread (thread message 3024).
keyqueue& computekeys();

}  // namespace platform
