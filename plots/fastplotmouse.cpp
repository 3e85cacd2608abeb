// A mouse press on the calculator's screen while a fastplot is shown: the
// argument bar dragged along the lower frame band, else a zoom frame.
#include "plots/fastplotwindow.h"

#include "calculator/calculator.h"
#include "calculator/valuebox.h"
#include "platform/core/input.h"
#include "plots/fastplot.h"
#include "plots/fastplotcommands.h"
#include "plots/screenmap.h"
#include "plots/windowcmds.h"
#include "screen/infowin.h"
#include "screen/maus.h"
#include "screen/palette.h"
#include "screen/screen.h"

namespace {

enum class pressaction { frame, bar, none };

// What a press at (x, y) does on plot p.
pressaction actionat(const fastplot& p, int x, int y)
{
    const screenrect& s = p.screen;
    bool draggable = p.bar && !p.isparametric();
    if (!(s.bottom < y && y < s.bottom + p.marginbottom))
        return pressaction::frame;
    if (s.left < x && x < s.right)
        return draggable ? pressaction::bar : pressaction::frame;
    if (s.left - p.marginleft < x && x < s.right + p.marginright) {
        if (p.bar)
            return draggable ? pressaction::bar : pressaction::none;
        return pressaction::frame;
    }
    return pressaction::frame;
}

void releasevaluetext()
{
    if (namedvaluebox* box = valuedisplay())
        box->releasetext();
}

void drawzoomframe(calculator& c, fastplot& p)
{
    int16_t l = 0, t = 0, r = 0, b = 0;
    maus& m = frametracker();
    if (m.drawframe(l, t, r, b, p.screen, p.world, true))
        zoomfastplot(c, {l, t, r, b});
}

// Presses without a plot to edit: the notice on keyboard operation, at
// most three times a run.
void plotlesspress()
{
    static int presses = 0;
    if (presses < 3) {
        presses++;
        keyboardhint();
    }
}

}  // namespace

void fastplotmouse(calculator& c)
{
    if (!c.readytest(false))
        return;
    fastplot* p = c.currentplot();
    bool shown = p && c.plotready() && c.owner && c.owner->panedrawn;
    if (!shown || !c.cancompute(false)) {
        plotlesspress();
        return;
    }
    releasevaluetext();
    if (p->state() != 3)
        return;
    platform::pixpoint press = platform::input().leftpress();
    switch (actionat(*p, press.x, press.y)) {
    case pressaction::bar:
        dragargbar(c);
        return;
    case pressaction::frame:
        drawzoomframe(c, *p);
        break;
    case pressaction::none:
        break;
    }
    c.redraw();
}

bool dragargbar(calculator& c)
{
    fastplot* p = c.currentplot();
    if (!p || p->state() != 3)
        return false;
    const screenrect& s = p->screen;
    maus& m = bartracker();
    m.release();
    int x = 0, y = 0;
    m.startdrag(s.top, s.bottom, x, y, true);
    bool low = y >= s.bottom - 2 * charheight();
    if (low && s.left < x && x < s.right) {
        infohidden hidden;
        releasevaluetext();
        m.move(x, s.top, s.bottom, uint8_t(colorof(61)));
        c.setargvalue(screenmap(p->world, s).xtoworld(x));
        c.fixed = 0;
        c.setstatus(1);
        c.proceed(false);
        return true;
    }
    if (low && s.left - p->marginleft < x && x < s.right + p->marginright) {
        double d = (x <= s.right ? -0.9 : 0.9) * (p->world.right - p->world.left);
        drect w = p->world;
        w.left += d;
        w.right += d;
        c.setargvalue(c.argvalue() + d);
        setplotwindow(c, w);
        c.proceed(false);   // the values follow the moved argument
        return true;
    }
    m.move(p->barx(), s.top, s.bottom, uint8_t(colorof(61)));
    return false;
}
