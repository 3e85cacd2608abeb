#include "objects/furekur.h"

#include <cmath>
#include <cstdio>
#include <new>

#include "base/report.h"
#include "formula/evalstate.h"
#include "formula/markset.h"
#include "formula/parser.h"
#include "formula/stophook.h"
#include "objects/checkcomponent.h"
#include "objects/slotcomp.h"
#include "screen/menustate.h"

namespace {
constexpr unsigned char toomanyloops = 3;   // error byte of an exceeded limit
constexpr double limitcap = 4e9;

// Label, help line, editor key, code menu key and record key of each
// component.
const slotinfo rekurslots[furekur::slots] = {
    {"Initializing part", nullptr, '1', 'i', "@INI"},
    {"While-condition", "While - condition  (default = 1)", 'W', 'w', "@WHILE"},
    {"Body", "Body of loop", 'B', 'b', "@BODY"},
    {"Until-condition", "Until - condition  (default = 0)", 'U', 'u', "@UNTIL"},
    {"Evaluation part", "Evaluation part - computing return value(s)", 'E', 'e', "@EVAL"},
    {"Max. iterations", "Maximum number of iterations  (default=0 meaning: unused)", 'M', 'n', "@ITERMAX"},
};
}

furekur::furekur() : compositeslots(slots, rekurslots, nullptr, ini, "012345", "012345")
{
    formulaslot = body;   // the body of older records
}

fu1* furekur::clone() const
{
    return new (std::nothrow) furekur(*this);
}

int furekur::countvalues()
{
    nvalues = 0;
    if (!complete())
        return 0;
    int16_t counts[slots];
    for (int i = 0; i < slots; i++)
        counts[i] = slot[i]->countvalues();
    if (counts[itermax] == 1 && counts[whilepart] == 1 && counts[untilpart] == 1 && counts[ini] && counts[body] &&
        counts[evalpart])
        nvalues = counts[evalpart];
    return nvalues;
}

// The loop's components compile twice, so that each sees the variables
// that the others declare.
bool furekur::compileall(markset& marks, int mode)
{
    static const int order[] = {ini, itermax, whilepart, body, untilpart, whilepart, body, evalpart};
    for (int which : order) {
        if (!slot[which]->compile(mode, &marks))
            return false;
        if (which != evalpart && slot[which]->nvalues != 1) {
            checkcomponent(slot[which], 34);
            return false;
        }
    }
    return true;
}

bool furekur::implement(uint8_t force, uint16_t level)
{
    (void)level;
    bool result;
    if (!beginimplement(force, result))
        return result;
    markset marks;
    if (!compileall(marks, force))
        return false;
    nvalues = slot[evalpart]->nvalues;
    endimplement(marks);
    return true;
}

uint32_t furekur::iterationlimit(double value)
{
    if (std::isnan(value))
        return 0;
    if (value > limitcap)
        return uint32_t(limitcap);
    double whole = std::trunc(value);
    if (whole < 0) {
        whole = std::fmod(whole, 4294967296.0);
        if (whole < 0)
            whole += 4294967296.0;
    }
    return uint32_t(whole);
}

bool furekur::proceed(bool strict) const
{
    return !shared.error && !(strict && menus().aborted());
}

bool furekur::runloop(double* args, bool strict, uint64_t& iterations)
{
    iterations = 0;
    slot[ini]->value(args);
    uint32_t limit = 0;
    if (proceed(strict)) {
        double first = slot[itermax]->value(args);
        limit = first > limitcap ? iterationlimit(first) : iterationlimit(slot[itermax]->value(args));
    }
    if (!proceed(strict)) {
        reporterror(1, 0);
        return false;
    }
    for (;;) {
        bool go = slot[whilepart]->value(args) != 0.0;
        if (!proceed(strict)) {
            reporterror(1, iterations);
            return false;
        }
        if (!go)
            return true;
        if (++iterations > limit && limit) {
            reporterror(2, limit);
            return false;
        }
        slot[body]->value(args);
        if (!proceed(strict)) {
            reporterror(1, iterations);
            return false;
        }
        bool done = slot[untilpart]->value(args) != 0.0;
        if (!proceed(strict)) {
            reporterror(1, iterations);
            return false;
        }
        if (done)
            return true;
    }
}

double furekur::tcalc(double* args)
{
    if (!ready())
        return 0.0;
    uint64_t iterations;
    if (!runloop(args, true, iterations))
        return 0.0;
    slotcomp* e = slot[evalpart];
    if (e->mode == 1 && e->code)
        e->code->memory = double(iterations);
    double value = e->value(args);
    if (!proceed(true))
        return reporterror(1, iterations);
    return value;
}

double* furekur::mcalc(double* args)
{
    if (!ready())
        return args;
    double* entry = shared.top;
    uint64_t iterations;
    if (!runloop(args, false, iterations))
        return entry;
    slotcomp* e = slot[evalpart];
    if (e->mode == 1 && e->code)
        e->code->memory = double(iterations);
    double* values = e->values(args);
    if (!proceed(false)) {
        reporterror(1, iterations);
        return entry;
    }
    return values;
}

double furekur::reporterror(int kind, uint64_t count)
{
    // The callers read the error byte: an exceeded limit sets it whether
    // or not its box is shown, and a stop alone ends as a break.
    if (kind == 2)
        shared.error = toomanyloops;
    bool stopped = menus().aborted();
    if (!shared.error && stopped)
        shared.error = evalbreak;
    if (stopped || shared.reportswitch == 0)
        return 0.0;
    disablestop();
    --shared.reportswitch;
    char text[300];
    if (kind == 1) {
        std::snprintf(text, sizeof text, "\n occurred in \"%s\", in its %llu th iteration. \n\n\r (computation aborted)\n",
                      fullname().c_str(), (unsigned long long)count);
        report(reportkind::error, text, " Runtime Error during Recursion ", anykeyfooter);
    } else {
        std::snprintf(text, sizeof text, "\n during execution of \"%s\", where the limit is %llu. \n\r Computation aborted !\n",
                      fullname().c_str(), (unsigned long long)count);
        report(reportkind::error, text, " Too many Loops in Recursion ", anykeyfooter);
    }
    return 0.0;
}
