#include "objects/fufinitsum.h"

#include <cmath>
#include <cstdio>
#include <new>

#include "base/report.h"
#include "formula/evalstate.h"
#include "formula/markset.h"
#include "formula/stophook.h"
#include "objects/compositenames.h"
#include "objects/romberg.h"
#include "screen/menustate.h"

namespace {
const slotinfo finitesumslots[fufinitsum::slots] = {
    {"Index starts at", "first summation index", '1', 'v', "@STARTAT"},
    {"Index runs to", "last summation index", '9', 'b', "@STOPAT"},
    {"Step", "step by which the index increases", 'I', '+', "@INCREMENT"},
    {"Summation term", "term of summation", 'S', 's', "@SUMMAND"},
};

const letterinfo sumindex = {
    "@SUMVAR",
    "summation index",
    "\nWhich character will be used as the summation index ?\n\rPress the corresponding key please !\n\r",
    " Summation index (currently: \"",
    "Summation index: %c \n\n\r",
    "Summation index: \"%c\"\n\n\r",
    "The summation index '%c' is colliding with one of \n\rthe arguments! \n",
    46,
    36,
    56,
    "\n You need to change the summation index \"%c\", too, \n\r since it's now colliding with one of the new arguments! \n\r",
};
}

fufinitsum::fufinitsum() : compositeslots(slots, finitesumslots, &sumindex, summand, "0123", "0132") {}

fu1* fufinitsum::clone() const
{
    return new (std::nothrow) fufinitsum(*this);
}

void fufinitsum::edittitle()
{
    seteditcaption(" edit a finite sum ");
}

bool fufinitsum::makeslots()
{
    return askslots({summand, -1, start, stop, step});
}

bool fufinitsum::implement(uint8_t force, uint16_t)
{
    bool result;
    if (!beginimplement(force, result))
        return result;
    markset marks;
    bool mentioned = false;
    if (marks.failed || !compileslot(start, force, marks) || !compileslot(stop, force, marks) ||
        !compileslot(step, force, marks) || !compilewithletter(summand, force, marks, mentioned))
        return false;
    nvalues = 1;
    endimplement(marks, mentioned);
    return true;
}

double fufinitsum::tcalc(double* args)
{
    if (!ready())
        return 0.0;
    double own[limits::arglistlength + 1] = {};
    copyargs(own, args);
    double sum = 0.0;
    double i = slot[start]->value(own), s = 0.0, d = 0.0;
    if (canproceed())
        s = slot[stop]->value(own);
    if (canproceed())
        d = slot[step]->value(own);
    if (canproceed() && (d == 0.0 || !std::isfinite(d))) {
        shared.error = evalruntime;
        reportstep(d);
        return 0.0;
    }
    // From 2^53 terms on the index stops advancing before its end: the run
    // would never end.  (NaN counts pass: the loop below does not start.)
    if (canproceed() && (s - i) / d >= 0x1p53) {
        shared.error = evalruntime;
        reportcount(i, s, d);
        return 0.0;
    }
    double at = i;
    while (canproceed() && (s - i) * d >= 0.0) {
        at = i;
        own[nargs] = i;
        sum += slot[summand]->value(own);
        if (i + d == i && canproceed()) {   // d is below half the index's last place
            shared.error = evalruntime;
            reportcount(i, s, d);
            return sum;
        }
        i += d;
    }
    if (shared.error != evalok && !menus().aborted())
        reportterm(at);
    return sum;
}

void fufinitsum::reportterm(double index) const
{
    char text[200];
    std::snprintf(text, sizeof text, "\n Occurred in \"%s\" \n\r while the index was at %-12.0f      \n\r", name,
                  index);
    reportrun(text);
}

void fufinitsum::reportstep(double d) const
{
    char text[200];
    std::snprintf(text, sizeof text,
                  "\n Occurred in \"%s\" \n\r the step is %.15g: \n\r the index would never reach its end. \n\r", name, d);
    reportrun(text);
}

void fufinitsum::reportcount(double from, double to, double d) const
{
    char text[300];
    std::snprintf(text, sizeof text,
                  "\n Occurred in \"%s\" \n\r the index cannot count from %.15g \n\r to %.15g by %.15g: \n\r"
                  " it would never reach its end. \n\r",
                  name, from, to, d);
    reportrun(text);
}

// While the report switch allows.
void fufinitsum::reportrun(const char* text) const
{
    if (shared.reportswitch <= 0)
        return;
    --shared.reportswitch;
    disablestop();
    report(reportkind::error, text, " Runtime Error during finite Summation ", anykeyfooter);
}

int fufinitsum::show()
{
    if (!complete())
        return 0;
    return showslots({componentlabel(slot[summand]), letterline(letter->viewline), componentlabel(slot[start]),
                      componentlabel(slot[stop]), componentlabel(slot[step])});
}
