#include "revolver/cmdreader.h"

#include "base/objcount.h"
#include "platform/core/input.h"
#include "revolver/cmdkeys.h"
#include "screen/hoststate.h"
#include "screen/screen.h"

namespace {

constexpr int cmdreaderclass = 139;

bool codematches(keycode want, keycode got)
{
    return want == cmdkey::digit ? got >= '0' && got <= '9' : want == got;
}

int length(const keycode* codes)
{
    int n = 0;
    while (codes[n])
        ++n;
    return n;
}

}  // namespace

bool beginscommand(const keycode* a, int na, const keycode* codes)
{
    for (int i = 0; i < na; ++i)
        if (!codes[i] || !codematches(codes[i], a[i]))
            return false;
    return true;
}

cmdreader::cmdreader()
{
    reset();
    objcount(cmdreaderclass);
}

cmdreader::~cmdreader()
{
    objcount(-cmdreaderclass);
}

void cmdreader::reset()
{
    n = 0;
    state = collecting;
}

void cmdreader::addkey(keycode k)
{
    if (n < maxkeys)
        keys[n++] = k;
    state = collecting;
}

void cmdreader::readonekey()
{
    for (;;) {
        keycode k = getkeymarked();   // mouse buttons come as codes here
        if (host().stop) {
            n = 0;
            addkey(key::altx);
            return;
        }
        platform::pixpoint p = platform::input().position();
        cellpos cell = pixeltocell(p.x, p.y);
        mousex = int16_t(cell.x);
        mousey = int16_t(cell.y);
        if (k == key::leftdown) {
            click1 = click2 = 0;
            state = leftclick;
            return;
        }
        if (!ismousecode(k)) {
            addkey(k);
            return;
        }
    }
}

void cmdreader::readkeys(int want)
{
    if (want > maxkeys)
        want = maxkeys;
    while (n < want && state == collecting && !host().stop)
        readonekey();
}

bool cmdreader::match(const char* text) const
{
    if (n == 0)
        return false;
    for (int i = 0; text[i] && i < maxkeys; ++i)
        if (i >= n || keys[i] != keycode(static_cast<unsigned char>(text[i])))
            return false;
    return true;
}

bool cmdreader::matchcodes(const keycode* codes) const
{
    if (n == 0)
        return false;
    int want = length(codes);
    return want <= n && beginscommand(keys, want, codes);
}

bool cmdreader::readandmatch(const keycode* codes)
{
    int want = length(codes);
    while (n > 0 && n < want && state == collecting && !host().stop && beginscommand(keys, n, codes))
        readonekey();
    return matchcodes(codes);
}
