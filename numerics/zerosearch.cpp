#include "numerics/zerosearch.h"

#include <cmath>
#include <utility>

#include "formula/evalstate.h"
#include "formula/services.h"
#include "numerics/toolpoint.h"

namespace {
int signof(double v)
{
    return v > 0 ? 1 : v < 0 ? -1 : 0;
}
}

uint8_t zeroscan(fu& f, double x0, double* found, double* other, double target, int16_t direction,
                 uint32_t limit)
{
    shared.reportswitch = 0;
    if (limit == 0)
        limit = 4000;
    toolpoint p0 = evalat(f, x0);
    if (p0.state == pointstate::stopped)
        return zerocodes::nothing;
    int s0 = signof(p0.y - target);
    if (p0.ok() && s0 == 0) {
        *found = x0;
        return zerocodes::exact;
    }
    bool inside = p0.ok();
    double growth = inside ? 2.0 : 1.05;
    double step = std::fabs(x0) < 1e-150 ? 1e-150 : std::fabs(x0) * 1e-12;
    if (direction)
        step *= direction;
    else
        growth = -growth;
    double x = x0, last = x0, before = x0;
    for (uint32_t count = 0;; ++count) {
        if (count >= limit || !(std::fabs(step) < 1e300))
            return zerocodes::nothing;
        x += step;
        toolpoint p = evalat(f, x);
        if (p.state == pointstate::stopped)
            return zerocodes::nothing;
        int s = signof(p.y - target);
        if (p.ok() && (!inside || s * s0 < 0)) {
            *found = x;
            // Alternating walk: the earlier point on the same side.
            *other = growth > 0 ? last : before;
            return zerocodes::border;
        }
        if (p.ok() && s == 0) {
            *found = x;
            return zerocodes::exact;
        }
        before = last;
        last = x;
        step *= growth;
    }
}

uint8_t findzero(fu& f, double x0, double* result, double target, int16_t direction, uint32_t limit)
{
    busyscope busy;
    double lo = x0, hi = x0;
    uint8_t code = zeroscan(f, x0, &lo, &hi, target, direction, limit);
    if (code != zerocodes::border) {
        *result = lo;
        return code;
    }
    if (hi < lo)
        std::swap(lo, hi);
    shared.reportswitch = 0;
    // Mode "domain": +1 where the formula evaluates, -1 where it fails.
    bool domain = false;
    toolpoint p = evalat(f, lo);
    if (p.state == pointstate::stopped)
        return zerocodes::nothing;
    double flo = p.y - target;
    if (!p.ok()) {
        domain = true;
        flo = -1.0;
    }
    p = evalat(f, hi);
    if (p.state == pointstate::stopped)
        return zerocodes::nothing;
    double fhi = p.y - target;
    if (!p.ok()) {
        if (domain)
            return zerocodes::nothing;   // both ends fail
        domain = true;
        flo = 1.0;
        fhi = -1.0;
    }
    bool increasing = flo < fhi;
    double m = lo;
    for (;;) {
        m = (hi + lo) / 2;
        if (!(lo < m) || !(m < hi) || hi - lo < 1e-300)
            break;
        p = evalat(f, m);
        if (p.state == pointstate::stopped)
            return zerocodes::nothing;
        double fm = p.y - target;
        if (domain)
            fm = p.ok() ? 1.0 : -1.0;
        else if (fm == 0)
            break;
        if ((fm > 0 && flo >= 0) || (fm < 0 && flo <= 0)) {
            lo = m;
            flo = fm;
        } else {
            hi = m;
        }
    }
    *result = m;
    return domain ? zerocodes::border : increasing ? zerocodes::rising : zerocodes::falling;
}

int searchresult(uint8_t code, int displaymode, double target)
{
    if (code < zerocodes::exact)
        return code;
    if (target != 0)
        return 10;
    switch (displaymode) {
    case 0: return 2;
    case 1: return code + 1;
    case 2:
    case 4: return code + 4;
    case 3: return 9;
    case 9: return 10;
    default: return code;
    }
}

const char* searchname(int code)
{
    static const char* const names[] = {"Nothing",
                                        "Domain border",
                                        "Zero or pole with change of sign",
                                        "Extremal point or pole without change of sign",
                                        "Minimum or pole without change of sign",
                                        "Maximum or pole without change of sign",
                                        "Point of inflection or pole",
                                        "Point of inflection (R/L) or pole",
                                        "Point of inflection (L/R) or pole",
                                        "Zero of 3rd derivative or pole",
                                        "Target"};
    return code >= 0 && code <= 10 ? names[code] : nullptr;
}
