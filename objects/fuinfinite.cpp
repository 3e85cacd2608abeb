#include "objects/fuinfinite.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "base/limits.h"
#include "base/report.h"
#include "formula/diagnostics.h"
#include "formula/evalstate.h"
#include "formula/fingerprint.h"
#include "formula/markset.h"
#include "formula/parser.h"
#include "formula/stophook.h"
#include "formula/varman.h"
#include "math/seraccel.h"
#include "objects/checkcomponent.h"
#include "objects/slotcomp.h"
#include "objects/sumrecord.h"
#include "objects/sumrun.h"
#include "objects/usagewarnings.h"
#include "screen/keys.h"

namespace {
constexpr unsigned char sumfailed = 3;   // error byte of a summation that failed
}

const sumslotinfo sumslots[fuinfinite::slots] = {
    {"Summand", "Expression defining the sequence element", 'S', "@SUMMAND"},
    {"First index", "Index of first summand", '1', "@STARTAT"},
    {"Step", "Difference between successive indizes", 'I', "@STEP"},
    {"Rotation angle", "Rotation angle per index unit (in radians)", 'R', "@ROT"},
    {"Phase angle", "Phase angle as applied to the entire sequence (in radians)", 'P', "@PHASE"},
};

fuinfinite::fuinfinite() = default;

fuinfinite::fuinfinite(const fuinfinite& source) : compositefu(source)
{
    if (failed)
        return;
    nvalues = source.nvalues;
    sumvar = source.sumvar;
    rotarg = source.rotarg;
    phasearg = source.phasearg;
    if (source.settings) {
        settings = new (std::nothrow) sumrecord(*source.settings);
        if (settings)
            settings->ownerfu = this;
        else
            failed = 1;
    }
    if (!copycomponents(source.slot, slot, slots, this))
        failed = 1;
    if (source.accel && !(accel = new (std::nothrow) seraccel))
        failed = 1;
}

fuinfinite::~fuinfinite()
{
    for (slotcomp*& c : slot) {
        delete c;
        c = nullptr;
    }
    seraccelfree(accel);
    delete settings;
}

void seraccelfree(seraccel* a)
{
    delete a;
}

fu1* fuinfinite::clone() const
{
    return new (std::nothrow) fuinfinite(*this);
}

bool fuinfinite::accelerating() const
{
    return settings && settings->accel;
}

bool fuinfinite::hasfactor() const
{
    return settings && settings->hasfactor();
}

bool fuinfinite::fitaccelerator()
{
    if (!accelerating()) {
        seraccelfree(accel);
        accel = nullptr;
        return true;
    }
    if (!accel)
        accel = new (std::nothrow) seraccel;
    return accel != nullptr;
}

bool fuinfinite::complete()
{
    for (slotcomp* c : slot)
        if (!c)
            goto incomplete;
    if (settings && (!settings->accel || accel))
        return true;
incomplete:
    report(reportkind::unexpected, "Incomplete fuinfinite object!");
    return false;
}

int fuinfinite::countvalues()
{
    nvalues = 0;
    if (!complete())
        return 0;
    for (int i = 0; i < slots; i++)
        if (used(i) && slot[i]->countvalues() != 1)
            return 0;
    nvalues = settings->mode == 'e' ? 2 : 1;
    return nvalues;
}

void fuinfinite::labelsummand(slotcomp* c)
{
    c->label = sumslots[summand].label;
    c->description = sumslots[summand].help;
}

void fuinfinite::labelslots()
{
    for (int i = 0; i < slots; i++)
        if (slot[i]) {
            slot[i]->label = sumslots[i].label;
            slot[i]->description = sumslots[i].help;
            slot[i]->owner = this;
        }
}

// Components in the order of compiling and fingerprinting.
const int fuinfinite::order[slots] = {firstindex, stepsize, rotation, phaseangle, summand};

bool fuinfinite::used(int which) const
{
    return which < rotation || hasfactor();
}

// The settings' components with the object's letters, then the summand
// with the summation index as one more letter.
bool fuinfinite::compileall(markset& marks, int mode)
{
    for (int which : order) {
        if (!used(which))
            continue;
        if (which == summand)
            std::snprintf(extraargs, sizeof extraargs, "%s%c", argletters, sumvar);
        bool compiled = slot[which]->compile(mode, &marks);
        extraargs[0] = 0;
        if (!compiled)
            return false;
        if (slot[which]->nvalues != 1) {
            checkcomponent(slot[which], 34);
            return false;
        }
    }
    return true;
}

