// The evaluator's entry points: the state an evaluation starts from, the
// arguments on the shared stack, and back.  A top-level evaluation whose
// code has its execution form runs it at once.
#include "formula/evalstate.h"
#include "formula/execform.h"
#include "formula/parser.h"

namespace {
// The form when the parser is implemented and a top-level evaluation with
// n arguments can run it (its implementation stamp is never 0).
const execform* readyform(const parser& p, short n)
{
    const execform* form = p.code.form;
    return form && p.stamp == shared.implstamp && unsigned(n) < unsigned(form->toplimit) ? form : nullptr;
}

// The state of a top-level start with the top at top.  Relaxed stores: the
// window thread needs the flags only eventually, and a sequentially
// consistent store would cost more than a short evaluation.
void startat(double* top)
{
    shared.error.store(evalok, std::memory_order_relaxed);
    shared.running.store(1, std::memory_order_relaxed);
    shared.top = top;
    shared.calllevel = 0;
}

// args[i] = value(i) for i < n; the common counts without a loop.
template <class Value>
void copyvalues(double* args, short n, Value value)
{
    switch (n) {
    case 3: args[2] = value(2); [[fallthrough]];
    case 2: args[1] = value(1); [[fallthrough]];
    case 1: args[0] = value(0); [[fallthrough]];
    case 0: return;
    }
    for (short i = 0; i < n; ++i)
        args[i] = value(i);
}
}

void parser::startcalc()
{
    startat(shared.valuestack + 2);
}

// Refuses n arguments unless they fit above the top together with the
// entry slot and the evaluation's first value.
bool parser::room(int n)
{
    // n + 1 <= stackleft(), in slots
    if (shared.top + n + 2 <= shared.valuestack + shared.valuecapacity)
        return true;
    shared.error = evalruntime;
    shared.result = shared.top;
    return false;
}

// A top-level evaluation with the n values that value(i) gives: by the
// form where it is made and fits, else by calc.
template <class Value>
double* parser::calclist(short n, Value value)
{
    double* args = shared.valuestack + 2;
    const execform* form = readyform(*this, n);
    if (!form) [[unlikely]]
        return calclistslow(n, value);
    startat(args + n);
    copyvalues(args, n, value);
    form->leaf ? runleaf(*form, args, args + n) : runform(*form, args, args + n);
    shared.running.store(0, std::memory_order_relaxed);
    return shared.result;
}

template <class Value>
[[gnu::noinline]] double* parser::calclistslow(short n, Value value)
{
    startcalc();
    double* args = shared.top;
    if (room(n)) {
        for (short i = 0; i < n; ++i)
            *shared.top++ = value(i);
        calc(args);
    }
    shared.running.store(0, std::memory_order_relaxed);
    return shared.result;
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
    double* args = shared.valuestack + 2;
    if (const execform* form = readyform(*this, 1)) {
        startat(args + 1);
        *args = x;
        double v = form->leaf ? runleaf(*form, args, args + 1) : runform(*form, args, args + 1);
        shared.running.store(0, std::memory_order_relaxed);
        return v;
    }
    startcalc();
    *shared.top++ = x;
    double v = calc(args);
    shared.running.store(0, std::memory_order_relaxed);
    return v;
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
