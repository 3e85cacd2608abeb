#include "math/valtable.h"

#include <algorithm>
#include <cmath>
#include <new>

#include "base/report.h"
#include "math/hooks.h"

valtable::valtable(uint32_t d)
{
    if (reserve(d))
        dimension = d;
}

valtable::valtable(const valtable& source) : valtable(source.dimension)
{
    if (startvector && source.startvector)
        std::copy(source.startvector, source.startvector + dimension, startvector);
    startreplaceable = source.startreplaceable;
    unchecked = source.unchecked;
    stamp = source.stamp;
    fillstamp = source.fillstamp;
}

valtable::~valtable()
{
    delete[] startvector;
    delete[] currentvector;
    if (!registered)
        return;
    releasechain(true);
    if (valtablecount > 0 && --valtablecount == 0) {
        delete valbase;
        valbase = nullptr;
    }
}

bool valtable::reserve(uint32_t d)
{
    if (d <= capacity)
        return true;
    double* start = new (std::nothrow) double[d];
    double* current = new (std::nothrow) double[d];
    if (!start || !current) {
        delete[] start;
        delete[] current;
        return false;
    }
    std::fill(start, start + d, 0.0);
    std::fill(current, current + d, 0.0);
    if (startvector)
        std::copy(startvector, startvector + capacity, start);
    delete[] startvector;
    delete[] currentvector;
    startvector = start;
    currentvector = current;
    currentvalid = 0;
    capacity = d;
    return true;
}

bool valtable::setsize(uint32_t d)
{
    // The dimension changes only with vectors that hold it.
    if (d != 0) {
        if (!reserve(d))
            return false;
        dimension = d;
    }
    reset();
    return true;
}

bool valtable::flush()
{
    if (count() > 0)
        return true;
    if (dimension == 0 || !startvector)
        return false;
    if (valtablecount == 0) {
        delete valbase;
        valbase = new (std::nothrow) Valbase;
    }
    if (!valbase)
        return false;
    if (!registered) {
        registered = 1;
        valtablecount++;
    }
    walk = {};
    valhandle h = valbase->alloc(dimension);
    if (h.isnull())
        return false;
    flushhandle = h;
    lower = valbase->cursor(h);
    lower.node->kept = 1;
    lower.node->setnext({});
    lower.node->direction = 1;
    std::copy(startvector, startvector + dimension, lower.values);
    startx = startxcopy = cachedx = lastx = firstx = startvector[0];
    cachedpos = last = head = h;
    upper = lower;
    keptcount = 1;
    threshold = 1000;
    spacing = 20;
    flushed = 1;
    startonly = 1;
    return true;
}

void valtable::reset()
{
    if (startvector)
        std::copy(startvector, startvector + dimension, currentvector);
    currentvalid = 1;
    if (count() > 0) {
        releasechain(false);
        flush();
        fillstamp = stamp;
    }
    currentdirection = 1.0;
    upperon = loweron = 0;
    startx = startxcopy = startvector ? startvector[0] : 0.0;
}

void valtable::resetunflushed(int mode)
{
    if (mode != 3 && count() > 0 && !flushed)
        reset();
}

void valtable::forgetchain()
{
    head = flushhandle = last = cachedpos = walk = {};
    lower = upper = {};
    keptcount = thinnablecount = 0;
}

void valtable::releasechain(bool dropempty)
{
    uint32_t freed = valbase ? valbase->freechain(head, dropempty) : 0;
    if (freed != count()) {
        reportf(reportkind::fault,
                "\n Unexpected error \n\n\r Number of flushed entries %ld does not match size()=%ld \n\r Upon "
                "release of valtable !\n",
                long(freed), long(count()));
    }
    // The handles go too: a second release must not walk freed entries.
    forgetchain();
}

void valtable::keep(const valcursor& c, uint8_t kept)
{
    if (kept && c.node && !c.node->kept) {
        c.node->kept = 1;
        thinnablecount--;
        keptcount++;
    }
}

bool valtable::position(double x)
{
    valhandle start = firstx < cachedx && cachedx < x ? cachedpos : head;
    lower = valbase ? valbase->cursor(start) : valcursor{};
    upper = lower;
    while (upper.node && x > upper.values[0]) {
        lower = upper;
        upper = valbase->cursor(upper.node->next());
    }
    return lower.node && upper.node && lower.values[0] < x && x <= upper.values[0];
}

