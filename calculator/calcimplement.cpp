// Setting a formula and implementing it: the implement check run before
// every computation, and the implementation task of Enter on status 5 to 8.
#include <cstring>
#include <new>

#include "base/serial.h"
#include "calculator/calcfunm.h"
#include "calculator/calcvars.h"
#include "calculator/calculator.h"
#include "calculator/rk.h"
#include "formula/compile.h"
#include "formula/diagnostics.h"
#include "formula/evalstate.h"
#include "formula/fingerprint.h"
#include "formula/usagerefs.h"
#include "objects/diagshow.h"

namespace {
constexpr int droppedcodes[] = {58, 62};

void dropcodes(diagnostics* d)
{
    cleardiagif(d, droppedcodes[0], droppedcodes[1], 0);
}

bool componentfailed(const diagnostics* d)
{
    return d && d->state == diagstate::component;
}
}

bool calculator::setformula(const char* formula, const char* args)
{
    if (!formula || !*formula)
        return false;
    if (!calling && !(calling = new (std::nothrow) calcfunm)) {
        release();
        return false;
    }
    funm* called = calling->called;
    if (!called) {
        called = new (std::nothrow) funm;
        if (!called) {
            release();
            return false;
        }
        calling->setcalled(called);
    }
    if (!called->setformula(formula, args && *args ? args : "x")) {
        release();
        return false;
    }
    called->serial = newserial();
    calling->stamp = 0;
    if (owner && owner->diffop)
        calling->linkoperator(owner->diffop);
    return true;
}

void calculator::reimplement()
{
    if (isempty())
        return;
    if (isdirectmode()) {
        clearimplemented(calling);
        clearimplemented(calling->called);
    } else {
        solver->invalidate();
    }
    setstatus(calcstatus::mustimplement);
}

// The solver compiled when needed, then its fingerprint refreshed.
bool calculator::implementrk()
{
    onevalue = 0;
    bool fresh = !solver->isimplemented();
    if (fresh) {
        usagerefs().clear();
        solver->compile(compilemode::normal, nullptr, nullptr, argstring());
    }
    if (!solver->isimplemented())
        return false;
    if (fresh)
        referencedglobals(*this);
    rkfingerprint();
    return true;
}

// One run of the compiled formula under the recorder.
void calculator::rkfingerprint()
{
    fingerprint& recorder = *shared.print;
    recorder.reset();
    solver->refresh();
    recorder.checksum(print);
    plotstamp = recorder.nrecords() ? 0 : shared.evalserial;
    recorder.disable();
}

// The called function brought up to date and its fingerprint recorded.
bool calculator::implementdirect()
{
    funm* called = calling->called;
    bool fresh = !called->isimplemented();
    if (fresh)
        usagerefs().clear();
    bool ok = calling->implement(1, 0) && called->recordfingerprint();
    if (!ok)
        return false;
    print = called->print;
    if (fresh) {
        referencedglobals(*this);
        takeabsent();
    }
    checkonevalue();
    return true;
}

// One argument and one value: evaluated through the one-value operation,
// the values are the latest value.
void calculator::checkonevalue()
{
    funm* called = calling->called;
    onevalue = calling->nvalues == 1 && called->nargs == 1 && called->nvalues == 1;
    if (onevalue)
        values = &latest;
}

// The argument letters that the compiler found unread become ours.
void calculator::takeabsent()
{
    delete[] absent;
    absent = calling->called->unused;
    calling->called->unused = nullptr;
}

void calculator::afterimplement(bool ok)
{
    if (!ok) {
        setstatus(componentfailed(diag()) ? calcstatus::component : calcstatus::failed);
        return;
    }
    setstatus(globalsdefined(*this) ? calcstatus::ready : calcstatus::undefglobals);
}

void calculator::implement()
{
    if (isempty())
        return;
    bool ok = isdirectmode() ? implementdirect() : implementrk();
    if (!ok) {
        dropcodes(diag());
        showdiagnostics(diag());
        afterimplement(false);
        return;
    }
    if (!globalsdefined(*this))
        setstatus(calcstatus::undefglobals);
    else if (status != calcstatus::valid)
        setstatus(calcstatus::ready);
}

int32_t calculator::calctask()
{
    if (isempty())
        return status;
    bool wasundefined = status == calcstatus::undefglobals;
    if (isimplemented() && !wasundefined && status != calcstatus::component) {
        if (!isready())
            setstatus(calcstatus::ready);
        return status;
    }
    if (status != calcstatus::mustimplement && status != calcstatus::failed) {
        implement();
        if (wasundefined && status == calcstatus::undefglobals && showundefinedglobals(*this))
            setstatus(calcstatus::ready);
        return status;
    }
    // From scratch.
    usagerefs().clear();
    if (isdirectmode()) {
        funm* called = calling->called;
        calling->stamp = 0;
        calling->implement(4, 0);
        takeabsent();
        dropcodes(called->diag);
        readdiagnostics(called, true, 58);
    } else {
        solver->compile(4, nullptr, nullptr, argstring());
        plotstamp = 0;
        dropcodes(solver->diag);
        showdiagnostics(solver->diag);
    }
    bool ok = isimplemented();
    if (ok) {
        referencedglobals(*this);
        if (isdirectmode()) {
            checkonevalue();
            bindargs(calling->called->argletters, &binding, argstore());
            calling->argvector = binding.cells;
        } else {
            onevalue = 0;
        }
    }
    afterimplement(ok);
    return status;
}

bool calculator::refreshfingerprint()
{
    if (!isimplemented())
        return false;
    if (isdirectmode()) {
        calling->called->recordfingerprint();
        print = calling->called->print;
        return true;
    }
    rkfingerprint();
    return true;
}
