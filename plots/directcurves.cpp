// The direct kinds: a calling object evaluated at the plotted argument.
#include <algorithm>
#include <cmath>
#include <new>
#include <string>
#include <vector>

#include "calculator/calcfunm.h"
#include "formula/diagnostics.h"
#include "formula/parser.h"
#include "math/valtable.h"
#include "objects/diagshow.h"
#include "plots/clipper.h"
#include "plots/curvebase.h"
#include "plots/curves.h"

namespace {
// The argument vector: one pointer to each argument cell of the work vector.
bool pointargs(canplot& c)
{
    delete[] c.argvector;
    c.argvector = new (std::nothrow) double*[std::max<int>(c.argcount, 1)];
    if (!c.argvector)
        return false;
    for (int i = 0; i < c.argcount; ++i)
        c.argvector[i] = c.work + i;
    return true;
}

// The counts, the work vector and the argument vector of a calling object.
bool shapedirect(canplot& c, calcfunm* object)
{
    if (!object || !object->called)
        return false;
    return fitwork(c, uint16_t(object->called->nargs), uint16_t(object->nvalues)) && c.plotted && pointargs(c);
}

// A fastplot's curve takes the calculator's arguments and its object as
// it is; a designer plot's curve compiles its copy.
bool implementdirect(canplot& c, calcfunm* object)
{
    if (c.sourcekind != canplot::designer) {
        if (object->argvector)
            for (int i = 0; i < c.argcount; ++i)
                if (object->argvector[i])
                    c.work[i] = *object->argvector[i];
        return object->isimplemented();
    }
    bool ok;
    {
        compilescope scope(c);
        if (object->myparser)
            object->myparser->clearflags();
        ok = object->implement(3, 0);
    }
    if (!ok) {
        diagnostics* called = collectorof(object->called);
        showcompilefailure(called && called->state != 0 ? called : collectorof(object));
    }
    return ok;
}

void startfromobject(canplot& c, calcfunm* object, rkshape& start)
{
    const char* letters = c.argsymbols();
    start = rkshape{};
    start.dimension = uint16_t(object ? object->nvalues : 0);
    if (c.plottedarg >= 1 && size_t(c.plottedarg) <= std::char_traits<char>::length(letters))
        start.independent = letters[c.plottedarg - 1];
    start.second = true;
}

const char* letters(calcfunm* object)
{
    return object && object->called ? object->called->argletters : "";
}

uint32_t objectgeneration(const canplot& c, calcfunm* object)
{
    return std::max(c.generationcounter, object ? object->changestamp() : 0);
}

// The values behind the arguments, for the clipper formulas.
void keepvalues(canplot& c, const double* values)
{
    std::copy(values, values + c.valuecount, c.work + c.argcount);
}

// Open for a clipper walk: graphs count a mask value of 0 as open,
// parametric curves only a negative one.
bool isopen(canplot& c, bool upward, bool zeroopen)
{
    double m = c.runclippers->maskvalue(c.work, upward);
    return zeroopen ? m <= 0 : m < 0;
}
}

directgraph::directgraph(fastplot* owner, calcfunm* object) : object(object)
{
    ownedby(*this, owner);
}

directgraph::directgraph(plot* owner, calcfunm* object) : object(object)
{
    ownedby(*this, owner);
}

bool directgraph::implement()
{
    if (!shapedirect(*this, object))
        return false;
    singlevalue = issimplecomponent(object);
    return implementdirect(*this, object);
}

const char* directgraph::argsymbols()
{
    return letters(object);
}

void directgraph::startpoint(rkshape& start)
{
    startfromobject(*this, object, start);
}

uint32_t directgraph::generation()
{
    return objectgeneration(*this, object);
}

void directgraph::rangeoptions(rangerecord& range)
{
    range.unrestrictedallowed = 1;
    range.newsampleallowed = 0;
}

double directgraph::valueat(double x, double)
{
    *plotted = x;
    if (singlevalue) {
        double v = object->calcx(x);
        work[argcount] = v;
        status = evalstatus(object->isimplemented(), v);
        return v;
    }
    double* values = evalobject(object, argvector);
    double v = values ? values[plottedvalue - 1] : 0.0;
    status = evalstatus(values != nullptr, v);
    if (values && runclippers)
        keepvalues(*this, values);
    return v;
}

