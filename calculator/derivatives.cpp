#include "calculator/derivatives.h"

#include "base/report.h"
#include "calculator/funm.h"
#include "formula/evalstate.h"
#include "formula/numderiv.h"
#include "formula/parser.h"

namespace {
auto slot3(fu* object)
{
    return [object](double x) { return object->calcx(x); };
}

// The work arrays hold limits::derivativevalues values; k must name one of
// the object's arguments (the argument array holds no more).
bool fits(const fu* object, short k)
{
    bool toomany = object->nvalues > limits::derivativevalues;
    if (k >= 1 && k <= object->nargs && !toomany)
        return true;
    shared.error = evalinternal;
    if (toomany && shared.reportswitch > 0)
        reportf(reportkind::message,
                "\n Derivatives are available for at most %d values; \n\r \"%s\" has %d values. \n",
                limits::derivativevalues, object->fullname().c_str(), int(object->nvalues));
    return false;
}

template <class Routine>
double* vectorroutine(fu* object, double** args, short k, Routine routine)
{
    if (!fits(object, k))
        return nullptr;
    return routine(args, k, object->nvalues, [&] { return callobject(object, args); });
}
}

double derivative1(fu* object, double x)
{
    return numderiv::first(slot3(object), x);
}

double derivative2(fu* object, double x)
{
    return numderiv::second(slot3(object), x);
}

double derivative3(fu* object, double x)
{
    return numderiv::third(slot3(object), x);
}

double curvature(fu* object, double x)
{
    return numderiv::curvature(slot3(object), x);
}

double* vderivative1(fu* object, double** args, short k)
{
    return vectorroutine(object, args, k, [](auto... a) { return numderiv::vfirst(a...); });
}

double* vderivative2(fu* object, double** args, short k)
{
    return vectorroutine(object, args, k, [](auto... a) { return numderiv::vsecond(a...); });
}

double* vderivative3(fu* object, double** args, short k)
{
    return vectorroutine(object, args, k, [](auto... a) { return numderiv::vthird(a...); });
}

double* vcurvature(fu* object, double** args, short k)
{
    return vectorroutine(object, args, k, [](auto... a) { return numderiv::vcurvature(a...); });
}

double* callobject(fu* object, double** args)
{
    // Only the calculator's objects keep an evaluation serial.
    if (object->typenumber() == typeids::funm) {
        funm* m = static_cast<funm*>(object);
        if (m->isstale())
            m->recordfingerprint();
    }
    if (!object->isimplemented() || !object->myparser)
        return nullptr;
    return object->myparser->calcrefs(args, object->nargs);
}