bool fuinfinite::implement(uint8_t force, uint16_t level)
{
    (void)level;
    if (!complete())
        return false;
    if (!diag && !(diag = new (std::nothrow) diagnostics))
        return false;
    if (isimplemented() && force == 1)
        return true;
    stamp = 0;
    diag->clear();
    countvalues();
    if (sumvar && std::strchr(argletters, sumvar)) {
        diag->set(46, diagstate::arguments, -1,
                  "The summation index '%c' is colliding with one of \n\rthe arguments! \n", sumvar);
        return false;
    }
    markset marks;
    if (!compileall(marks, force))
        return false;
    usagewarnings(marks, this);
    setimplemented();
    if (ownvars && ownvars->declarestatics(marks) == 0) {
        for (slotcomp* c : slot)
            if (c->code && c->code->vars == ownvars)
                c->code->vars = nullptr;
        delete ownvars;
        ownvars = nullptr;
    }
    return true;
}

bool fuinfinite::recordfingerprint()
{
    if (!shared.print)
        return false;
    if (!isimplemented()) {
        shared.print->addobject(0);
        return implement(4, 0);
    }
    uint32_t bytes = shared.print->nbytes();
    uint32_t records = shared.print->nrecords();
    for (int i : order)
        if (used(i) && !slot[i]->implement())
            return false;
    fpregister(bytes, records);
    return true;
}

double fuinfinite::calcx(double x)
{
    if (!argvector)
        return 0.0;
    argvector[nargs] = x;
    return slot[summand]->value(argvector);
}

// First index and step, and the angles of the factor types, for the
// arguments at args; false after an evaluation error.
bool fuinfinite::evaluatesettings(double* args)
{
    double* fields[] = {&settings->first, &settings->step, &settings->rot, &settings->phase};
    for (int i = firstindex; i < slots && used(i); i++) {
        *fields[i - firstindex] = slot[i]->value(args);
        if (shared.error)
            return false;
    }
    return true;
}

double fuinfinite::tcalc(double* args)
{
    mvalues[0] = mvalues[1] = 0.0;
    if (!isimplemented() && !implement(1, 0)) {
        jitfailure(this);
        shared.error = evalinternal;
        return 0.0;
    }
    if (!evaluatesettings(args))
        return 0.0;
    // The index goes behind the arguments in a copy of them, never into
    // the caller's array; the copy of an outer evaluation of this object
    // comes back afterwards.
    double own[limits::arglistlength + 1];
    std::memcpy(own, args, sizeof(double) * std::min<int>(nargs, limits::arglistlength));
    double* outer = argvector;
    argvector = own;
    settings->reset();
    int code = sumrun(this, settings, accel);
    argvector = outer;
    if (code != sumcomplete) {
        reportrun(code);
        return 0.0;
    }
    complex sum = settings->result;
    if (settings->acceleratedinfinite()) {
        settings->accresult = sum;
        settings->accdone = true;
    }
    settings->partial = sum;
    mvalues[0] = sum.re;
    mvalues[1] = sum.im;
    return sum.re;
}

double* fuinfinite::mcalc(double* args)
{
    tcalc(args);
    return mvalues;
}

void fuinfinite::reportrun(int code)
{
    bool breakrequested = shared.error == evalbreak;
    disablestop();
    flushkeys();
    if (code != suminterrupted && shared.reportswitch != 0) {
        // A finite sum is always added up directly, accelerated or not, so
        // its runtime error is that of the direct summation.
        if (code == sumevalerror && !settings->acceleratedinfinite())
            reportf(reportkind::message,
                    "\n Runtime error during infinite summation in step %-11.0f \n\r Computation aborted \n",
                    settings->doneindex + 1);
        else if (code == sumevalerror && accel)
            reportf(reportkind::message,
                    "\n Runtime error when calling the summand for %c= %.15g \n\r during convergence acceleration ! \n",
                    sumvar, accel->curindex);
        else if (code >= 1 && code <= sumevalerror) {
            static const char* const texts[] = {
                "Allocation failure", "More than 5 nested convergence accelerations",
                "Accelerator error: inner loop fails to converge",
                "Accelerator error: outer loop fails to converge",
                "Runtime error while computing a sequence element"};
            reportf(reportkind::message,
                    "\n Computation aborted due to an error in \n\r convergence acceleration: \n\n\r \"%s\" \n",
                    texts[code - 1]);
        }
    }
    if (code != sumevalerror)
        shared.error = breakrequested ? (unsigned char)evalbreak : sumfailed;
}
