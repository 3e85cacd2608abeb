#include "objects/fu.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "base/objcount.h"
#include "base/report.h"
#include "base/serial.h"
#include "formula/destroyparser.h"
#include "formula/diagnostics.h"
#include "formula/evalstate.h"
#include "formula/nfv.h"
#include "formula/parser.h"
#include "formula/varman.h"
#include "objects/codelist.h"

namespace {
constexpr int fuclass = 23;
constexpr int formulagrowth = 11;
}

short& jitreportsleft = shared.reportswitch;

void clearsums(fletcher3& sums)
{
    sums = fletcher3{};
}

fu::fu()
{
    objcount(fuclass);
    serial = newserial();
    diag = new (std::nothrow) diagnostics;
    if (!diag)
        failed = 1;
}

fu::fu(const fu& source) : listnode(), saveable(source)
{
    objcount(fuclass);
    idable::copy(source);
    copyword(serial, source.serial);
    diag = new (std::nothrow) diagnostics;
    if (source.ownvars)
        ownvars = new (std::nothrow) varman(*source.ownvars);
    if (!diag || (source.ownvars && !ownvars))
        failed = 1;
    // A new buffer; the counts stay those of the source.
    if (source.formula || source.argletters[0])
        setformula(source.text(), source.argletters);
    nargs = source.nargs;
    nvalues = source.nvalues;
    stamp = 0;
}

fu::~fu()
{
    objcount(-fuclass);
    dropparser(myparser);
    delete[] formula;
    delete diag;
    delete ownvars;
}

bool fu::makeparser()
{
    if (!myparser) {
        myparser = new (std::nothrow) parser;
        if (!myparser || !shared.valuestack) {
            dropparser(myparser);
            return false;
        }
    }
    myparser->owner = this;
    return true;
}

int fu::countvalues()
{
    nvalues = formula && *formula ? nfvformula(formula) : 0;
    return nvalues;
}

bool fu::startimplement()
{
    if (!formula || !*formula || !makeparser())
        return false;
    if (!diag && !(diag = new (std::nothrow) diagnostics))
        return false;
    diag->clear();
    return true;
}

void fu::lendstore()
{
    if (myparser->vars != ownvars) {
        delete myparser->vars;
        myparser->vars = ownvars;
    }
}

void fu::takevaluecount(int counted)
{
    if (counted != myparser->valuecount)
        reportf(reportkind::message,
                "\n Unexpected error:\n\r Mismatch between the parser's (%d) and the calcnfv()-system's (%d) \n\r number of return values.\n\n\r Execution resumed with the parser's result\n",
                int(myparser->valuecount), counted);
    nvalues = myparser->valuecount;
}

void fu::replacestore(varman* store)
{
    if (myparser && myparser->vars == ownvars)
        myparser->vars = store;
    if (store != ownvars)
        delete ownvars;
    ownvars = store;
}

void fu::dropparser(parser*& p)
{
    if (p && p->vars == ownvars)
        p->vars = nullptr;
    destroyparser(p);
    p = nullptr;
}

bool fu::recordfingerprint()
{
    fingerprint& print = *shared.print;
    if (!isimplemented()) {
        print.addobject(printplaceholder);
        return implement(4, 0);
    }
    uint32_t nbytes = print.nbytes();
    uint32_t nrecords = print.nrecords();
    myparser->diag = diag;
    bool ok = myparser->implement();
    fpregister(nbytes, nrecords);
    return ok;
}

bool fu::listcode()
{
    if (!isimplemented() || !myparser) {
        report(reportkind::message, "The object is not implemented !");
        return false;
    }
    return showcode(*myparser);
}

void fu::setimplemented()
{
    stamp = shared.implstamp;
}

fletcher3 fu::fpsums() const
{
    fletcher3 sums;
    clearsums(sums);
    return sums;
}

bool fu::isimplemented() const
{
    return stamp == shared.implstamp;
}

bool fu::setformula(const char* t, const char* letters)
{
    if (t) {
        size_t n = std::min(std::strlen(t), size_t(limits::formulalength));
        if (int(n) >= textcap) {
            int size = int(std::min(n + formulagrowth, size_t(limits::formulalength + 1)));
            char* grown = new (std::nothrow) char[size];
            if (!grown) {
                failed = 1;
                return false;
            }
            delete[] formula;
            formula = grown;
            textcap = int16_t(size);
        }
        std::memmove(formula, t, n);
        formula[n] = 0;
    }
    stamp = 0;
    if (letters != argletters) {
        std::strncpy(argletters, letters ? letters : "", limits::arglistlength);
        argletters[limits::arglistlength] = 0;
    }
    nargs = int16_t(std::strlen(argletters));
    countvalues();
    return true;
}

void fu::newversion()
{
    serial = newserial();
}

void clearimplemented(fu* object)
{
    object->stamp = 0;
}

bool namecmp(const fu* a, const fu* b)
{
    return std::strcmp(a->name, b->name) == 0 && a->nargs == b->nargs && a->nvalues == b->nvalues
        && a->origin == b->origin;
}

void copyword(uint32_t& target, uint32_t source)
{
    target = source;
}

void jitfailure(fu* object)
{
    if (shared.reportswitch < 0)
        return;
    --shared.reportswitch;
    std::string text = "\n Component \"" + object->signature()
        + "\" was unimplemented when called. \n\r Attempted just-in-time-implementation: failed. \n\r Computation aborted.";
    if (object->diag && object->diag->state != 0)
        text += " \"" + object->diag->compilertext + "\" \n\r" + object->diag->message();
    report(reportkind::message, text);
}
