#include "calculator/calculator.h"

#include <cstdlib>
#include <cstring>

#include "base/objcount.h"
#include "calculator/calcfunm.h"
#include "calculator/rk.h"
#include "calculator/rksetup.h"
#include "formula/varman.h"
#include "math/valtable.h"
#include "objects/sumrecord.h"
#include "screen/boxsettings.h"
#include "screen/msgbox.h"

uint16_t rkargindex = 1;

namespace {
constexpr int classnumber = 3;

template <class T>
void dropobject(T*& p)
{
    delete p;
    p = nullptr;
}

void droptext(char*& p)
{
    delete[] p;
    p = nullptr;
}
}

calculator::calculator(calcowner* o) : owner(o)
{
    objcount(classnumber);
    reset();
}

calculator::~calculator()
{
    objcount(-classnumber);
    release();
    delete[] valuecopy;
}

void calculator::reset()
{
    mode = calcmode::direct;
    active = 1;
    fixed = 0;
    fixedlabel = nullptr;
    currentplot = 1;
    plotshown = plotstale = boxoverplot = 0;
    dropplots();
    rkvalueindex = valueboxtop = argboxtop = 1;
    rkargindex = 1;
    focus = 1;
    plotstamp = 0;
}

void calculator::release()
{
    dropobject(calling);
    dropobject(solver);
    initvalues.reset();
    std::free(mcsettings);
    mcsettings = nullptr;
    dropobject(toolobject);
    dropobject(targets);
    dropobject(sums);
    droptext(globals);
    droptext(absent);
    dropobject(setup);
    values = nullptr;
    onevalue = 0;
    binding = {};
    status = calcstatus::mustimplement;
    reset();
}

bool calculator::isempty() const
{
    return !(calling && calling->called) && !solver;
}

bool calculator::isdirectmode(bool tell) const
{
    if (mode == calcmode::direct)
        return true;
    if (tell) {
        msgstyle(1);
        msgbox("\n Command is unavailable in Runge Kutta mode. \n\r To switch to direct mode, press \"dd\". \n");
    }
    return false;
}

int calculator::formulakind() const
{
    return !isempty() && isdirectmode() && calling ? calling->mode : 0;
}

bool calculator::isderivativemode() const
{
    int k = formulakind();
    return !fixed && k >= 1 && k <= 4;
}

int calculator::argcount() const
{
    if (isempty())
        return 0;
    return isdirectmode() ? calling->called->nargs : 1;
}

int calculator::valuecount() const
{
    if (isempty())
        return 0;
    return isdirectmode() ? calling->nvalues : int(solver->statelength()) - 1;
}

uint16_t& calculator::argindex()
{
    return isdirectmode() && calling ? calling->selectedarg : rkargindex;
}

uint16_t& calculator::valueindex()
{
    return isdirectmode() && calling ? calling->selectedvalue : rkvalueindex;
}

rkshape calculator::shape() const
{
    if (isempty())
        return {};
    if (!isdirectmode())
        return solver->shape;
    rkshape s;
    s.dimension = uint16_t(valuecount());
    s.independent = argchar();
    return s;
}

char calculator::argchar() const
{
    if (isempty())
        return 0;
    if (!isdirectmode())
        return solver->shape.independent;
    const char* letters = calling->called->argletters;
    size_t n = std::strlen(letters);
    size_t i = calling->selectedarg;
    return i >= 1 && i <= n ? letters[i - 1] : 0;
}

const char* calculator::argstring() const
{
    if (isempty())
        return nullptr;
    if (isdirectmode())
        return calling->called->argletters;
    independent[0] = solver->shape.independent;
    return independent;
}

const char* calculator::formulatext() const
{
    if (isempty())
        return nullptr;
    return isdirectmode() ? calling->called->text() : (solver->formula ? solver->formula : "");
}

varman* calculator::argstore() const
{
    return owner ? owner->activestore : nullptr;
}

double calculator::argvalue() const
{
    varman* store = argstore();
    char c = argchar();
    return store && c ? store->value(c) : 0.0;
}

double calculator::firstargvalue() const
{
    const char* letters = argstring();
    varman* store = argstore();
    return store && letters && *letters ? store->value(*letters) : 0.0;
}

void calculator::setargvalue(double v)
{
    if (varman* store = argstore(); store && argchar())
        store->setvalue(argchar(), v);
}

double calculator::componentvalue() const
{
    if (isempty() || status != calcstatus::valid || !values)
        return 0.0;
    int i = const_cast<calculator*>(this)->valueindex();
    return i >= 1 && i <= valuecount() ? values[i - 1] : latest;
}

double calculator::shownvalue() const
{
    if (fixed)
        return fixedvalue;
    if (focus && active)
        return argvalue();
    return componentvalue();
}

bool calculator::hasargletter(char c) const
{
    return c && absent && std::strchr(absent, c);
}

void calculator::argwarning() const
{
    char c = argchar();
    if (!hasargletter(c))
        return;
    msgstyle(1);
    setfootercode(10);
    setboxtitle(" W A R N I N G ");
    tell("\n The selected argument is '%c' \n\n\r But it does not occur in the calculator formula ! \n\r", c);
}

varman* calculator::formulaaux() const
{
    if (isempty())
        return nullptr;
    return isdirectmode() ? calling->called->ownvars : solver->vars;
}

diagnostics* calculator::diag() const
{
    if (isempty())
        return nullptr;
    return isdirectmode() ? calling->called->diag : solver->diag;
}

bool calculator::isimplemented() const
{
    if (isempty())
        return false;
    if (isdirectmode())
        return calling->isimplemented() && calling->called->isimplemented();
    return solver->isimplemented();
}

bool calculator::isready() const
{
    return status >= calcstatus::valid && status <= calcstatus::userbreak && isimplemented();
}

bool calculator::isactive(bool tell) const
{
    if (!active && tell) {
        msgstyle(1);
        msgbox("\n Press <a> first! \n\r", 1000);
    }
    return active;
}

bool calculator::readytest(bool tell)
{
    if (isempty())
        return false;
    if (isready()) {
        implement();
        if (isready())
            return true;
        if (tell) {
            msgstyle(1);
            msgbox("\n Not ready for computation! \n\r");
        }
        return false;
    }
    if (tell) {
        msgstyle(1);
        msgbox("\n Must implement before computing. \n\r Press <enter>! \n");
    }
    return false;
}

bool calculator::cancompute(bool tell)
{
    return !isempty() && isactive(tell) && readytest(tell);
}

double* calculator::copyvalues(const double* source, uint32_t n)
{
    if (n > copycapacity) {
        auto* grown = new (std::nothrow) double[n];
        if (!grown)
            return const_cast<double*>(source);
        delete[] valuecopy;
        valuecopy = grown;
        copycapacity = n;
    }
    if (n)
        std::memmove(valuecopy, source, n * sizeof(double));
    return valuecopy;
}

void bindargs(const char* letters, argbinding* binding, varman* store)
{
    if (!letters || !binding || !store)
        return;
    binding->store = store;
    int i = 0;
    for (; letters[i] && i < argbinding::maxletters; i++) {
        varrecord* r = store->record(letters[i]);
        binding->cells[i] = r ? &r->value : nullptr;
    }
    binding->cells[i] = nullptr;
}
