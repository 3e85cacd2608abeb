#include "calculator/funm.h"

#include <cstring>
#include <new>

#include "formula/compile.h"
#include "formula/diagnostics.h"
#include "formula/evalstate.h"
#include "formula/markset.h"
#include "formula/nfv.h"
#include "formula/parser.h"
#include "formula/varman.h"
#include "ui/msgbox.h"

funm::funm() = default;

funm::funm(const funm& source) : fu(source)
{
}

funm::~funm()
{
    delete[] unused;
}

bool funm::makeparser()
{
    if (!fu::makeparser())
        return false;
    myparser->owner = this;
    return true;
}

int funm::countvalues()
{
    nvalues = formula && *formula ? nfvformula(formula) : 0;
    return nvalues;
}

bool funm::isstale() const
{
    return evalserial != shared.evalserial;
}

double funm::calcx(double x)
{
    if (isstale())
        recordfingerprint();
    return isimplemented() ? myparser->calc1(x) : 0.0;
}

double funm::value()
{
    return isimplemented() ? myparser->calc0() : 0.0;
}

void funm::lendstore()
{
    if (myparser->vars != ownvars) {
        delete myparser->vars;
        myparser->vars = ownvars;
    }
}

void funm::takestore(const markset& marks)
{
    ownvars = myparser->vars;
    if (ownvars && ownvars->declarestatics(marks) == 0) {
        myparser->vars = nullptr;
        delete ownvars;
        ownvars = nullptr;
    }
}

namespace {
int letterindex(char c)
{
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 26;
    return -1;
}
}

void funm::findunused(const markset& marks)
{
    delete[] unused;
    unused = new (std::nothrow) char[std::strlen(argletters) + 1];
    if (!unused)
        return;
    char* out = unused;
    for (const char* c = argletters; *c; ++c)
        if (int i = letterindex(*c); i >= 0 && !marks.referenced[i])
            *out++ = *c;
    *out = 0;
}

bool funm::implement(uint8_t force, uint16_t)
{
    if (isimplemented() && force == 1)
        return true;
    if (!formula || !*formula || !makeparser())
        return false;
    if (!diag && !(diag = new (std::nothrow) diagnostics))
        return false;
    diag->clear();
    int counted = countvalues();
    nargs = int16_t(std::strlen(argletters));
    stamp = 0;
    myparser->diag = diag;
    lendstore();
    markset marks;
    installmarkset(&marks);
    if (myparser->compile(formula, argletters, force) == 0) {
        ownvars = myparser->vars;
        return false;
    }
    if (counted != myparser->valuecount) {
        tell("\n Unexpected error:\n\r Mismatch between the parser's (%d) and the calcnfv()-system's (%d) \n\r number of return values.\n\n\r Execution resumed with the parser's result\n",
             int(myparser->valuecount), counted);
    }
    nvalues = myparser->valuecount;
    takestore(marks);
    findunused(marks);
    setimplemented();
    return true;
}

bool funm::recordfingerprint()
{
    if (!isimplemented())
        return implement(4, 0) && (!isstale() || recordfingerprint());
    evalserial = 0;
    fingerprint& recording = *shared.print;
    recording.reset();
    myparser->diag = diag;
    bool ok = myparser->implement();
    recording.checksum(print);
    recording.disable();
    if (ok)
        evalserial = shared.evalserial;
    return ok;
}
