#include "revolver/wintests.h"

#include <cstring>

#include "platform/core/input.h"
#include "math/drect.h"
#include "screen/boxframe.h"
#include "screen/boxsettings.h"
#include "screen/fontreport.h"
#include "screen/graphics.h"
#include "screen/hoststate.h"
#include "screen/keys.h"
#include "screen/maus.h"
#include "screen/msgbox.h"
#include "screen/screen.h"
#include "screen/screenhost.h"
#include "screen/services.h"
#include "screen/tgwscreen.h"
#include "screen/winbox.h"

namespace {

int paintedcells()
{
    screenlock lock;
    int n = 0;
    for (int y = 1; vscreen && y <= vscreen->rows(); ++y)
        for (int x = 1; x <= vscreen->columns(); ++x)
            n += vscreen->cellat(x, y)->kind == cellpixels;
    return n;
}

}  // namespace

void testgraphics()
{
    gmoveto(0, 200);
    int old = setdrawcolor(4);
    keycode k;
    do {
        k = getkeymarked();
        platform::pixpoint p = platform::input().position();
        glineto(p.x, p.y);
        gtextout(p.x + 10, p.y + 10, 4, 15, "313.0124");
    } while (k != key::rightdown && !host().stop);
    setdrawcolor(old);
    flushcells();
}

void testdrawframe()
{
    pixelrect r = rubberframe();
    msgboxf("left=%ld\n\rtop=%ld\n\rright=%ld\n\rbottom=%ld\n\r", long(r.left), long(r.top), long(r.right),
            long(r.bottom));
}

void testmouseframe()
{
    maus m(1);
    int16_t l = 0, t = 0, r = 0, b = 0;
    m.drawframe(l, t, r, b, rect{}, drect{-1.0, 1.0, 1.0, -1.0});
    tell("\n Returned from maus.drawframe(): \n\n\r left=%d\n\r upper=%d\n\r right=%d\n\r lower=%d\n\r", l, t, r, b);
    m.drawstored(0);
    getkey();
    m.releaseall();
    getkey();
    m.drawstored(4);
    getkey();
    m.releaseall();
    getkey();
    int x = 0, y = 0;
    m.startdrag(100, screenpixheight() - 10, x, y);
    m.move(0, 0, 0, 0);
    getkey();
    m.release();
    getkey();
    m.move(0, 0, 0, 13);
    getkey();
    m.release();
}

void testcontaminate()
{
    winmsgbox("Click left to contaminate screen positions.\n\rClick right to decontaminate the screen and exit.", "");
    keycode k = getkeymarked();
    while (k == key::leftdown) {
        beep();
        platform::pixpoint p = platform::input().position();
        cellpos c = pixeltocell(p.x, p.y);
        markdirty(c.x, c.y);
        // The release; it is not queued when it came before this wait.
        k = getkeymarked();
        if (k == key::leftup)
            k = getkeymarked();
    }
    flushcells();
    msgboxf("Number of contaminated screenchars: %d", paintedcells());
}

void testkeycodes()
{
    setfootercode(7);
    boxframe box(10, 10, 69, 25);
    clrwindow(box.background);
    keycode k;
    do {
        k = getkey();
        cprintf("%4d  %c\n\r", k, k);
    } while (k != key::esc);
}

bool windowtest(const char* keys)
{
    static const struct {
        const char* keys;
        void (*run)();
    } commands[] = {{"og", testgraphics},
                    {"oof", testdrawframe},
                    {"oom", testmouseframe},
                    {"ooc", testcontaminate},
                    {"ook", testkeycodes},
                    {"ooF", fontreport}};
    for (const auto& c : commands)
        if (keys && std::strcmp(keys, c.keys) == 0) {
            c.run();
            return true;
        }
    return false;
}
