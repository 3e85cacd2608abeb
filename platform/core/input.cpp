#include "platform/core/input.h"

#include "platform/core/thread.h"

namespace platform {

// Positions are two 16-bit client coordinates; they may be negative while
// the mouse is captured outside the window.
uint32_t inputstate::pack(int x, int y)
{
    return uint32_t(uint16_t(int16_t(x))) | uint32_t(uint16_t(int16_t(y))) << 16;
}

pixpoint inputstate::unpack(uint32_t v)
{
    return {int16_t(uint16_t(v)), int16_t(uint16_t(v >> 16))};
}

void inputstate::setmodifiers(bool shift, bool ctrl, bool alt)
{
    shift_ = shift;
    ctrl_ = ctrl;
    alt_ = alt;
}

void inputstate::poll() const
{
    auto hook = pollhook_.load();
    if (hook && iscomputingthread())
        hook();
}

pixpoint inputstate::position() const
{
    return unpack(position_);
}

pixpoint inputstate::leftpress() const
{
    return unpack(leftpress_);
}

pixpoint inputstate::rightpress() const
{
    return unpack(rightpress_);
}

bool inputstate::leftdown() const
{
    poll();
    return left_;
}

bool inputstate::rightdown() const
{
    poll();
    return right_;
}

inputstate& input()
{
    static inputstate state;
    return state;
}

}  // namespace platform
