// The solver's life: construction, copies, formula, compilation and the
// further arguments.  Steps and runs are in rkstep.cpp and rkrun.cpp.
#include "calculator/rk.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "base/objcount.h"
#include "base/report.h"
#include "base/serial.h"
#include "calculator/rktrace.h"
#include "formula/compile.h"
#include "formula/diagnostics.h"
#include "formula/evalstate.h"
#include "formula/letters.h"
#include "formula/markset.h"
#include "formula/parser.h"
#include "formula/varman.h"
#include "math/valtable.h"
#include "objects/usagewarnings.h"

namespace {
constexpr int rkclass = 61;
constexpr size_t formulalimit = 1040;
}

RK::RK() : version(newserial()), callback(rktracewriter)
{
    objcount(rkclass);
}

RK::RK(const RK& source)
    : listnode(), shape(source.shape), version(newserial()), table(source.table),
      roughfactor(source.roughfactor), roughlimit(source.roughlimit), callback(rktracewriter)
{
    objcount(rkclass);
    shape.second = false;
    setformula(source.formula);
    if (source.lendstores()) {
        vars = source.vars;
        varsshared = true;
    }
    else if (source.vars)
        vars = new (std::nothrow) varman(*source.vars);
}

RK::~RK()
{
    objcount(-rkclass);
    if (myparser && myparser->vars == vars)
        myparser->vars = nullptr;
    if (myparser && myparser->diag == diag)
        myparser->diag = nullptr;
    delete myparser;
    delete[] formula;
    if (varsowned())
        delete vars;
    if (!lendstores())
        delete diag;
}

bool RK::assign(const RK& source)
{
    shape = source.shape;
    shape.second = false;
    if (!setformula(source.formula))
        return false;
    if (source.vars) {
        if (!vars && !source.lendstores() && varsowned())
            vars = new (std::nothrow) varman;
        if (vars && vars != source.vars)
            vars->copyvalues(*source.vars);
    }
    if (!table || !source.table || !source.table->startvector)
        return table == nullptr;
    uint32_t n = uint32_t(source.statelength());
    if (!table->setsize(n))
        return false;
    std::copy(source.table->startvector, source.table->startvector + n, table->startvector);
    table->reset();
    return true;
}

bool RK::setformula(const char* text)
{
    if (!text)
        text = "";
    size_t n = std::min(std::strlen(text), formulalimit);
    if (n + 1 > formulacapacity || !formula) {
        char* grown = new (std::nothrow) char[n + 1];
        if (!grown) {
            failedflag = 1;
            return false;
        }
        delete[] formula;
        formula = grown;
        formulacapacity = uint32_t(n + 1);
    }
    std::memcpy(formula, text, n);
    formula[n] = 0;
    invalidate();
    return true;
}

bool RK::checksize()
{
    if (!formula || !shape.supported())
        return false;
    statesize = uint16_t(shape.order * shape.dimension);
    return true;
}

bool RK::isimplemented() const
{
    return stamp != 0 && stamp == shared.implstamp && myparser;
}

bool RK::ensureparser()
{
    if (!myparser)
        myparser = new (std::nothrow) parser;
    return myparser != nullptr;
}

// The work block: stage (state and further arguments), derivative,
// increment, start, the three step increments and the state.
bool RK::layout()
{
    size_t n = statelength();
    size_t stagesize = n + argcount + 1;
    std::vector<double> fresh;
    try {
        fresh.assign(stagesize + 7 * n, 0.0);
    } catch (const std::bad_alloc&) {
        return false;
    }
    // A laid-out state of the same length keeps its values.
    if (yy && work.size() == fresh.size())
        std::copy(yy, yy + n, fresh.begin() + ptrdiff_t(stagesize + 6 * n));
    work.swap(fresh);
    double* p = work.data();
    stage = p;
    p += stagesize;
    for (double** a : {&k, &increment, &start, &onestep, &twohalves, &fourquarters, &yy}) {
        *a = p;
        p += n;
    }
    return true;
}

namespace {
// The letters a compilation declares as arguments: the given ones, or the
// independent letter alone.
int further(const char* args, char independent)
{
    int count = 0;
    for (const char* c = args; c && *c; ++c)
        count += *c != independent;
    return count;
}
}

bool RK::compile(int flag, chain* context, markset* marks, const char* args)
{
    if (!checksize() || !*formula || !ensureparser())
        return false;
    if (!diag) {
        if (lendstores() || !(diag = new (std::nothrow) diagnostics))
            return false;
    }
    if (!lendstores())
        diag->clear();
    invalidate();
    argcount = uint16_t(args && *args ? std::strlen(args) : 1);
    furthercount = uint16_t(further(args, shape.independent));
    argmemory.assign(argcount, 0.0);
    markset own;
    installmarkset(marks ? marks : &own);
    chain* resolution = shared.resolution;
    if (context)
        shared.resolution = context;
    myparser->diag = diag;
    if (myparser->vars != vars) {
        delete myparser->vars;  // one the parser made for itself
        myparser->vars = vars;
    }
    rkshape installed = shape;
    installed.second = false;
    installrkshape(installed);
    std::string letters = args && *args ? args : std::string(1, shape.independent);
    bool compiled = myparser->compile(formula, letters.c_str(), flag) != 0;
    clearrkshape();
    installmarkset(nullptr);
    shared.resolution = resolution;
    if (myparser->vars != vars) {
        vars = myparser->vars;  // the compilation made a store for #static or #const
    }
    if (!compiled)
        return false;
    valuecount = uint16_t(myparser->valuecount);
    if (valuecount != shape.dimension) {
        diag->set(0, diagstate::valuecount, -1,
                  " The main formula returns %d values. \n\r However, its value count must match the current setting \n\r of 'Dimension', which is %d \n\r",
                  int(valuecount), int(shape.dimension));
        return false;
    }
    if (!layout())
        return false;
    if (!lendstores())
        systemwarnings(marks ? *marks : own, *diag, formula, shape.independent);
    incrementtolerance = 1e-12;
    statetolerance = 1e-15;
    if (table)
        table->flush();
    if (varsowned() && vars && vars->declarestatics(marks ? *marks : own) == 0) {
        myparser->vars = nullptr;
        delete vars;
        vars = nullptr;
    }
    stamp = shared.implstamp;
    myparser->stamp = stamp;
    return isimplemented();
}

bool RK::refresh()
{
    if (!isimplemented())
        return compile(4, nullptr, nullptr, nullptr);
    myparser->diag = diag;
    return myparser->implement();
}

bool RK::copyargstoyy(const double* arguments, int& independent, const char* argstring)
{
    independent = 0;
    if (argcount <= 1 || !argstring)
        return true;
    if (argmemory.size() < argcount || !stage) {
        report(reportkind::unexpected, "argmemory not alloc., RK::copyargstoyy");
        return false;
    }
    size_t place = statelength();
    for (int i = 0; argstring[i] && i < argcount; ++i) {
        double v = arguments[i];
        if (argstring[i] == shape.independent) {
            independent = i;
            continue;
        }
        if (v != argmemory[i] && table)
            table->reset();
        argmemory[i] = v;
        stage[place++] = v;
    }
    return true;
}
