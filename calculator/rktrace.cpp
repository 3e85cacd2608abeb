#include "calculator/rktrace.h"

#include "calculator/rk.h"

rktracering& rktrace()
{
    static rktracering ring;
    return ring;
}

void rktracerestart()
{
    rktrace().serial = 0;
    rktrace().clear();
}

void rktracewriter(RK& solver, const double*)
{
    rktracering& ring = rktrace();
    ++ring.serial;
    ring.push({ring.serial, solver.yy[0], solver.yy[1]});
}
