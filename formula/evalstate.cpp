#include "formula/evalstate.h"

#include <new>

#include "base/limits.h"
#include "formula/fingerprint.h"
#include "formula/markset.h"
#include "formula/namesused.h"
#include "formula/slist.h"
#include "formula/varman.h"

evalstate shared;

template <class T>
static void drop(T*& p)
{
    delete p;
    p = nullptr;
}

template <class T>
static void droparray(T*& p)
{
    delete[] p;
    p = nullptr;
}

static bool complete()
{
    const evalstate& s = shared;
    return s.valuestack && s.compilestack && s.tokenbuffer && s.operandbuffer && s.globals
        && s.marks && s.called && s.references && s.strings && s.names && s.print;
}

bool buildshared()
{
    evalstate& s = shared;
    s.marks = new (std::nothrow) markset;
    s.calllimit = limits::maxcalllevel;
    s.buffersize = limits::codebuffersize;
    s.valuecapacity = limits::valuestacksize;
    s.compilestack = new (std::nothrow) compileentry[limits::compilestacksize];
    s.valuestack = new (std::nothrow) double[limits::valuestacksize];
    s.top = s.valuestack;
    s.result = nullptr;
    s.tokenbuffer = new (std::nothrow) unsigned char[limits::codebuffersize];
    s.operandbuffer = new (std::nothrow) operand[limits::codebuffersize];
    s.globals = new (std::nothrow) varman;
    s.reportswitch = 1;
    s.implstamp = 1;
    s.evalserial = 1;
    s.called = new (std::nothrow) reflist;
    s.resolution = nullptr;
    s.strings = new (std::nothrow) stringregistry;
    s.references = new (std::nothrow) reflist;
    s.names = new (std::nothrow) namesused;
    s.implementing = 0;
    s.passmode = s.passmode2 = 2;
    s.print = new (std::nothrow) fingerprint;
    s.calllevel = 0;
    s.error = evalok;
    s.errorcode = 0;
    s.running = 0;
    if (complete())
        return true;
    freeshared();
    return false;
}

void freeshared()
{
    evalstate& s = shared;
    drop(s.globals);
    droparray(s.operandbuffer);
    droparray(s.tokenbuffer);
    droparray(s.compilestack);
    droparray(s.valuestack);
    s.top = s.result = nullptr;
    drop(s.called);
    drop(s.references);
    drop(s.names);
    drop(s.strings);
    drop(s.marks);
    drop(s.print);
    s.resolution = nullptr;
}

// Never 0, the stamp of a parser that was never implemented.
void nextgeneration()
{
    if (++shared.implstamp == 0)
        shared.implstamp = 1;
}

double stackleft()
{
    return shared.valuecapacity - (shared.top - shared.valuestack + 1);
}
