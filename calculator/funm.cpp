#include "calculator/funm.h"

#include <cstring>
#include <new>

#include "formula/compile.h"
#include "formula/diagnostics.h"
#include "formula/evalstate.h"
#include "formula/letters.h"
#include "formula/markset.h"
#include "formula/parser.h"
#include "formula/varman.h"

funm::funm() = default;

funm::funm(const funm& source) : fu(source)
{
}

funm::~funm()
{
    delete[] unused;
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

void funm::takestore(const markset& marks)
{
    ownvars = myparser->vars;
    if (ownvars && ownvars->declarestatics(marks) == 0)
        replacestore(nullptr);
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
    if (!startimplement())
        return false;
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
    takevaluecount(counted);
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
