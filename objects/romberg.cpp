#include "objects/romberg.h"

#include <cmath>
#include <memory>
#include <new>

#include "base/objcount.h"
#include "formula/evalstate.h"
#include "formula/services.h"
#include "math/numtheory.h"
#include "objects/fu.h"
#include "platform/core/pausegate.h"
#include "screen/boxsettings.h"
#include "screen/helptopics.h"
#include "screen/infowin.h"
#include "screen/keys.h"
#include "screen/menustate.h"
#include "screen/msgbox.h"
#include "screen/msgbuffer.h"
#include "screen/screen.h"
#include "screen/statushidden.h"

void resumeafterbreak()
{
    menus().resetbusy();
    if (shared.error == evalbreak)
        shared.error = evalok;
}

bool canproceed()
{
    platform::checkpoint();
    return !menus().aborted() && shared.error == evalok;
}

int16_t floorlog2(uint32_t n)
{
    int16_t level = 0;
    while (n > 1) {
        n >>= 1;
        ++level;
    }
    return level;
}

uint32_t pow2(int16_t k)
{
    return k >= 0 && k <= 31 ? uint32_t(1) << k : 0;
}

romberg::romberg(uint32_t maxblock, double targetdigits, uint32_t traceblock)
{
    objcount(67);
    maxlevel = floorlog2(maxblock);
    tablesize = int16_t(maxlevel + 1);
    // A run computes one level past the highest (the test comes after the
    // block), and that row's last entry goes to table[tablesize].
    table = new (std::nothrow) double[tablesize + 1]();
    allocfailed = !table;
    setdigits(15.0);
    setdigits(targetdigits);
    settraceblock(maxblock);
    settraceblock(traceblock);
}

romberg::~romberg()
{
    delete[] table;
    objcount(-67);
}

double romberg::setdigits(double d)
{
    if (d >= 0 && d <= 15)
        digits = d;
    return digits;
}

uint32_t romberg::setmaxblock(uint32_t n)
{
    int16_t level = floorlog2(n);
    if (level < tablesize)
        maxlevel = level;
    return pow2(maxlevel);
}

uint32_t romberg::settraceblock(uint32_t n)
{
    int16_t level = floorlog2(n);
    if (level < tablesize)
        tracelevel = level;
    return pow2(tracelevel);
}

double romberg::integrate(fu& f, double a, double b, double* digitsout, bool trace)
{
    busyscope busy;
    int16_t k = 0;
    step = b - a;
    // Each end on its own: an evaluation that succeeds clears the error
    // byte of the one before.
    double fa = f.calcx(a);
    double fb = shared.error == evalok ? f.calcx(b) : 0.0;
    double s = (fa + fb) / 2;
    if (shared.error != evalok)
        return (b - a) * s;
    resetbest();
    best = (b - a) * s;
    bool traced = false;
    for (;;) {
        ++k;
        step *= 0.5;
        s += block(f, a, b, k);
        if (!canproceed()) {
            failreport(k);
            return best;
        }
        double reached = extrapolate(s * step, best, k, trace);
        if (digitsout)
            *digitsout = reached;
        if (reached >= digits || k > maxlevel || shared.error != evalok)
            return best;
        if (!trace && (k < tracelevel || !hastracemode()))
            continue;
        if (tracedialogue(k, !trace && !traced))
            return best;
        traced = true;
    }
}

bool romberg::tracedialogue(int16_t k, bool first)
{
    statushidden away;
    menus().disablestop();
    if (first) {
        textcolor(12);
        cprintf("\n\r Target precision not reached after %ld function evaluations.\n\r Precision reached: %4.1f  "
                "digits.\n\n\r The Romberg procedure enters its trace mode and will improve \n\r the approximation "
                "until you press <esc> to terminate !\n\n\r",
                long(pow2(k)) + 1, bestdigits);
        textcolor(6);
    }
    cprintf("%3d  %24.15g\n\n\r <enter> next iteration block     <esc> done    <F1> help\n\n\r", int(k), best);
    flushkeys();
    keycode c = getkey();
    static infoholder help;
    while (c == key::f1) {
        helpromberg(help);
        c = getkey();
    }
    if (c == key::esc)
        return true;
    if (k >= maxlevel) {
        cprintf("\n\r I resign!\n (latest approximation is returned)\n\r");
        return true;
    }
    menus().resetbusy();
    return false;
}

double romberg::block(fu& f, double a, double b, int16_t k)
{
    uint32_t n = pow2(k);
    double w = (b - a) / n;
    double sum = 0;
    for (uint32_t i = 1; i < n; i += 2) {
        double y = f.calcx(a + i * w);
        sum += y;
        if (canproceed())
            continue;
        if (!menus().aborted() || !interruptquery(i / 2 + 1, n / 2 + 1))
            return sum;
        sum -= y;
        i -= 2;
    }
    return sum;
}

bool romberg::interruptquery(uint32_t step, uint32_t length)
{
    if (!isidle())
        return false;
    statushidden away;
    menus().disablestop();
    flushkeys();
    int key = tell("\n The Romberg procedure has been interrupted in step %ld \n\r of an iteration block of length "
                   "%ld.\n\r Abort numeric integration (y/n) ? \n\r",
                   long(step), long(length));
    if (key == 'y' || key == 'Y')
        return false;
    resumeafterbreak();
    return true;
}

double romberg::extrapolate(double t, double& bestout, int16_t level, bool trace)
{
    bool tracing = trace || (hastracemode() && level > tracelevel);
    std::unique_ptr<statushidden> away;
    if (tracing)
        away = std::make_unique<statushidden>();
    if (bestdigits == -1000.0)
        best = t;   // nothing compared yet: the finest trapezoid sum so far
    double factor = 1;
    for (int j = 1; j < level; ++j) {
        double d = matchdigits(t, table[j]);
        if (tracing)
            cprintf("%3d  %24.15g   %5.2f\n\r", j, t, d);
        if (d > bestdigits) {
            bestdigits = d;
            best = t;
        }
        factor *= 4;
        double next = (factor * t - table[j]) / (factor - 1);
        table[j] = t;
        t = next;
    }
    table[level] = t;
    bestout = best;
    return bestdigits;
}

void romberg::failreport(int16_t level)
{
    statushidden away;
    if (menus().aborted()) {
        if (!isidle())
            return;
        setboxtitle(" Numeric Integration aborted ");
        setfootercode(10);
        msgbox("\n The incomplete iteration block is discarded. \n\r The best result of the preceding blocks is "
               "returned. \n");
        return;
    }
    if (shared.reportswitch == 0)
        return;
    msgbuffer m(0, 0, 0, 0, 2048);
    m.addf("\n The integrand failed to evaluate at some point \n\r during iteration block %d. \n\r So the integration "
           "interval is not fully contained \n\r in the formula's domain. \n\n\r (Execution aborted)\n",
           int(level));
    setboxtitle(" Runtime Error in Romberg Procedure ");
    setfootercode(10);
    msgstyle(1);
    menus().disablestop();
    m.show();
}
