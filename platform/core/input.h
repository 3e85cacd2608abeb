// Mouse and modifier state, written by the window thread and read by the
// computing thread (polling, as the mouse tracker does).
#pragma once

#include <atomic>
#include <cstdint>

namespace platform {

struct pixpoint {
    int x = 0, y = 0;
};

class inputstate {
public:
    // Window thread.
    void setposition(int x, int y) { position_ = pack(x, y); }
    void setleft(bool down) { left_ = down; }
    void setright(bool down) { right_ = down; }
    void setleftpress(int x, int y) { leftpress_ = pack(x, y); }
    void setrightpress(int x, int y) { rightpress_ = pack(x, y); }
    void setmodifiers(bool shift, bool ctrl, bool alt);

    // Any thread.  On the computing thread a read of a button first lets
    // the poll hook act (the scripted front delivers its next mouse item
    // there); reading a position takes nothing, so a pending press still
    // reaches a key reader.
    pixpoint position() const;
    pixpoint leftpress() const;
    pixpoint rightpress() const;
    bool leftdown() const;
    bool rightdown() const;
    bool shift() const { return shift_; }
    bool ctrl() const { return ctrl_; }
    bool alt() const { return alt_; }

    void setpollhook(void (*fn)()) { pollhook_ = fn; }

private:
    static uint32_t pack(int x, int y);
    static pixpoint unpack(uint32_t v);
    void poll() const;
    std::atomic<uint32_t> position_{0}, leftpress_{0}, rightpress_{0};
    std::atomic<bool> left_{false}, right_{false};
    std::atomic<bool> shift_{false}, ctrl_{false}, alt_{false};
    std::atomic<void (*)()> pollhook_{nullptr};
};

inputstate& input();

}  // namespace platform