double directgraph::toundefined(double& t, double s, double e)
{
    double v = valueat(t, 0);
    if (status != defined)
        return v;
    for (s /= 2; std::fabs(s) > std::fabs(e); s /= 2) {
        valueat(t + s, 0);
        if (status == defined)
            t += s;
    }
    v = valueat(t, 0);
    status = defined;
    return v;
}

double directgraph::toclipper(double& t, double s, double e)
{
    e = std::fabs(e);
    if (e == 0 || !runclippers)
        return 0;
    const bool upward = s > 0;
    double v = valueat(t, 0);
    if (status != defined)
        return v;
    if (runclippers->maskvalue(work, upward) > 0) {
        status = undefined;
        return v;
    }
    bool moved = false;
    for (int trial = 0; trial < 100 && std::fabs(s) > e; ++trial) {
        s /= 2;
        double w = valueat(t + s, 0);
        moved = status == defined && isopen(*this, upward, true);
        if (moved) {
            t += s;
            v = w;
        }
    }
    // The answer is a point on the open side, never the last refused trial.
    if (!moved)
        v = valueat(t, 0);
    status = defined;
    return v;
}

bool directgraph::prepare(samplerequest)
{
    pairinit(pair);
    return true;
}

directparam::directparam(fastplot* owner, calcfunm* object) : object(object)
{
    ownedby(*this, owner);
}

directparam::directparam(plot* owner, calcfunm* object) : object(object)
{
    ownedby(*this, owner);
}

bool directparam::implement()
{
    return shapedirect(*this, object) && implementdirect(*this, object);
}

const char* directparam::argsymbols()
{
    return letters(object);
}

void directparam::startpoint(rkshape& start)
{
    startfromobject(*this, object, start);
}

uint32_t directparam::generation()
{
    return objectgeneration(*this, object);
}

curvepoint directparam::pointat(double t, double)
{
    *plotted = t;
    double* values = evalobject(object, argvector);
    if (!values) {
        status = evalstatus(false, 0);
        return {};
    }
    curvepoint p{values[xcomponent - 1], values[ycomponent - 1]};
    status = evalstatus(true, p.x, p.y);
    keepvalues(*this, values);
    return p;
}

curvepoint directparam::toundefined(double& t, double s, double e)
{
    curvepoint p = pointat(t, 0);
    if (status != defined)
        return p;
    for (; std::fabs(s) > std::fabs(e); s /= 2) {
        pointat(t + s, 0);
        if (status == defined)
            t += s;
    }
    p = pointat(t, 0);
    status = defined;
    return p;
}

curvepoint directparam::toclipper(double& t, double s, double e)
{
    e = std::fabs(e);
    if (e == 0 || !runclippers)
        return {};
    const bool upward = s > 0;
    curvepoint p = pointat(t, 0);
    if (status != defined)
        return p;
    if (runclippers->maskvalue(work, upward) > 0) {
        status = undefined;
        return p;
    }
    bool moved = false;
    for (int trial = 0; trial < 100 && std::fabs(s) > e; ++trial, s /= 2) {
        curvepoint q = pointat(t + s, 0);
        moved = status == defined && isopen(*this, upward, false);
        if (moved) {
            t += s;
            p = q;
        }
    }
    // The work vector holds the answer's values again for the record.
    if (!moved)
        p = pointat(t, 0);
    status = defined;
    return p;
}

namespace {
// One buffer serves every direct parametric curve; it only grows.
std::vector<double>& pointbuffer()
{
    static std::vector<double> buffer;
    return buffer;
}
}

bool directparam::prepare(samplerequest request)
{
    if (!request.table)
        return false;
    table = request.table;
    plottedarg = uint16_t(request.plottedarg);
    std::vector<double>& buffer = pointbuffer();
    if (buffer.size() < table->dimension)
        buffer.resize(table->dimension);
    if (table->dimension == 3) {
        xposition = 1;
        yposition = 2;
    } else {
        xposition = uint16_t(request.component1 + 1);
        yposition = uint16_t(request.component2 + 1);
    }
    return true;
}

bool directparam::record(const double* point, double mindist)
{
    if (!table || table->dimension < 3)
        return false;
    std::vector<double>& buffer = pointbuffer();
    buffer[0] = point[plottedarg - 1];
    const double* values = point + argcount;
    if (table->dimension == 3) {
        buffer[1] = values[xcomponent - 1];
        buffer[2] = values[ycomponent - 1];
    } else {
        std::copy(values, values + std::min<size_t>(valuecount, table->dimension - 1), buffer.begin() + 1);
    }
    return table->append(buffer.data(), 0, 1, mindist);
}
