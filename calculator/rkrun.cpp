// The solver's runs: integrate to a target from the nearest stored point,
// and the halving walks of integrate2 and advance.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "base/report.h"
#include "calculator/furk.h"
#include "calculator/rk.h"
#include "calculator/rktrace.h"
#include "formula/evalstate.h"
#include "formula/services.h"
#include "math/valtable.h"
#include "platform/core/pausegate.h"
#include "screen/keys.h"
#include "screen/menustate.h"
#include "screen/uiutil.h"

bool RK::breakflag() const
{
    return menus().aborted() || shared.error == evalbreak;
}

void RK::restrict(double at)
{
    if (direction < 0) {
        table->loweron = 1;
        table->lowerlimit = at;
    } else {
        table->upperon = 1;
        table->upperlimit = at;
    }
}

// Asked at top level; inside another computation only after 500 steps and
// while the current direction is free.
void RK::userbreak(double target)
{
    bool restricted = direction < 0 ? table->loweron : table->upperon;
    if (!isidle() && (stepcount < 500 || restricted))
        return;
    if (menus().stopallowed())
        menus().disablestop();
    flushkeys();   // keys typed ahead do not answer
    char where[200] = "";
    if (auto* f = static_cast<furk*>(ownerfurk()))
        std::snprintf(where, sizeof where, "\n User break received while busy in \"%s\" \n\r at call level %d\n\r",
                      f->name, int(shared.calllevel));
    int key = reportf(reportkind::message,
                      "%s\n Runge-Kutta procedure interrupted during step %d (%s) \n\r at parameter = %.15g \n\r "
                      "while trying to reach %.15g.\n\n\r Execution is aborted. Should the domain be restricted \n\r "
                      "for swifter performance of future runs ? (y/n) \n\r",
                      where, int(stepcount), direction > 0 ? "ascending" : "descending", yy[0], target);
    if (isyes(key))
        restrict(yy[0]);
}

double* RK::integrate(double target, double tolerance)
{
    busyscope busy;
    rktracerestart();
    status = reached;
    if (!isimplemented() || !table || !table->startvector || !yy) {
        status = failed;
        return yy;
    }
    table->flush();
    const int initial = target < table->startvector[0] ? -1 : 1;
    orientation = 1.0;
    lastslope = 0.0;
    step = 1.0 / 64;
    minstep = 1e-12;
    countdown = 10;
    roughcount = 0;
    roughbefore = false;
    stepcount = 0;
    const double* from = nullptr;
    if (!table->lookup(target, from, orientation)) {
        status = failed;
        return yy;
    }
    const int n = int(statelength());
    std::copy(from, from + n, yy);
    if (std::fabs(yy[0] - target) < tolerance || yy[0] == target)
        return yy;
    double distance = target - yy[0];
    direction = distance < 0 ? -1 : 1;
    while (direction * distance < step && 4 * minstep <= step)
        step /= 2;
    uint32_t unchanged = 0;
    for (;;) {
        platform::checkpoint();   // a pause may hold the run here, step by step
        distance = target - yy[0];
        bool last = direction * distance < step;
        double requested = last ? distance : direction * step;
        double trial = requested;
        rough = false;
        bool ok = !menus().aborted() && shrinkingstep(trial);
        if (rough && roughbefore)
            ++roughcount;
        roughbefore = rough;
        ++stepcount;
        if (!ok) {
            bool stopped = breakflag();
            status = stopped ? reached : formulaerror;
            if (stopped) {
                shared.error = evalbreak;
                userbreak(target);
            }
            return yy;
        }
        double lower = std::min(std::fabs(requested), 2 * minstep);
        if (std::fabs(trial) < lower || roughcount >= roughlimit)
            break;
        if (std::fabs(requested) <= std::fabs(trial)) {
            yy[0] += requested;
        } else {
            yy[0] += trial;
            last = false;
        }
        if (std::fabs(trial) != step) {
            step = std::fabs(trial);
            minstep = std::max(step / 1e14, minstep);
        } else {
            ++unchanged;
        }
        for (int i = 1; i < n; ++i)
            yy[i] += increment[i];
        callback(*this, increment);
        // A full step that lands on the target ends the run: no step of
        // length zero after it.
        last = last || yy[0] == target;
        if (!last) {
            if (unchanged == table->spacing) {
                unchanged = 0;
                table->append(yy, orientation > 0, 0, table->spacing * 0.5 * step);
            }
            continue;
        }
        if (direction == initial) {
            std::copy(yy, yy + n, table->currentvector);
            table->currentdirection = orientation;
            table->currentvalid = 1;
        }
        return yy;
    }
    status = failed;
    restrict(yy[0]);
    return yy;
}

// From start by distance: at most 100 passes, each trying half the
// remaining distance; with clipped, only states the clipper allows.
double* RK::walk(double from, double distance, double tolerance, bool clipped)
{
    integrate(from, 0.0);
    if (status != reached || breakflag())
        return yy;
    const int n = int(statelength());
    roughcount = 0;
    bool moved = false;
    double remaining = distance, trial = remaining / 2;
    double* candidate = onestep;  // free once a controlled step has returned
    for (int pass = 0; pass < 100 && std::fabs(trial) > tolerance; ++pass) {
        if (clipped && roughcount > roughlimit)
            break;
        double returned = trial;
        rough = false;
        if (menus().aborted() || !shrinkingstep(returned))
            break;
        if (rough && roughbefore)
            ++roughcount;
        roughbefore = rough;
        double taken = std::fabs(returned) < std::fabs(trial) ? returned : trial;
        if (clipped) {
            candidate[0] = yy[0] + taken;
            for (int i = 1; i < n; ++i)
                candidate[i] = yy[i] + increment[i];
            if (clipper->maskvalue(candidate, distance > 0) >= 0) {
                std::copy(candidate, candidate + n, yy);
                moved = true;
                callback(*this, increment);
            }
        } else {
            yy[0] += taken;
            for (int i = 1; i < n; ++i)
                yy[i] += increment[i];
            moved = true;
            callback(*this, increment);
        }
        remaining -= taken;
        trial = remaining / 2;
    }
    status = moved ? reached : formulaerror;
    return yy;
}

double* RK::integrate2(double from, double distance, double tolerance)
{
    return walk(from, distance, tolerance, false);
}

double* RK::advance(double from, double distance, double tolerance)
{
    if (yy)
        yy[0] = from;
    if (distance == 0 || !clipper)
        return yy;
    return walk(from, distance, tolerance, true);
}
