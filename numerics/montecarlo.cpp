#include "numerics/montecarlo.h"

#include <cmath>

#include "formula/evalstate.h"
#include "formula/services.h"
#include "numerics/mcstat.h"
#include "objects/contextlist.h"
#include "objects/fu.h"
#include "objects/romberg.h"
#include "screen/boxframe.h"
#include "screen/boxsettings.h"
#include "screen/inputdialogs.h"
#include "screen/keys.h"
#include "screen/menustate.h"
#include "screen/msgbox.h"
#include "screen/screen.h"
#include "screen/services.h"

int16_t mciterate(fu& f, double x, mcstat& stats, double until)
{
    busyscope busy;
    flushkeys();
    shared.reportswitch = stats.reporterrors ? 105 : 0;
    // Sums of the deviations from a shift near the mean (the mean so far,
    // or the chunk's first result): no cancellation, and no division in
    // the loop.
    bool shifted = stats.count > 0;
    double shift = shifted ? stats.mean : 0.0;
    double sum = 0, sumsq = 0, maximum = stats.maximum, minimum = stats.minimum;
    int16_t code = mccodes::reached;
    double i = stats.count + 1;
    while (i <= until) {
        double y = f.calcx(x);
        if (!canproceed()) {
            bool stop = menus().aborted() || shared.error == evalbreak;
            if (!stop && !stats.reporterrors) {
                shared.error = evalok;   // discarded; the same iteration again
                continue;
            }
            code = stop ? mccodes::stopped : mccodes::error;
            break;
        }
        if (!shifted) {
            shift = y;
            shifted = true;
        }
        double d = y - shift;
        sum += d;
        sumsq += d * d;
        maximum = y > maximum ? y : maximum;
        minimum = y < minimum ? y : minimum;
        i += 1;
    }
    mcchunk chunk{i - 1 - stats.count, sum, sumsq, maximum, minimum};
    stats.merge(chunk, shift);
    if (code == mccodes::reached && kbhit())
        code = mccodes::keywaiting;
    return code;
}

void mcfooter(int16_t which, boxframe* box)
{
    if (!box)
        return;
    if (which == 1)
        box->footerprintf(" press <F1> for help ");
    else if (which == 2)
        box->footerprintf(" press <esc> to interrupt ");
}

void mcshow(const mcstat& s)
{
    clrwindow(0);
    gotoxy(1, 1);
    double h = s.halfwidth(), mean = s.count > 0 ? s.mean : 0.0;
    cprintf("Iterations:    %.15g\n\rMean value:                         [Confidence level: 99,9%%] \n\n\r%15.8g <= "
            "%15.8g <= %-.8g\n\r [Minimum: %-15.8g     Maximum: %.8g] \n\n\rVariance:  %15.8g\n\rDeviation: %15.8g",
            s.count, mean - h, mean, mean + h, s.minimum, s.maximum, s.variance(), s.deviation());
}

int mcmenu()
{
    textcolor(4);
    cprintf(" <enter>  resume             <b> set breakpoint\n\r <0>      restart\n\r <esc>    quit");
    textcolor(1);
    for (;;) {
        int k = getkey();
        if (k != key::f1)
            return k;
        mcinfo();
    }
}

void mcinfo()
{
    infohelp("\n You are executing a Monte Carlo run on the current calculator formula. \n\r Read \"mcarlo.wri\" for "
             "application examples, documentation, and proper- \n\r ties of the random number generator. \n\r     This "
             "feature makes repeated calls (\"iterations\") to the calculator \n\r formula and does statistics on the "
             "output values. Obviously, this makes \n\r sense only for random functions, i.e. functions calling the "
             "predefined \n\r rand(...) at some level of their implementation. \n\r    Use <0> to clear all previous "
             "data and start a new run. The display \n\r intervals will auto-adapt to the computation speed. The main "
             "result is \n\r the mean value of your random function. With a probability of 99.9%, it \n\r should lie "
             "within the indicated range. Trust this estimate only after a \n\r sufficient number of iterations, small "
             "samples might not properly repre- \n\r sent the random function. \n\r    In addition, the smallest and "
             "largest value, as well as the variance \n\r and standard deviation, of the sequence of all iterations' "
             "results are \n\r being shown. \n\r",
             1, 1);
    menus().setmode();
}

void setbreakpoint(mcstat& s)
{
    double b = inputdouble(s.breakpoint, " Stop after which iteration ?     (0 = remove breakpoint) ");
    if (inputstate != inputstates::taken)
        return;
    if (b <= 0) {
        s.breakpoint = 0;
        msgbox("\n Breakpoint removed \n", 800);
    } else {
        s.breakpoint = b;
        okbox();
    }
}