bool valtable::append(const double* v, uint8_t direction, uint8_t kept, double mindist)
{
    double x = v[0];
    if (count() < 2) {
        if (count() == 1 && startreplaceable && startonly) {
            valcursor c = valbase->cursor(flushhandle);
            std::copy(v, v + dimension, c.values);
            std::copy(v, v + dimension, startvector);
            firstx = lastx = cachedx = x;
            cachedpos = last = head = flushhandle;
            startonly = 0;
            return true;
        }
        if (count() == 0)
            return false;
    }
    if (thinnablecount >= threshold)
        thin();
    position(x);
    // Integrations append in ascending order: the next search starts here.
    if (lower.node) {
        cachedpos = lower.handle();
        cachedx = lower.values[0];
    }
    const valcursor* nearer = &lower;
    double d;
    if (lower.sameas(upper)) {
        d = lower.values[0] - x;
    } else if (upper.node) {
        double below = x - lower.values[0], above = upper.values[0] - x;
        if (below > above)
            nearer = &upper;
        d = std::min(below, above);
    } else {
        d = x - lower.values[0];
    }
    if (d >= mindist && d > 0)
        return insert(v, direction, kept);
    keep(*nearer, kept);
    return false;
}

bool valtable::insert(const double* v, uint8_t direction, uint8_t kept)
{
    if (!valbase || !lower.node)
        return false;
    valhandle h = valbase->alloc(dimension);
    if (h.isnull())
        return false;
    valcursor c = valbase->cursor(h);
    std::copy(v, v + dimension, c.values);
    c.node->direction = direction;
    c.node->kept = kept;
    double x = v[0];
    if (!upper.node) {
        last = h;
        lastx = x;
    }
    if (lower.sameas(upper)) {
        c.node->setnext(head);
        head = h;
        firstx = x;
    } else {
        c.node->setnext(lower.node->next());
        lower.node->setnext(h);
    }
    (kept ? keptcount : thinnablecount)++;
    return true;
}

uint32_t valtable::thin()
{
    uint32_t removed = 0;
    valcursor a = valbase ? valbase->cursor(head) : valcursor{};
    while (a.node) {
        valcursor b = valbase->cursor(a.node->next());
        if (!b.node)
            break;
        valhandle after = b.node->next();
        if (!b.node->kept && !after.isnull()) {
            a.node->setnext(after);
            valbase->freeentry(b.handle());
            thinnablecount--;
            removed++;
            a = valbase->cursor(after);
        } else {
            a = b;
        }
    }
    spacing *= 2;
    cachedpos = head;
    cachedx = firstx;
    return removed;
}

bool valtable::stampmatches() const
{
    return stampsmatch(stamp, fillstamp);
}

bool valtable::lookup(double x, const double*& vector, double& direction)
{
    if ((upperon && x > upperlimit) || (loweron && x < lowerlimit) || !startvector)
        return false;
    bool atorbelow = x <= startvector[0];
    if (!unchecked && !stampmatches())
        reset();
    vector = startvector;
    direction = 1.0;
    if (!lessthantwo()) {
        position(x);
        const valcursor& answer = atorbelow && upper.node ? upper : lower;
        vector = answer.values;
        direction = answer.node->direction ? 1.0 : -1.0;
        cachedpos = lower.handle();
        cachedx = vector[0];
    }
    if (currentvalid && std::fabs(x - currentvector[0]) < std::fabs(x - vector[0])
        && (atorbelow ? x <= currentvector[0] : x >= currentvector[0])) {
        vector = currentvector;
        direction = currentdirection;
    }
    return true;
}

const double* valtable::first()
{
    if (count() == 0 || !valbase)
        return nullptr;
    walk = head;
    return next();
}

const double* valtable::next()
{
    valcursor c = valbase ? valbase->cursor(walk) : valcursor{};
    if (!c.node)
        return nullptr;
    walk = c.node->next();
    return c.values;
}

void valtable::checkstamp(int mode, uint32_t position, uint16_t check)
{
    if (mode == 3 || lessthantwo() || unchecked)
        return;
    setcell(stamp, position, check);
    if (flushed && stampmatches())
        return;
    reset();
}

uint32_t tablebytes(const valtable* table)
{
    return table ? table->bytesize() : 0;
}

checksumcell tablestamp(const valtable* table)
{
    return table ? table->stamp : checksumcell{};
}
