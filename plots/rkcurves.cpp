// The Runge-Kutta kinds: the calculator's solver followed to the plotted
// parameter from the nearest point of its value table.
#include <algorithm>
#include <memory>

#include "calculator/rk.h"
#include "formula/parser.h"
#include "math/valtable.h"
#include "plots/curvebase.h"
#include "plots/curves.h"

namespace {
// Argument count 1 (the independent variable), the state's values behind it.
bool implementrk(canplot& c, RK* solver, uint16_t values)
{
    if (!solver)
        return false;
    c.plottedarg = 1;
    if (!fitwork(c, 1, values))
        return false;
    if (c.sourcekind != canplot::designer)
        return solver->isimplemented();
    bool ok;
    {
        compilescope scope(c);
        solver->invalidate();
        ok = solver->compile(3, c.components, nullptr, nullptr);
    }
    if (!ok && solver->myparser)
        showcompilefailure(solver->diag);
    return ok;
}

// The solver's parameter and status, and its state behind the parameter.
const double* takestate(canplot& c, RK* solver, const double* state, bool keep)
{
    c.status = state ? solver->status : uint32_t(canplot::undefined);
    if (!state)
        return nullptr;
    c.work[0] = state[0];
    if (keep)
        std::copy(state + 1, state + 1 + c.valuecount, c.work + 1);
    return state;
}

void detach(RK* solver, rkclipper* clipping)
{
    if (solver && solver->clipper == clipping)
        solver->clipper = nullptr;
}

// The request's table is normally the solver's own; another one is lent
// to the solver without ownership (the request's owner keeps it alive,
// and every run hands its table over again).
bool handover(RK* solver, valtable* table, rkclipper* clipping)
{
    if (!table)
        return false;
    if (solver->table.get() != table)
        solver->table = std::shared_ptr<valtable>(std::shared_ptr<valtable>(), table);
    solver->clipper = clipping;
    return true;
}

void startfromsolver(const RK* solver, rkshape& start)
{
    start = solver ? solver->shape : rkshape{};
    start.second = true;
}
}

rkgraph::rkgraph(fastplot* owner, RK* solver) : solver(solver)
{
    ownedby(*this, owner);
}

rkgraph::rkgraph(plot* owner, RK* solver) : solver(solver)
{
    ownedby(*this, owner);
}

rkgraph::~rkgraph()
{
    detach(solver, &clipping);
}

bool rkgraph::implement()
{
    return solver && implementrk(*this, solver, uint16_t(solver->shape.order * solver->shape.dimension));
}

void rkgraph::startpoint(rkshape& start)
{
    startfromsolver(solver, start);
}

int32_t rkgraph::tabulate(int32_t, samplerequest)
{
    return 1;
}

uint32_t rkgraph::generation()
{
    return std::max(generationcounter, solver ? solver->version : 0);
}

double rkgraph::finish(const double* state, double& t)
{
    if (!takestate(*this, solver, state, true))
        return 0;
    t = state[0];
    return state[plottedvalue];
}

double rkgraph::valueat(double x, double tolerance)
{
    work[0] = x;
    const double* state = takestate(*this, solver, solver->integrate(x, tolerance), runclippers != nullptr);
    return state ? state[plottedvalue] : 0;
}

double rkgraph::toundefined(double& t, double s, double e)
{
    return finish(solver->integrate2(t, s, e), t);
}

double rkgraph::toclipper(double& t, double s, double e)
{
    return finish(solver->advance(t, s, e), t);
}

bool rkgraph::prepare(samplerequest request)
{
    return handover(solver, request.table, &clipping);
}

rkparam::rkparam(fastplot* owner, RK* solver) : solver(solver)
{
    ownedby(*this, owner);
}

rkparam::rkparam(plot* owner, RK* solver) : solver(solver)
{
    ownedby(*this, owner);
}

rkparam::~rkparam()
{
    detach(solver, &clipping);
}

bool rkparam::implement()
{
    if (!solver)
        return false;
    const rkshape& s = solver->shape;
    return implementrk(*this, solver, uint16_t(s.arclength ? 2 : s.order * s.dimension));
}

void rkparam::startpoint(rkshape& start)
{
    startfromsolver(solver, start);
}

uint32_t rkparam::generation()
{
    return std::max(generationcounter, solver ? solver->version : 0);
}

curvepoint rkparam::finish(const double* state, double& t)
{
    if (!takestate(*this, solver, state, true))
        return {};
    t = state[0];
    return workpoint();
}

curvepoint rkparam::pointat(double t, double tolerance)
{
    work[0] = t;
    if (!takestate(*this, solver, solver->integrate(t, tolerance), true))
        return {};
    return workpoint();
}

curvepoint rkparam::toundefined(double& t, double s, double e)
{
    return finish(solver->integrate2(t, s, e), t);
}

curvepoint rkparam::toclipper(double& t, double s, double e)
{
    return finish(solver->advance(t, s, e), t);
}

bool rkparam::record(const double* point, double mindist)
{
    if (!table)
        return false;
    // Entries reached integrating forward carry direction 1.
    return table->append(point, solver->direction > 0, 1, mindist);
}

bool rkparam::prepare(samplerequest request)
{
    if (!handover(solver, request.table, &clipping))
        return false;
    table = request.table;
    // A table entry is the state: the parameter, then value k at place k.
    xposition = request.component1;
    yposition = request.component2;
    plottedarg = 1;
    return true;
}
