#include "numerics/extremesearch.h"

#include <algorithm>
#include <cmath>

#include "formula/evalstate.h"
#include "formula/services.h"
#include "numerics/toolpoint.h"
#include "screen/uiutil.h"

double extremesearch::minstep(double x)
{
    double s = std::fabs(x) * 1e-14;
    return s > 1e-150 ? s : 1e-150;
}

bool extremesearch::run(fu& f, int16_t sense, double x0, double givenstep)
{
    busyscope busy;
    step = givenstep;
    shared.reportswitch = 0;
    return probe(f, sense, x0) && bracket(f, sense, x0, next) && golden(f, sense, lo, x, hi);
}

bool extremesearch::probe(fu& f, int16_t sense, double x0)
{
    status = 0;
    double offset = 0;
    toolpoint p0 = evalat(f, x0);
    double h = std::max(step, minstep(x0) / 2);
    if (!p0.ok()) {
        status = leftdomain;
    } else {
        for (;;) {
            h *= 2;
            toolpoint l = evalat(f, x0 - h), r = evalat(f, x0 + h);
            if (!l.ok() || !r.ok()) {
                status = leftdomain;
                break;
            }
            bool right = sense * (r.y - p0.y) > 0, left = sense * (l.y - p0.y) > 0;
            if (right)
                offset = h;
            if (left)
                offset = -h;
            if ((r.y - p0.y) * (l.y - p0.y) < 0) {
                next = right ? x0 + h : x0 - h;
                return true;
            }
            if (!(h < 1e150)) {
                status = nodirection;
                break;
            }
        }
    }
    // A direction seen to improve before the failure is kept.
    if (offset == 0)
        return false;
    next = x0 + offset;
    status = 0;
    return true;
}

bool extremesearch::bracket(fu& f, int16_t sense, double x0, double x1)
{
    double d = x1 - x0;
    toolpoint p0 = evalat(f, x0), p1 = p0.ok() ? evalat(f, x1) : p0;
    if (!p0.ok() || !p1.ok()) {
        status = leftdomain;
        return false;
    }
    // before, current: the last two points of the walk; x1 the newest.
    double before = x0, current = x1, fcurrent = p1.y, fnew;
    for (;;) {
        d *= phi;
        double trial = current + d;
        toolpoint p = evalat(f, trial);
        if (!p.ok()) {
            status = leftdomain;
            return false;
        }
        x1 = trial;
        fnew = p.y;
        if (!(sense * (fnew - fcurrent) >= 0) || !(std::fabs(d) < 1e150) || isinvalid(fnew))
            break;
        before = current;
        current = trial;
        fcurrent = fnew;
    }
    if (sense * (fnew - fcurrent) >= 0 || isinvalid(fnew)) {
        status = noextremum;
        return false;
    }
    lo = std::min(before, x1);
    hi = std::max(before, x1);
    x = current;
    return true;
}

bool extremesearch::golden(fu& f, int16_t sense, double a, double m, double b)
{
    x = m;
    toolpoint pm = evalat(f, m);
    if (!pm.ok()) {
        status = leftdomain;
        return false;
    }
    double fm = pm.y;
    bool right = b - x > x - a;
    double d = (b - a) * invphi;
    while (1e-16 * std::max(std::fabs(a), std::fabs(b)) < d) {
        d = right ? b - x : x - a;
        double t = right ? b - invphi * d : a + invphi * d;
        toolpoint pt = evalat(f, t);
        if (!pt.ok()) {
            status = leftdomain;
            return false;
        }
        if (sense * pt.y > sense * fm) {
            if (right) {
                a = x;
            } else {
                b = x;
                right = false;
            }
            x = t;
            fm = pt.y;
        } else {
            if (right)
                b = t;
            else
                a = t;
            right = !right;
        }
    }
    fbest = fm;
    status = found;
    return true;
}

const char* searchword(int16_t sense, int16_t kind)
{
    bool up = sense == 1;
    switch (kind) {
    case 1: return up ? "max" : "min";
    case 2: return up ? "Max" : "Min";
    case 3: return up ? "upper" : "lower";
    case 4: return up ? "ceiling" : "bottom";
    default: return nullptr;
    }
}
