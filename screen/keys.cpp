#include "screen/keys.h"

#include "platform/core/codepage.h"
#include "platform/core/input.h"
#include "platform/core/keyqueue.h"
#include "platform/core/pausegate.h"
#include "screen/hoststate.h"

namespace {

using namespace platform;

struct navrow {
    int vk;
    keycode plain, ctrl, alt;
};

constexpr navrow navigation[] = {
    {vk::pgup, 329, 388, 409}, {vk::pgdn, 337, 374, 417}, {vk::end, 335, 373, 415},
    {vk::home, 327, 375, 407}, {vk::left, 331, 371, 411}, {vk::up, 328, 397, 408},
    {vk::right, 333, 372, 413}, {vk::down, 336, 401, 416}, {vk::ins, 338, 402, 418},
    {vk::del, 339, 403, 419},
};

}  // namespace

int charcode(int ch)
{
    return codepagebyte(ch, host().oemkeys);
}

bool translatekey(const keydown& k, keycode& code)
{
    code = 0;
    if (k.ch && !k.alt) {
        int c = charcode(k.ch);
        code = c > 0 ? c : 0;
        return true;
    }
    int modifier = k.alt ? 3 : k.ctrl ? 2 : k.shift ? 1 : 0;
    if (modifier == 3 && k.vk >= vk::digit0 && k.vk <= vk::letterz) {
        code = 512 + k.vk;
        return true;
    }
    if (k.vk >= vk::f1 && k.vk <= vk::f10) {
        constexpr int offset[] = {203, 228, 238, 248};
        code = k.vk + offset[modifier];
        if (code == key::altf4) {
            code = 0;
            return false;
        }
        return true;
    }
    if (k.vk == vk::tab && modifier == 1) {
        code = key::shifttab;
        return true;
    }
    for (const navrow& r : navigation)
        if (r.vk == k.vk)
            code = modifier == 3 ? r.alt : modifier == 2 ? r.ctrl : r.plain;
    return true;
}

keycode getkey()
{
    hoststate& h = host();
    keyqueue& q = computekeys();
    h.waitcount = 1;
    checkpoint();
    int code;
    if (!q.take(code)) {
        if (h.stop) {
            h.lastposted = 0;
            h.waitcount = 0;
            return key::esc;
        }
        code = q.wait();
    }
    h.lastposted = 0;
    h.waitcount = 0;
    return code;
}

keycode getkeymarked()
{
    host().waitingforkey = true;
    keycode code = getkey();
    host().waitingforkey = false;
    return code;
}

bool kbhit()
{
    return computekeys().peek();
}

// A flushed Esc counts as read: the next Esc is a first one again.
void flushkeys()
{
    computekeys().flush();
    host().lastposted = 0;
}

bool shiftdown() { return input().shift(); }
bool altdown() { return input().alt(); }
bool ctrldown() { return input().ctrl(); }

bool ismousecode(keycode code)
{
    return code >= key::leftdown && code <= key::rightup;
}

bool postkey(keycode code)
{
    if (!host().running)
        return false;
    computekeys().post(code);
    return true;
}

bool postkeys(const char* text)
{
    if (!host().running)
        return false;
    for (; *text; ++text)
        computekeys().post(static_cast<unsigned char>(*text));
    return true;
}
