// The busy state: how deeply computations are nested, whether STOP may be
// used, and the abort flag that long computations poll.  The window
// thread reads it in its key rules and sets the abort flag.
#pragma once

#include <atomic>

class menustate {
public:
    // Computing thread.
    void busybegin();
    void busyend();
    void disablestop();
    void resetbusy();
    void clearflags();

    // Any thread.
    bool stopallowed() const { return busycount > 0 && !stopdisabled; }
    bool aborted() const { return abortflag; }

    std::atomic<int> busycount{0};
    std::atomic<bool> abortflag{false};
    std::atomic<bool> stopdisabled{false};
};

// The one instance; it lives for the whole process, so the window thread
// may read it at any time.
menustate& menus();
