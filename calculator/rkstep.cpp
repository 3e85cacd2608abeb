// One formula call, one classic fourth-order step, several steps and the
// step-doubling controlled step.  These run for every derivative
// evaluation: no allocation, no virtual call beyond the evaluator.
#include <algorithm>
#include <cmath>

#include "calculator/rk.h"
#include "formula/evalstate.h"
#include "formula/parser.h"

namespace {
double norm(const double* x, int first, int last)
{
    double s = 0;
    for (int i = first; i <= last; ++i)
        s += x[i] * x[i];
    return std::sqrt(s);
}

double distance(const double* a, const double* b, int first, int last)
{
    double s = 0;
    for (int i = first; i <= last; ++i) {
        double d = a[i] - b[i];
        s += d * d;
    }
    return std::sqrt(s);
}
}

// k from the stage: the lower levels are the next levels of the state, the
// top level the formula's values.  Arclength mode: the unit tangent of the
// curve with slope f(x, y), followed in the current orientation.
bool RK::derivative()
{
    ++evaluations;
    if (shape.arclength) {
        double* values = myparser->calcnested(stage + 1, short(2 + furthercount));
        if (shared.error)
            return false;
        double m = values[0];
        if (!(std::fabs(m) < 1e300)) {
            k[1] = 0.0;
            k[2] = orientation * lastslope > 0 ? 1.0 : -1.0;
            lastslope = lastslope > 0 ? 1e150 : -1e150;
            return true;
        }
        if (m * lastslope < -1)
            orientation = -orientation;
        k[1] = orientation / std::sqrt(1 + m * m);
        k[2] = m * k[1];
        lastslope = m;
        return true;
    }
    double* values = myparser->calcnested(stage, short(1 + statesize + furthercount));
    if (shared.error)
        return false;
    int d = shape.dimension, lower = statesize - d;
    for (int i = 1; i <= lower; ++i)
        k[i] = stage[i + d];
    for (int i = 0; i < d; ++i)
        k[lower + 1 + i] = values[i];
    return true;
}

// One step of length h from yy; delta receives the increment.
bool RK::rkstep(double h, double* delta)
{
    const int m = int(statelength()) - 1;
    const double x = yy[0];
    static constexpr double at[4] = {0.0, 0.5, 0.5, 1.0};
    static constexpr double weight[4] = {1.0 / 6, 1.0 / 3, 1.0 / 3, 1.0 / 6};
    for (int s = 0; s < 4; ++s) {
        stage[0] = x + at[s] * h;
        if (s == 0) {
            for (int i = 1; i <= m; ++i)
                stage[i] = yy[i];
        } else {
            double c = at[s] * h;
            for (int i = 1; i <= m; ++i)
                stage[i] = yy[i] + c * k[i];
        }
        if (!derivative())
            return false;
        double w = weight[s] * h;
        if (s == 0) {
            for (int i = 1; i <= m; ++i)
                delta[i] = w * k[i];
        } else {
            for (int i = 1; i <= m; ++i)
                delta[i] += w * k[i];
        }
    }
    if (--countdown == 0) {
        double sk = 0, sd = 0;
        for (int i = 1; i <= m; ++i) {
            sk += std::fabs(k[i]);
            sd += std::fabs(delta[i]);
        }
        if (std::fabs(h) * sk > roughfactor * sd)
            rough = true;
        countdown = rough || roughcount > 0 ? 1 : 10;
    }
    return true;
}

// m steps of h from yy, their increments summed into sum; yy moves on
// after every step but the last.
bool RK::severalsteps(int count, double h, double* sum)
{
    const int m = int(statelength()) - 1;
    for (int j = 0; j < count; ++j) {
        if (!rkstep(h, increment))
            return false;
        for (int i = 1; i <= m; ++i)
            sum[i] = j == 0 ? increment[i] : sum[i] + increment[i];
        if (j + 1 < count) {
            yy[0] += h;
            for (int i = 1; i <= m; ++i)
                yy[i] += increment[i];
        }
    }
    return true;
}

// From yy with the trial step: one step against two halves, then two
// halves against four quarters while the step halves.  The accepted
// increment lands in `increment`, yy is left as it was, trial is the
// returned trial (twice the step after an easy acceptance).
bool RK::controlledstep(double& trial)
{
    const int n = int(statelength()), m = n - 1;
    for (int i = 0; i < n; ++i)
        start[i] = yy[i];
    const double orient = orientation, slope = lastslope;
    auto restore = [&](bool all) {
        for (int i = 0; i < n; ++i)
            yy[i] = start[i];
        if (all) {
            orientation = orient;
            lastslope = slope;
        }
    };
    const double ynorm = norm(start, 1, m);
    double h = trial;
    if (!severalsteps(1, h, onestep))
        return restore(false), false;
    restore(true);
    if (!severalsteps(2, h / 2, twohalves))
        return restore(false), false;
    double err = distance(onestep, twohalves, 1, m);
    double twonorm = norm(twohalves, 1, m);
    bool bothrough = rough && roughbefore;
    if (!bothrough && (2 * err < statetolerance * ynorm || 2 * err < incrementtolerance * twonorm)) {
        for (int i = 1; i <= m; ++i)
            increment[i] = twohalves[i];
        restore(false);
        trial = 2 * h;
        return true;
    }
    double previous = twonorm;
    for (;;) {
        restore(true);
        if (!severalsteps(4, h / 4, fourquarters))
            return restore(false), false;
        err = distance(twohalves, fourquarters, 1, m);
        bothrough = rough && roughbefore;
        if ((!bothrough && err < statetolerance * ynorm) || (!bothrough && err < incrementtolerance * previous)
            || std::fabs(h) < 2 * minstep) {
            for (int i = 1; i <= m; ++i)
                increment[i] = fourquarters[i];
            restore(false);
            trial = h;
            return true;
        }
        previous = norm(fourquarters, 1, m);
        h /= 2;
        rough = false;  // the flag of the longer step
        restore(true);
        if (!severalsteps(2, h / 2, twohalves))
            return restore(false), false;
        // The increment of a longer step that was unstable (a stiff system)
        // is no scale for the error: at most twice the new one counts.
        previous = std::min(previous, 2 * norm(twohalves, 1, m));
    }
}

// A controlled step whose formula calls fail (an overflow, a domain error)
// was too large: it is tried again at half the length, down to the
// smallest step.  The trials run without reports; a failure at the
// smallest step is run once more with them, so that its report shows.  A
// user break ends the step at once.  After a retry the step does not grow:
// the returned trial is the length taken.
bool RK::shrinkingstep(double& trial)
{
    const short budget = shared.reportswitch;
    shared.reportswitch = 0;
    double h = trial, returned = h;
    bool ok = controlledstep(returned);
    while (!ok && !breakflag() && std::fabs(h) >= 4 * minstep) {
        h /= 2;
        returned = h;
        ok = controlledstep(returned);
    }
    shared.reportswitch = budget;
    if (!ok && budget > 0 && !breakflag()) {
        returned = h;
        ok = controlledstep(returned);
    }
    if (ok)
        trial = h != trial && std::fabs(returned) > std::fabs(h) ? h : returned;
    return ok;
}
