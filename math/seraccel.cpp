#include "math/seraccel.h"

#include <cmath>
#include <new>
#include <numbers>

#include "base/report.h"
#include "math/hooks.h"
#include "math/seriesterm.h"
#include "math/smallfuncs.h"

namespace {
// Work arrays of each nesting level, kept from their first use until the
// last accelerator goes.  A level's sizes grow when an accelerator asks for
// more than the level holds.
struct levelarrays {
    complex* column;
    int columnsize;
    complex* pieces;
    int piecesize;
};
levelarrays table[seraccel::levels];
int live = 0;
int depth = 0;

complex unit(double angle) { return {std::cos(std::numbers::pi * angle), std::sin(std::numbers::pi * angle)}; }

// A fresh array of n zero entries, or the old one when it is big enough.
bool provide(complex*& array, int& size, int n)
{
    if (array && size >= n)
        return true;
    delete[] array;
    array = new (std::nothrow) complex[n]();
    size = array ? n : 0;
    return array != nullptr;
}

// Leaves the nesting level on every way out of a limit computation.
struct nesting {
    nesting() { depth++; }
    ~nesting() { depth--; }
};
}

seraccel::seraccel()
{
    if (live == 0) {
        for (levelarrays& l : table)
            l = {};
        depth = 0;
    }
    live++;
}

seraccel::~seraccel()
{
    if (--live == 0)
        for (int level = 1; level <= levels; level++)
            freelevel(level);
}

void seraccel::freelevel(int level)
{
    levelarrays& l = table[level - 1];
    delete[] l.column;
    delete[] l.pieces;
    l = {};
}

bool seraccel::prepare(int level, bool needpieces)
{
    if (level > levels) {
        status = toodeep;
        return false;
    }
    levelarrays& l = table[level - 1];
    bool ready = provide(l.column, l.columnsize, maxcolumn + 1);
    if (ready && needpieces)
        ready = provide(l.pieces, l.piecesize, maxpieces + 1);
    if (!ready) {
        status = nomemory;
        freelevel(level);
        return false;
    }
    column = l.column;
    pieces = l.pieces;
    nterms = 0;
    return true;
}

bool seraccel::enter(bool needpieces)
{
    if (!prepare(depth, needpieces))
        return false;
    status = converged;
    return true;
}

double seraccel::altlimit(seriesterm* f, double first, double step, short sign)
{
    nesting guard;
    if (!enter(false))
        return 0.0;
    return sign * blocksum(f, first, step, 0.0, -1.0, 1).re;
}

double seraccel::reallimit(seriesterm* f, double first, double step)
{
    nesting guard;
    if (!enter(true))
        return 0.0;
    oscsum(f, first, step, 0.0, 0.0);
    return tailsum().re;
}

complex seraccel::cplxlimit(seriesterm* f, double first, double step, double phase, double rot)
{
    nesting guard;
    if (!enter(true))
        return {0.0, 0.0};
    return oscsum(f, first, step, phase / std::numbers::pi, rot / std::numbers::pi);
}

// Adds count terms f(x) times the running factor, which turns by rot from
// term to term; false when an evaluation failed (status is then set).
bool seraccel::addterms(seriesterm* f, complex& sum, complex& factor, complex rot, double& x, double step, double count)
{
    for (double k = 0; k < count; k++) {
        curindex = x;
        sum.caddto(cscale(f->calcx(x), factor));
        if (evaluationfailed()) {
            failure();
            return false;
        }
        nterms++;
        factor.cmulby(rot);
        x += step;
    }
    return true;
}

void seraccel::failure()
{
    status = evaluationbroken() ? userbreak : evalfailed;
}

complex seraccel::blocksum(seriesterm* f, double x0, double step, double a, double b, int n)
{
    complex sum(0.0, 0.0);
    complex factor = unit(a);
    complex rot = b == 1.0 ? complex(-1.0, 0.0) : unit(b);
    double x = x0;
    if (!addterms(f, sum, factor, rot, x, step, lead))
        return sum;
    resetmittel();
    nblocks = 0;
    short res = 0;
    complex partial = sum;
    do {
        if (!addterms(f, sum, factor, rot, x, step, n))
            return partial;
        partial = sum;
        nblocks++;
        res = mittel(partial);
    } while (res == 0);
    lastspan = n * b;
    lastblock = short(n);
    if (res == -1)
        status = columnfull;
    return partial;
}

complex seraccel::oscsum(seriesterm* f, double x0, double step, double p, double w)
{
    complex sum(0.0, 0.0);
    double x = x0;
    double r = 1.0;
    double d = step * w;
    d -= 2 * builtin::roundnear(d / 2);
    complex factor = unit(x0 * w + p);
    npieces = 0;
    if (!addterms(f, sum, factor, unit(d), x, step, oscillead))
        return sum;
    pieces[npieces++] = sum;
    for (;;) {
        double xs = x + (r - 1) * step;
        if (slowlimit() > std::fabs(r * d)) {
            complex v = cscale(r, blocksum(f, xs, r * step, xs * w + p, r * d + 1, 1));
            pieces[npieces++] = v;
            complex previous = sum;
            sum.caddto(v);
            r *= 2;
            if (status == converged && (r * step > 1e300 || npieces > maxpieces))
                status = runaway;
            if (status != converged || cequal(previous, sum))
                return sum;
        } else {
            int n = int(blocklength(r * d));
            complex v = cscale(r, blocksum(f, xs, r * step, xs * w + p, r * d, n));
            pieces[npieces++] = v;
            return cadd(sum, v);
        }
    }
}

short seraccel::mittel(complex& z)
{
    if (ncolumn > maxcolumn) {
        report(reportkind::unexpected, "Extra call to seraccel::mittel()");
        return -1;
    }
    for (int k = 0; k < ncolumn; k++) {
        if (cequal(column[k], z))
            return 1;
        complex m = cscale(0.5, cadd(z, column[k]));
        column[k] = z;
        z = m;
    }
    column[ncolumn++] = z;
    return ncolumn < maxcolumn ? 0 : -1;
}

complex seraccel::tailsum() const
{
    complex sum(0.0, 0.0);
    for (int k = npieces - 1; k >= 0; k--)
        sum.caddto(pieces[k]);
    return sum;
}

double seraccel::blocklength(double d) const
{
    double n = builtin::roundnear(1.0 / std::fabs(d));
    return n <= slowdiv ? n : slowdiv;
}
