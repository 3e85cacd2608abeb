#include "objects/sumshow.h"

#include <cctype>
#include <cmath>

#include "formula/services.h"
#include "math/rounding.h"
#include "objects/sumhelp.h"
#include "objects/sumrecord.h"
#include "objects/sumrun.h"
#include "screen/boxframe.h"
#include "screen/keys.h"
#include "screen/menustate.h"
#include "screen/msgbox.h"
#include "screen/screen.h"
#include "screen/services.h"
#include "screen/winstring.h"

namespace {
// The rest of the line in the progress colours, then the next line.
void endline()
{
    clreol(18, 0);
    cprintf("\n\r");
}
}  // namespace

void sumprogress(const sumrecord& r, bool withbreakpoint)
{
    pushcursor();
    gotoxy(1, 1);
    textcolor(16);
    textbackground(18);
    if (iswhole(r.doneindex))
        cprintf(" Index = %-15.0f", r.doneindex);
    else
        cprintf(" Index = %.15g", r.doneindex);
    endline();
    cprintf(" Partial sum = %s", sumformat(r.partial, r.mode));
    endline();
    endline();
    clreol(18, 0);
    if (withbreakpoint && r.breakpoint > r.doneindex && (r.infinite || r.breakpoint < r.last)) {
        textcolor(2);
        cprintf(" Breakpoint after index %-15.0f", r.breakpoint);
    }
    popcursor();
}

void askbreakpoint(sumrecord& r)
{
    r.breakpoint = 0;
    double value = winreadnumber(0, " Stop after which index ?     (0 = remove breakpoint) ");
    if (!(value > 0)) {
        msgbox("\n Breakpoint removed \n", 800);
        return;
    }
    r.breakpoint = value;
    okbox();
}

namespace {


// The next display stop: a whole multiple of the interval, or the end
// when it comes first.
double nextdisplay(const sumrecord& r, double end, double interval)
{
    if (r.doneindex < end && end < interval + r.doneindex)
        return end;
    return std::ceil((r.doneindex + 1) / interval) * interval;
}

// One engine call; a STOP request between chunks interrupts.
int chunk(seriesterm* f, sumrecord& r)
{
    int code = sumrun(f, &r, nullptr);
    r.partial.caddto(r.result);
    return code == sumpaused && menus().aborted() ? suminterrupted : code;
}

// Chunks grow tenfold until one takes more than two ticks, then shrink to
// a tenth of the indices done; after that the display follows each chunk.
int monitored(seriesterm* f, sumrecord& r)
{
    double end = r.infinite ? r.breakpoint : r.last;
    long t0 = ticks();
    double interval = 1.0;
    double startindex = r.doneindex;
    r.dispstop = r.doneindex + r.step;
    flushkeys();
    for (;;) {
        int code = chunk(f, r);
        sumprogress(r, true);
        if (code != sumpaused)
            return code;
        if (ticks() - t0 > 2)
            break;
        interval *= 10;
        r.dispstop = std::ceil((r.doneindex + 1) / interval) * interval;
    }
    while ((r.doneindex - startindex) * 10 < interval)
        interval /= 10;
    for (;;) {
        sumprogress(r, true);
        r.dispstop = nextdisplay(r, end, interval);
        int code = chunk(f, r);
        if (code == sumpaused && kbhit())
            code = suminterrupted;
        if (code != sumpaused)
            return code;
    }
}

// Enter, Esc, '0' or 'b'; the help screens in between.
int interruptdialog(int row)
{
    gotoxy(1, row);
    textcolor(4);
    cprintf("\n Computation interrupted:\n\r <enter>  resume             <b> set breakpoint\n\r"
            " <0>      restart            <esc> quit ");
    for (;;) {
        int k = getkey();
        if (k > 0 && k < 256)
            k = std::tolower(k);
        if (k == key::enter || k == key::esc || k == '0' || k == 'b')
            return k;
        if (k == key::f1)
            suminterrupthelp();
        else if (k == key::shiftf1)
            monotonyhelp();
    }
}

void endrun(sumrecord& r, unsigned char state)
{
    r.runstate = state;
    if (r.lastmode != r.mode)
        r.accdone = false;
    r.lastmode = r.mode;
}

}  // namespace

int sumrunshow(seriesterm* f, sumrecord& r, boxframe& box)
{
    int row = whereywin();
    for (;;) {
        box.footerprintf(" Press <space> to interrupt ");
        int code;
        {
            busyscope busy;
            code = monitored(f, r);
        }
        box.drawbottom();   // the footer cleared
        flushkeys();
        if (code == sumevalerror)
            return code;
        if (code == sumcomplete) {
            endrun(r, 2);
            return code;
        }
        if (code != suminterrupted)
            return sumpaused;
        sumprogress(r, false);
        int answer;
        while ((answer = interruptdialog(row)) == 'b')
            askbreakpoint(r);
        gotoxy(1, row);
        clrline(0, 0);
        if (answer == key::esc) {
            endrun(r, 1);
            return sumpaused;
        }
        if (answer == '0')
            r.reset();
    }
}
