// Copies of a designer plot's curves into another plot: each copy computes
// from the other plot's private copies of its sources.
#include <memory>
#include <new>

#include "base/chain.h"
#include "calculator/calcfunm.h"
#include "calculator/rk.h"
#include "plots/components.h"
#include "plots/curves.h"
#include "plots/plot.h"

namespace {
// The target's copy of a calling object, with its components gathered
// into copies; null on failure.
calcfunm* registercalling(calcfunm* object, plot& target, const canplot& from, chain& copies, bool withoperator)
{
    std::unique_ptr<calcfunm> copy(new (std::nothrow) calcfunm(*object));
    if (!copy || copy->failed || !copy->called || !copyallcomponents(copy->called, copies)
        || (withoperator && !copyoperatorcomponents(object, copies)) || !reduceinterline(&copies)
        || !target.registervarstore(from.varstore))
        return nullptr;
    return target.registercalcfunm(copy.release());
}

// The target's copy of a solver; null on failure.
RK* registersolver(RK* solver, plot& target, const canplot& from, chain& copies)
{
    std::unique_ptr<RK> copy(new (std::nothrow) RK(*solver));
    if (!copy || copy->failedflag || !copy->ensureparser() || !copyallcomponents2(copy.get(), copies)
        || !reduceinterline(&copies) || !target.registervarstore(from.varstore))
        return nullptr;
    copy->owner = &target;
    copy->ownerkind = RK::ownerplot;
    return target.registerrk(copy.release());
}

// A curve of the same kind for the target, over the target's copy of the
// source.
template <class curve, class sourcetype, class registrar>
canplot* copycurve(curve& from, sourcetype* source, plot* target, bool witharguments, registrar take)
{
    if (!from.cancopyto(target) || !source || !from.implement())
        return nullptr;
    chain copies;
    sourcetype* copy = take(source, *target, from, copies);
    if (!copy)
        return nullptr;
    std::unique_ptr<curve> made(new (std::nothrow) curve(target, copy));
    if (!made || !from.completecopy(*made, *target, copies, witharguments))
        return nullptr;
    return made.release();
}

bool hascalled(calcfunm* object)
{
    return object && object->called;
}
}

canplot* directgraph::copyto(plot* target)
{
    if (!hascalled(object))
        return nullptr;
    return copycurve(*this, object, target, true, [](calcfunm* o, plot& t, const canplot& f, chain& c) {
        return registercalling(o, t, f, c, true);
    });
}

canplot* directparam::copyto(plot* target)
{
    if (!hascalled(object))
        return nullptr;
    return copycurve(*this, object, target, true, [](calcfunm* o, plot& t, const canplot& f, chain& c) {
        return registercalling(o, t, f, c, false);
    });
}

canplot* rkgraph::copyto(plot* target)
{
    return copycurve(*this, solver, target, false, registersolver);
}

canplot* rkparam::copyto(plot* target)
{
    return copycurve(*this, solver, target, false, registersolver);
}