namespace {
// Chunks of 1, 10, 100, ... until one takes more than 2 ticks; then the
// display interval: the largest power of ten not above ten times the
// iterations of the calibration.
int16_t calibrate(fu& f, double x, mcstat& s, double& chunk)
{
    chunk = 1;
    double c0 = s.count, until = s.count + 1;
    long t0 = ticks();
    for (;;) {
        int16_t code = mciterate(f, x, s, until);
        if (code != mccodes::reached)
            return code;
        if (ticks() - t0 > 2) {
            while ((s.count - c0) * 10 < chunk)
                chunk /= 10;
            return mccodes::reached;
        }
        chunk *= 10;
        until = std::ceil((s.count + 1) / chunk) * chunk;
    }
}

int16_t displayloop(fu& f, double x, mcstat& s, double chunk)
{
    for (;;) {
        mcshow(s);
        if (s.breakpoint > s.count) {
            textcolor(2);
            cprintf("\n\n\n\rBreakpoint: after step %.15g", s.breakpoint);
            textcolor(1);
        }
        double until = s.count + chunk;
        if (s.breakpoint > s.count && until > s.breakpoint)
            until = s.breakpoint;
        int16_t code = mciterate(f, x, s, until);
        if (code == mccodes::reached && until == s.breakpoint)
            code = mccodes::breakpoint;
        if (code != mccodes::reached)
            return code;
    }
}

// After a runtime error: true to repeat the chunk.
bool errorchoice(mcstat& s)
{
    mcshow(s);
    setboxtitle(" W A R N I N G ");
    int k = tell("\n Runtime error during iteration %.15g. Choose one: \n\r <enter>  discard value and resume \n\r <i>      "
                 "resume and ignore all future errors \n\r <esc>    discard value and cancel \n",
                 s.count + 1);
    if (k == key::esc)
        return false;
    if (k == 'i') {
        s.reporterrors = false;
        msgstyle(1);
        setboxtitle(" C O N F I R M A T I O N ");
        tell("\n Runtime error reporting is suspended on all Monte-Carlo \n\r runs on this calculator until its "
             "contents are cleared \n\r completely with the <del> key ! \n");
    }
    return true;
}
}

double mcrun(fu& f, double x, mcstat* stats, boxframe* box)
{
    if (!stats)
        return 0;
    mcstat& s = *stats;
    mcfooter(2, box);
    gotoxy(1, 9);
    clreol(0, 0);
    bool calibrated = false;
    double chunk = 1;
    for (;;) {
        int16_t code = calibrated ? mccodes::reached : calibrate(f, x, s, chunk);
        if (code == mccodes::reached) {
            calibrated = true;
            code = displayloop(f, x, s, chunk);
        }
        menus().setmode();
        flushkeys();
        if (code == mccodes::error) {
            if (!errorchoice(s))
                return s.count;
            continue;   // the same chunk again
        }
        if (code < mccodes::keywaiting || code > mccodes::breakpoint)
            return s.count;
        if (code == mccodes::stopped)
            resumeafterbreak();
        mcshow(s);
        flushkeys();
        textcolor(4);
        cprintf("\n\n\r Computation interrupted:\n\r");
        mcfooter(1, box);
        for (bool asking = true; asking;) {
            int k = mcmenu();
            switch (k) {
            case '0':
                s.reset();
                asking = false;
                break;
            case key::enter:
            case ' ':
            case 'z':
                asking = false;
                break;
            case 'b':
                setbreakpoint(s);
                mcshow(s);
                cprintf("\n\n\r Computation interrupted:\n\r");
                break;
            case key::esc:
                return s.count;
            default:
                break;
            }
        }
        mcfooter(2, box);
        calibrated = false;   // a new calibration
    }
}

bool montecarlo(fu& f, double x, mcstat*& stats)
{
    if (!stats)
        stats = newmcstat();
    if (!stats)
        return false;
    setboxtitle(" Test a random Function ");
    setboxcolors(0, 15, 0, 0, 0);
    boxframe box(8, int16_t(screenrows() - 14), int16_t(screencols() - 8), int16_t(screenrows()));
    mcfooter(1, &box);
    textbackground(15);
    textcolor(1);
    clrwindow(15);
    while (!stats->isempty()) {
        flushkeys();
        mcshow(*stats);
        textcolor(4);
        cprintf("\n\n");
        int k = mcmenu();
        if (k == key::esc)
            return false;
        if (k == '0')
            stats->reset();
        if (k != 'b')
            break;
        setbreakpoint(*stats);
    }
    mcrun(f, x, stats, &box);
    return true;
}
