#include "objects/fuparin.h"

#include <climits>
#include <cstdio>
#include <memory>
#include <new>

#include "base/report.h"
#include "formula/evalstate.h"
#include "formula/markset.h"
#include "formula/stophook.h"
#include "math/smallfuncs.h"
#include "objects/compositenames.h"
#include "objects/romberg.h"

namespace {
constexpr uint32_t maxblock = 2147483648u;   // 2^31
constexpr double firstdigits = 12.0;
constexpr unsigned char precisionmissed = 3;   // error byte of an integral short of its precision

const slotinfo parinslots[fuparin::slots] = {
    {"Left limit", "left integration limit", 'L', 'l', "@LEFT"},
    {"Right limit", "right integration limit", 'R', 'r', "@RIGHT"},
    {"Integrand", "expression that is being integrated", 'I', 'i', "@INTEGRAND"},
    {"Target precision", "precision to be reached upon Romberg termination", 'P', 'p', "@PRECISION"},
    {"Maximum iterations", "maximum number of iterations \n\r(will be rounded downwards to the next power of 2)", 'M',
     'n', "@MAXITER"},
};

const letterinfo parameter = {
    "@INTEGVAR",
    "integration parameter",
    "\nWhich character will be used as the integration parameter ?\n\rPress the corresponding key please !\n\r",
    " Integration parameter (currently: \"",
    "Integration parameter: %c \n\n\r",
    "Integration parameter: \"%c\"\n\n\r",
    "The integration parameter '%c' is declared as an argument ! \n\r",
    45,
    35,
    55,
    "\n You need to change the integration parameter \"%c\", too, \n\r since it is now colliding with one of the new arguments! \n\r",
};

romberg* newintegrator()
{
    romberg* r = new (std::nothrow) romberg(maxblock, firstdigits, maxblock);
    if (r && r->allocfailed) {
        delete r;
        return nullptr;
    }
    return r;
}
}

fuparin::fuparin() : compositeslots(slots, parinslots, &parameter, integrand, "01234", "01234")
{
    if (!(integrator = newintegrator()))
        failed = 1;
}

fuparin::fuparin(const fuparin& source) : compositeslots(source)
{
    if (!failed && !(integrator = newintegrator()))
        failed = 1;
}

fuparin::~fuparin()
{
    delete integrator;
}

fu1* fuparin::clone() const
{
    return new (std::nothrow) fuparin(*this);
}

bool fuparin::complete()
{
    return integrator && compositeslots::complete();
}

void fuparin::edittitle()
{
    seteditcaption(" edit a parameter integral ");
}

bool fuparin::makeslots()
{
    return askslots({integrand, -1, left, right, precision, maxiter});
}

bool fuparin::implement(uint8_t force, uint16_t)
{
    bool result;
    if (!beginimplement(force, result))
        return result;
    markset marks;
    bool mentioned = false;
    if (marks.failed || !compileslot(left, force, marks) || !compileslot(right, force, marks) ||
        !compileslot(precision, force, marks) || !compileslot(maxiter, force, marks) ||
        !compilewithletter(integrand, force, marks, mentioned))
        return false;
    nvalues = 1;
    endimplement(marks, mentioned);
    return true;
}

double fuparin::calcx(double x)
{
    if (!callargs) {
        shared.error = evalinternal;
        return 0.0;
    }
    callargs[nargs] = x;
    return slot[integrand]->value(callargs);
}

double fuparin::integrate(double* args, double& digits, double& reached)
{
    // Limits, precision and iterations, each only while the one before
    // succeeded.
    double settings[4];
    const int order[4] = {left, right, precision, maxiter};
    for (int i = 0; i < 4; i++) {
        settings[i] = slot[order[i]]->value(args);
        if (!canproceed())
            return 0.0;
    }
    auto [a, b, p, n] = settings;
    // An integrand that calls this object again integrates with an
    // integrator of its own: the table of the outer run is in use.
    std::unique_ptr<romberg> inner;
    romberg* r = integrator;
    if (callargs) {
        inner.reset(newintegrator());
        if (!inner) {
            shared.error = evalinternal;
            return 0.0;
        }
        r = inner.get();
    }
    digits = r->setdigits(p);
    // Saturating, never wrapping: NaN and what lies below 1 give one
    // block, what lies beyond the 32-bit integers the largest of them.
    r->setmaxblock(uint32_t(builtin::toint(n, 0, INT_MAX)));
    double* outer = callargs;
    callargs = args;
    double result = r->integrate(*this, a, b, &reached, false);
    callargs = outer;
    return result;
}

double fuparin::tcalc(double* args)
{
    if (!ready())
        return 0.0;
    double own[limits::arglistlength + 1] = {};
    copyargs(own, args);
    double digits = 0.0, reached = 0.0;
    double result = integrate(own, digits, reached);
    if (shared.error != evalok || reached >= digits)
        return result;
    reportprecision(own[0], reached, digits);
    shared.error = precisionmissed;
    return result;
}

void fuparin::reportprecision(double arg, double reached, double digits) const
{
    if (shared.reportswitch <= 0)
        return;
    disablestop();
    --shared.reportswitch;
    char text[400];
    std::snprintf(text, sizeof text,
                  "\n after error in \"%s\" \n\r called with argument %.15g \n\r at call level %d:\n\r Romberg integration failed to reach requested precision. \n\r Reached only %5.1f instead of %5.1f. \n\r",
                  fullname().c_str(), arg, int(shared.calllevel), reached, digits);
    report(reportkind::error, text, " Calculation aborted ", anykeyfooter);
}

int fuparin::show()
{
    if (!complete())
        return 0;
    return showslots({componentlabel(slot[left]), componentlabel(slot[right]), componentlabel(slot[integrand]),
                      letterline(letter->viewline), componentlabel(slot[precision]),
                      componentlabel(slot[maxiter])});
}
