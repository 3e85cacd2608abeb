#include "calculator/calcfunm.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "base/limits.h"
#include "base/report.h"
#include "base/serial.h"
#include "formula/compile.h"
#include "formula/diagnostics.h"
#include "formula/evalstate.h"
#include "formula/formulaholder.h"
#include "formula/nfv.h"
#include "formula/parser.h"
#include "objects/diagshow.h"
#include "screen/msgbox.h"

namespace {
constexpr uint8_t valuemode = 0, operatormode = 9, lastderivative = 4;

struct modeentry {
    const char* label;
    scalarderivative scalar;
    vectorderivative vector;
};

const modeentry modes[] = {
    {"        value", nullptr, nullptr},
    {"1. derivative", derivative1, vderivative1},
    {"2. derivative", derivative2, vderivative2},
    {"3. derivative", derivative3, vderivative3},
    {"    curvature", curvature, vcurvature},
};
const char* operatorlabel = "   diff. op. ";

bool evalfailed()
{
    return shared.error != evalok;
}

// The operator applies to functions of one argument with one value.
bool fitsoperator(const funm* f)
{
    return f && f->nargs == 1 && f->nvalues == 1;
}
}

const char* modelabel(int mode)
{
    if (mode >= 0 && mode <= lastderivative)
        return modes[mode].label;
    return mode == operatormode ? operatorlabel : nullptr;
}

calcfunm::calcfunm() : modename(modes[0].label)
{
}

calcfunm::calcfunm(const calcfunm& source) : funm(source), modename(source.modename)
{
    if (failed)
        return;
    if (source.called) {
        called = new (std::nothrow) funm(*source.called);
        if (!called || called->failed) {
            failed = 1;
            return;
        }
    }
    serial = source.deps ? source.deps->changeserial : source.serial;
    mode = source.mode;
    if (mode == operatormode && !makeparser()) {
        failed = 1;
        return;
    }
    argvector = source.argvector;
    selectedarg = source.selectedarg;
    selectedvalue = source.selectedvalue;
    version = source.version;
    modefunction = source.modefunction;
    modevector = source.modevector;
    std::copy(std::begin(source.derivs), std::end(source.derivs), derivs);
}

calcfunm::~calcfunm()
{
    if (deps || holder) {
        // Shared with the record: not ours to free.
        myparser = nullptr;
        formula = nullptr;
    }
    if (!borrowed)
        delete called;
}

void calcfunm::setcalled(funm* object, bool borrow)
{
    if (!borrowed)
        delete called;
    called = object;
    borrowed = borrow;
    stamp = 0;
}

void calcfunm::setdeprecord(deprecord* record)
{
    deps = record;
}

void calcfunm::linkoperator(formulaholder* h)
{
    if (!h || !h->compiled || !h->text)
        return;
    if (holder) {
        serial = newserial();
    } else {
        delete[] formula;
        dropparser(myparser);
        serial = called ? called->serial : 0;
        if (h->serial > serial)
            serial = newserial();
    }
    myparser = h->compiled;
    formula = h->text;
    textcap = int16_t(limits::formulalength + 1);   // the holder's buffer: written in place
    holder = h;
    stamp = 0;
}

uint32_t calcfunm::changestamp()
{
    if (!called)
        return 0;
    if (holder && holder->compiled == myparser && holder->text == formula && holder->serial > serial)
        serial = newserial();
    return std::max(called->serial, serial);
}

bool calcfunm::applymode(uint8_t m)
{
    modefunction = nullptr;
    modevector = nullptr;
    std::fill(std::begin(derivs), std::end(derivs), nullptr);
    if (m <= lastderivative) {
        modefunction = modes[m].scalar;
        modevector = modes[m].vector;
        modename = modes[m].label;
        nvalues = called ? called->nvalues : 0;
        return true;
    }
    if (m != operatormode || !fitsoperator(called))
        return false;
    derivs[0] = derivative1;
    derivs[1] = derivative2;
    derivs[2] = derivative3;
    modename = operatorlabel;
    nvalues = 1;
    return true;
}

bool calcfunm::setmode(uint8_t m, uint16_t level)
{
    if (m == mode)
        return true;
    if (m == valuemode) {
        mode = m;
        applymode(m);
        version = newserial();
        return true;
    }
    uint8_t old = mode;
    mode = m;
    stamp = 0;
    if (implement(1, level)) {
        version = newserial();
        return true;
    }
    mode = old;
    stamp = 0;
    implement(1, level);
    if (m == operatormode && fitsoperator(called) && formula && *formula) {
        msgstyle(1);
        report(reportkind::message,
               "\n Mode 9 cannot be entered: \n\r Due to problem in the differential operator (or its components) ! \n");
    }
    return false;
}

bool calcfunm::implement(uint8_t force, uint16_t level)
{
    if (isimplemented() && force == 1)
        return true;
    stamp = 0;
    if (!called || !called->implement(force, level))
        return false;
    selectedvalue = uint16_t(std::clamp<int>(selectedvalue, 1, std::max<int>(called->nvalues, 1)));
    if (!applymode(mode)) {
        mode = valuemode;
        applymode(mode);
        return false;
    }
    std::strcpy(argletters, mode == operatormode ? "x" : called->argletters);
    nargs = int16_t(std::strlen(argletters));
    if (mode == operatormode && !compileoperator()) {
        mode = valuemode;
        applymode(mode);
        return false;
    }
    setimplemented();
    return true;
}

// The operator in the argument x, compiled unless its parser is current.
bool calcfunm::compileoperator()
{
    if (!formula || !*formula || !makeparser())
        return false;
    if (myparser->isimplemented())
        return true;
    int n = nfvformula(formula);
    if (n != 1) {
        tell("\n The user defined differential operator must return a \n\r single value. But currently, it has %d values ! \n", n);
        return false;
    }
    myparser->reset();
    myparser->owner = this;
    diagnostics messages;
    myparser->diag = &messages;
    bool ok = myparser->compile(formula, "x", compilemode::normal) != 0;
    if (messages.state != 0)
        showdiagnostics(&messages);
    myparser->diag = nullptr;
    return ok;
}

double calcfunm::operatorvalue(double x)
{
    operatorrunning = 0;
    derivsready = 0;
    double* cells = myparser->d;
    cells[0] = called->calcx(x);
    if (evalfailed())
        return 0.0;
    for (int i = 0; i < 3; ++i) {
        if (!derivs[i])
            continue;
        cells[i + 1] = derivs[i](called, x);
        if (evalfailed())
            return 0.0;
    }
    derivsready = 1;
    operatorrunning = 1;
    double v = myparser->calc1(x);
    operatorrunning = 0;
    return evalfailed() ? 0.0 : v;
}

double calcfunm::calcx(double x)
{
    if (!isimplemented() || !called)
        return 0.0;
    if (mode == operatormode)
        return operatorvalue(x);
    if (mode != valuemode && modefunction)
        return modefunction(called, x);
    return called->calcx(x);
}

double* evalobject(calcfunm* object, double** args)
{
    if (!object->isimplemented() || !object->called)
        return nullptr;
    if (object->mode != 0 && object->modevector)
        return object->modevector(object->called, args, int16_t(object->selectedarg));
    return callobject(object->called, args);
}
