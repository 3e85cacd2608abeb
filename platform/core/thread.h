// The computing thread: a pthread with a stack of limits::computestackbytes,
// and the manual-reset event of the start-up handshake.
#pragma once

#include <condition_variable>
#include <mutex>

namespace platform {

class computethread {
public:
    // False when a thread was started already or cannot be created.
    bool start(void (*procedure)());
    // Waits at most timeoutms (forever when negative); true when the thread
    // has ended (it is then joined).  True at once when none was started.
    bool join(int timeoutms);
    bool started() const;

private:
    static void* entry(void* self);
    mutable std::mutex lock_;
    std::condition_variable ended_;
    void (*procedure_)() = nullptr;
    bool started_ = false, finished_ = false, joined_ = false;
    unsigned long handle_ = 0;
};

computethread& thread2();
bool iscomputingthread();

class readyevent {
public:
    void set();
    void reset();
    // True when set within timeoutms.
    bool wait(int timeoutms);

private:
    std::mutex lock_;
    std::condition_variable signalled_;
    bool set_ = false;
};

}  // namespace platform
