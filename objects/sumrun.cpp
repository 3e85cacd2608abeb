#include "objects/sumrun.h"

#include <algorithm>
#include <cmath>

#include "formula/evalstate.h"
#include "formula/services.h"
#include "math/seraccel.h"
#include "math/seriesterm.h"
#include "math/smallfuncs.h"
#include "platform/core/pausegate.h"
#include "objects/sumrecord.h"

namespace {
int accelerated(seriesterm* f, sumrecord& r, seraccel& a)
{
    a.lead = r.leadin;
    switch (r.mode) {
    case '+':
        r.result = {a.reallimit(f, r.first, r.step), 0.0};
        break;
    case '-':
        r.result = {a.altlimit(f, r.first, r.step, r.altplus ? 1 : -1), 0.0};
        break;
    case 'c':
    case 'e':
    case 's':
        r.result = a.cplxlimit(f, r.first, r.step, r.phase, r.rot);
        if (r.mode == 'c')
            r.result.im = 0;
        else if (r.mode == 's')
            r.result = {r.result.im, 0.0};
        break;
    }
    return a.status == seraccel::converged ? sumcomplete : a.status;
}

// The index of the next stop of a direct run.
double nextstop(const sumrecord& r, double k)
{
    double stop = r.infinite ? 1e300 : r.last;
    if (k < r.breakpoint)
        stop = r.infinite ? r.breakpoint : std::min(r.breakpoint, r.last);
    if (r.doneindex < r.dispstop && r.dispstop < stop)
        stop = r.dispstop;
    return stop;
}

// The factor of the term at index k for the types with a sign or a
// rotating factor, and how it moves on to the next term.
struct termfactor {
    complex f{1.0, 0.0};
    complex e{1.0, 0.0};

    termfactor(const sumrecord& r, double k)
    {
        if (r.mode == '-') {
            double j = builtin::roundnear((k - r.first) / r.step);
            double sign = std::fmod(j, 2.0) == 0 ? 1.0 : -1.0;
            f = {r.altplus ? sign : -sign, 0.0};
            e = {-1.0, 0.0};
        } else if (r.hasfactor()) {
            f = {std::cos(k * r.rot + r.phase), std::sin(k * r.rot + r.phase)};
            e = {std::cos(r.rot * r.step), std::sin(r.rot * r.step)};
        }
    }
};

// The plain and the alternating types stay real: no complex arithmetic in
// the loop that most sums run.
complex term(const sumrecord& r, double value, termfactor& t)
{
    if (r.mode == '+')
        return {value, 0.0};
    if (r.mode == '-') {
        double sign = t.f.re;
        t.f.re = -sign;
        return {value * sign, 0.0};
    }
    complex z = cscale(value, t.f);
    t.f.cmulby(t.e);
    if (r.mode == 'c')
        z.im = 0;
    else if (r.mode == 's')
        z = {z.im, 0.0};
    return z;
}

int direct(seriesterm* f, sumrecord& r)
{
    r.maxterm = std::max(r.maxterm, cabs(r.partial));
    double k = r.doneindex + r.step;
    double stop = nextstop(r, k);
    double n = r.mode == '-' ? 1.0 : (stop - r.doneindex) / r.step;
    termfactor t(r, k);
    // The sum stays in registers: the record is written once at the end.
    double re = 0, im = 0;
    auto finish = [&](int code) {
        r.result = {re, im};
        return code;
    };
    for (;;) {
        complex z = term(r, f->calcx(k), t);
        platform::checkpoint();   // each term: the window thread may park the run
        if (shared.error) {
            r.doneindex = k - r.step;   // the failed term is not added
            return finish(shared.error == evalbreak ? suminterrupted : sumevalerror);
        }
        re += z.re;
        im += z.im;
        if (r.infinite) {
            double size = cabs(z);
            r.quiet = (r.maxterm / n) * 1e-16 < size ? 0 : r.quiet + 1;
            r.maxterm = std::max(r.maxterm, size);
            if (r.quiet == r.kritconv) {
                r.doneindex = k;
                return finish(sumcomplete);
            }
        }
        if (stop < k + r.step)
            break;
        k += r.step;
    }
    r.doneindex = k;
    if (r.breakpoint != 0 && stop == r.breakpoint)
        return finish(suminterrupted);
    if (r.infinite)
        return finish(sumpaused);
    return finish(k + r.step <= r.last ? sumpaused : sumcomplete);
}
}

int sumrun(seriesterm* f, sumrecord* record, seraccel* accel)
{
    busyscope busy;
    if (!f || !record)
        return sumpaused;
    record->result = {0.0, 0.0};
    if (record->acceleratedinfinite())
        return accel ? accelerated(f, *record, *accel) : sumpaused;
    return direct(f, *record);
}
