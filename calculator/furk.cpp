#include "calculator/furk.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "base/report.h"
#include "calculator/rk.h"
#include "formula/diagnostics.h"
#include "formula/evalstate.h"
#include "formula/fingerprint.h"
#include "formula/markset.h"
#include "formula/parser.h"
#include "formula/varman.h"
#include "math/valtable.h"
#include "objects/checkcomponent.h"
#include "objects/compositeparts.h"
#include "objects/hooks.h"
#include "objects/slotcomp.h"
#include "objects/usagewarnings.h"

namespace {
// Error bytes of the solver's outcomes.
constexpr unsigned char integrationfailed = 3;
constexpr int independentmissing = 71;
}

furk::furk() = default;

furk::furk(const furk& source) : compositefu(source)
{
    if (failed)
        return;
    nvalues = source.nvalues;
    runtime = source.runtime;
    returnorder = source.returnorder;
    independentindex = source.independentindex;
    std::shared_ptr<valtable> values(source.table ? new (std::nothrow) valtable(*source.table) : nullptr);
    RK* rk = source.solver ? new (std::nothrow) RK : nullptr;
    if (rk)
        adopt(rk, values);
    if (!rk || !values || !rk->assign(*source.solver))
        failed = 1;
    if (source.initial) {
        initial = new (std::nothrow) slotcomp(source.initial);
        if (!initial || initial->failed)
            failed = 1;
        labelinitial(initial);
    }
    if (initial)
        initial->owner = this;
}

furk::~furk()
{
    dropkept();
    delete initial;
    delete solver;
}

fu1* furk::clone() const
{
    return new (std::nothrow) furk(*this);
}

void furk::adopt(RK* rk, std::shared_ptr<valtable> values)
{
    if (solver != rk)
        delete solver;
    solver = rk;
    table = std::move(values);
    solver->table = table;
    solver->owner = this;
    solver->ownerkind = RK::ownerfunction;
    solver->vars = ownvars;
    solver->varsshared = false;
    solver->diag = diag;
}

void furk::labelinitial(slotcomp* c)
{
    if (!c)
        return;
    c->label = "Initial Values";
    c->description = "Formula for runtime recalculation of the initial values";
}

char furk::specialargument() const
{
    return solver && solver->shape.arclength ? solver->shape.independent : 0;
}

bool furk::complete()
{
    if (initial && solver && table && !initial->failed && solver->checksize() && table->startvector &&
        table->dimension == solver->statelength() && solver->table == table && solver->ownerfurk() == this)
        return true;
    report(reportkind::unexpected, "Incompletely constructed furk-object. Detected in furk::complete()");
    return false;
}

int furk::countvalues()
{
    nvalues = 0;
    if (!solver)
        return 0;
    if (runtime && initial)
        initial->countvalues();
    const rkshape& s = solver->shape;
    if (s.arclength)
        nvalues = s.order == 1 && s.dimension == 1 ? 2 : 0;
    else
        nvalues = int16_t(returnorder < s.order ? s.dimension : s.order * s.dimension);
    return nvalues;
}

int furk::valueoffset() const
{
    const rkshape& s = solver->shape;
    return returnorder < s.order ? 1 + returnorder * s.dimension : 1;
}

bool furk::implement(uint8_t force, uint16_t level)
{
    (void)level;
    int start = beginimplement(*this, force);
    if (start != 0)
        return start == 1;
    const char independent = solver->shape.independent;
    if (!std::strchr(argletters, independent) || !independent) {
        diag->set(independentmissing, diagstate::semantic, -1,
                  "\n The independent variable does not occur in the argument list ! \n");
        return false;
    }
    markset marks;
    if (runtime) {
        if (!initial->compile(force, &marks))
            return false;
        componentfacts facts;
        facts.required = int(solver->statelength());
        facts.letter = independent;
        if (initial->nvalues != facts.required) {
            checkcomponent(initial, 69, facts);
            return false;
        }
        int cls = marks.classof(independent);
        if (cls != classundeclared && cls != classargument)
            checkcomponent(initial, 70, facts);
    }
    solver->diag = diag;
    solver->vars = ownvars;
    if (!solver->compile(force, nullptr, &marks, argletters))
        return false;
    if (solver->vars != ownvars)
        ownvars = solver->vars;   // a #static of the equation made the store
    if (returnorder > solver->shape.order || solver->shape.order == 1)
        returnorder = 0;
    countvalues();
    if (!warnstaticundefined(marks, this) && !warnunreferenced(marks, this) && !warnunusedtyped(marks, this)) {
        marks.markreferenced(independent);
        warnunusedarg(marks, this);
    }
    setimplemented();
    table->reset();
    if (ownvars && ownvars->declarestatics(marks) == 0) {
        if (solver->myparser && solver->myparser->vars == ownvars)
            solver->myparser->vars = nullptr;
        if (initial->code && initial->code->vars == ownvars)
            initial->code->vars = nullptr;
        delete ownvars;
        ownvars = nullptr;
    }
    solver->vars = ownvars;
    return true;
}

bool furk::recordfingerprint()
{
    if (!complete())
        return false;
    return fingerprintparts(*this, [this] {
        if (runtime && !initial->implement())
            return false;
        if (!solver->refresh())
            return false;
        if (!runtime)
            for (size_t i = 0; i < solver->statelength(); i++)
                shared.print->addrecord(2, table->startvector[i]);
        return true;
    });
}

double* furk::solve(double* args)
{
    if (!ready())
        return nullptr;
    const size_t n = solver->statelength();
    if (runtime) {
        const double* start = initial->values(args);
        if (shared.error)
            return nullptr;
        // Points reached from other initial values are of no use.
        if (!std::equal(start, start + n, table->startvector)) {
            std::copy(start, start + n, table->startvector);
            table->reset();
        }
    }
    int independent = 0;
    if (!solver->copyargstoyy(args, independent, argletters)) {
        shared.error = evalinternal;
        return nullptr;
    }
    independentindex = uint16_t(independent);
    double* state = solver->integrate(args[independent], 0.0);
    if (shared.error)
        return nullptr;
    switch (solver->status) {
    case RK::reached:
        return state;
    case RK::formulaerror:
        shared.error = evalruntime;
        return nullptr;
    default:
        shared.error = integrationfailed;
        return nullptr;
    }
}

double furk::tcalc(double* args)
{
    double* state = solve(args);
    return state ? state[valueoffset()] : 0.0;
}

double* furk::mcalc(double* args)
{
    double* entry = shared.top;
    double* state = solve(args);
    if (state)
        return state + valueoffset();
    return isimplemented() ? entry : args;
}

void installfurk()
{
    objectshook().makefurk = [] { return static_cast<compositefu*>(new (std::nothrow) furk); };
}
