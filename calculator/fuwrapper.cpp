#include "calculator/fuwrapper.h"

#include "base/objcount.h"
#include "calculator/calcfunm.h"
#include "calculator/rk.h"
#include "formula/evalstate.h"

namespace {
constexpr int wrapperclass = 91;
}

fuwrapper::fuwrapper(calcfunm* object) : formulaobject(object)
{
    objcount(wrapperclass);
}

fuwrapper::fuwrapper()
{
    objcount(wrapperclass);
}

fuwrapper::~fuwrapper()
{
    if (formulaobject && argslot)
        *argslot = savedarg;
    objcount(-wrapperclass);
}

void fuwrapper::wrapfu(RK* rk, uint16_t index)
{
    solver = rk;
    component = index;
}

bool fuwrapper::attach()
{
    if (solver) {
        if (!solver->isimplemented())
            return false;
        setimplemented();
        return true;
    }
    calcfunm* m = formulaobject;
    if (!m || !m->called || !m->isimplemented() || !m->argvector || argslot)
        return false;
    component = m->selectedvalue;
    argslot = &m->argvector[m->selectedarg - 1];
    savedarg = *argslot;
    argcell = savedarg ? *savedarg : 0.0;
    *argslot = &argcell;
    setimplemented();
    return true;
}

double fuwrapper::value(double x)
{
    if (solver) {
        double* state = solver->integrate(x, 0);
        return state ? state[component] : 0.0;
    }
    if (!argslot)
        return 0.0;
    argcell = x;
    double* values = evalobject(formulaobject, formulaobject->argvector);
    if (!values) {
        if (shared.error == evalok)
            shared.error = evalinternal;
        return 0.0;
    }
    return values[component - 1];
}
