#include "formula/parser.h"
#include "formula/rkshape.h"

#include "base/objcount.h"
#include "base/report.h"
#include "formula/destroyparser.h"
#include "formula/diagnostics.h"
#include "formula/evalstate.h"
#include "formula/hooks.h"
#include "formula/tokenhandler.h"
#include "formula/tokens.h"
#include "formula/varman.h"

constexpr int parserclass = 197;

parser::parser()
{
    objcount(parserclass);
    installhandlers();
    constructing = 1;
    *emptystream() = tk::ABORT;
    clearrkshape();
    bool first = shared.parsercount == 0;
    if (first && !buildshared()) {
        report(reportkind::unexpected, " parser constructor ");
    } else {
        // Counted before the context opens, so that parsers made while it
        // reads its objects share this state instead of building another.
        ++shared.parsercount;
        counted = true;
        if (first)
            openlocalcontext();
    }
    constructing = 0;
}

parser::~parser()
{
    objcount(-parserclass);
    delete vars;
    // Parsers of objects deleted with the context no longer count.
    if (counted && shared.parsercount > 0 && --shared.parsercount == 0) {
        freelocalcontext();
        freeshared();
    }
}

void destroyparser(parser* p)
{
    delete p;
}

void parser::reset()
{
    owner = nullptr;
    delete vars;
    vars = nullptr;
    *emptystream() = tk::ABORT;
    stamp = 0;
    shared.resolution = residentobjects();
    if (diag)
        diag->clear();
    answer = memory = 0.0;
    type = 0;
    clearrkshape();
}

void parser::clearflags()
{
    type = 0;
    stamp = 0;
    if (diag)
        diag->clear();
}

// Relaxed stores: the window thread needs the flags only eventually, and a
// sequentially consistent store would cost more than a short evaluation.
void parser::startcalc()
{
    shared.error.store(evalok, std::memory_order_relaxed);
    shared.running.store(1, std::memory_order_relaxed);
    shared.top = shared.valuestack + 2;
    shared.calllevel = 0;
}

// Refuses n arguments unless they fit above the top together with the
// entry slot and the evaluation's first value.
static bool room(int n)
{
    if (n + 1 <= stackleft())
        return true;
    shared.error = evalruntime;
    shared.result = shared.top;
    return false;
}

double parser::calc0()
{
    if (!isimplemented())
        return 0.0;
    startcalc();
    double v = calc(shared.top);
    shared.running.store(0, std::memory_order_relaxed);
    return v;
}

double parser::calc1(double x)
{
    startcalc();
    double* args = shared.top;
    *shared.top++ = x;
    double v = calc(args);
    shared.running.store(0, std::memory_order_relaxed);
    return v;
}

// A top-level evaluation with the n values that value(i) gives.
template <class Value>
double* parser::calclist(short n, Value value)
{
    startcalc();
    if (room(n)) {
        double* args = shared.top;
        for (short i = 0; i < n; ++i)
            *shared.top++ = value(i);
        calc(args);
    }
    shared.running.store(0, std::memory_order_relaxed);
    return shared.result;
}

double* parser::calcarray(const double* values, short n)
{
    return calclist(n, [values](short i) { return values[i]; });
}

double* parser::calcrefs(double* const* values, short n)
{
    return calclist(n, [values](short i) { return *values[i]; });
}

// The arguments go above the current top, so that the outer evaluation's
// top value survives.
double* parser::calcnested(const double* values, short n)
{
    unsigned char running = shared.running;
    double* top = shared.top;
    shared.error.store(evalok, std::memory_order_relaxed);
    if (room(n + 1)) {  // above the top slot
        double* args = ++shared.top;
        for (short i = 0; i < n; ++i)
            *shared.top++ = values[i];
        shared.running.store(1, std::memory_order_relaxed);
        calc(args);
    }
    shared.running.store(running, std::memory_order_relaxed);
    shared.top = top;
    return shared.result;
}

double parser::calcvoid()
{
    if (!isimplemented())
        return 0.0;
    return calc(shared.top);
}
