#include "objects/suminstall.h"

#include <cstring>
#include <memory>
#include <new>
#include <vector>

#include "base/limits.h"
#include "formula/letters.h"
#include "math/seraccel.h"
#include "objects/diagshow.h"
#include "objects/fuinfinite.h"
#include "objects/install.h"
#include "objects/namesyntax.h"
#include "objects/slotcomp.h"
#include "objects/sumrecord.h"
#include "screen/boxsettings.h"
#include "screen/inputdialogs.h"
#include "screen/keys.h"
#include "screen/msgbox.h"
#include "screen/msgbuffer.h"
#include "screen/screen.h"

void dropchar(char* text, char c)
{
    if (!c)
        return;
    char* out = text;
    for (const char* in = text; *in; ++in)
        if (*in != c)
            *out++ = *in;
    *out = 0;
}

void prependchar(char* text, char c)
{
    if (!c)
        return;
    std::memmove(text + 1, text, std::strlen(text) + 1);
    text[0] = c;
}

namespace {

const char assistantcaption[] = " Installation Assistant for Infinite Sums ";

void invalid(const char* text)
{
    msgstyle(1);
    setboxtitle(" Invalid Configuration ");
    msgbox(text);
}

// The introduction; true on yes.
bool introduce(const sumbase& calc, const sumrecord& r, const char* letters)
{
    msgbuffer m(0, 0, 0, 0, 2048);
    m.addf("\n Installing a parameter dependent, infinite sum, based on \n\r - the current settings of the summation menu \n\r"
           " - the current formula, with '%c' as the summation index \n\r",
           calc.index);
    if (r.hasfactor())
        m.addf("\n You will be prompted for setting up 'rot' and 'phase' as \n\r optional extra arguments.\n\r");
    else
        m.addf(" - and  \"%s\"  as the argument list. \n\r", letters);
    m.addf("\n Continue (y/n) ? \n\r");
    msgstyle(5);
    setboxtitle(assistantcaption);
    int k = m.show();
    return k == 'y' || k == 'Y';
}

// rot and phase as arguments, as the user chooses: rot first, then phase.
void chooseangles(fuinfinite& f, char index)
{
    // The summation index is taken too: an angle by its letter would
    // collide with it.
    std::vector<char> taken(sizeof f.argletters + 1);
    std::strcpy(taken.data(), f.argletters);
    prependchar(taken.data(), index);
    char rot = askextraarg("rot", taken.data(), f.settings->rot);
    char phase;
    while ((phase = askextraarg("phase", taken.data(), f.settings->phase)) != 0 && phase == rot) {
        msgstyle(1);
        setfootercode(10);
        tell("\n '%c' is not available for 'phase' because you've \n\r already selected it as 'rot'. Repeating input: \n",
             phase);
    }
    if (phase) {
        prependchar(f.argletters, phase);
        f.phasearg = 1;
    }
    if (rot) {
        prependchar(f.argletters, rot);
        f.rotarg = 1;
        if (f.phasearg)
            f.phasearg = 2;
    }
}

// The name, asked until it is valid; false on Esc.
bool askfunctionname(fuinfinite& f)
{
    for (;;) {
        cputs("\n\r Enter the function name: ");
        std::vector<char> text(size_t(2 * screencols()), 0);
        if (lineinput(text.data(), int16_t(2 * screencols() - 22)) == key::esc)
            return false;
        if (!parsenameinput(text.data()) || !isvalidname(parsedname.name)) {
            msgstyle(1);
            setfootercode(10);
            msgbox("\n Not valid as a function name. Repeating input: \n");
            continue;
        }
        if (parsedname.hasextension || parsedname.hasarglist) {
            msgbuffer m(0, 0, 0, 0, 2048);
            if (parsedname.hasextension)
                m.addf(" The extension \"%s\" is ignored. \n\r The number of values (1 or 2) depends on the summation type ! \n\n\r",
                       parsedname.extension);
            if (parsedname.hasarglist)
                m.addf(" The argument list \"%s\" is ignored. \n\r The arguments are chosen according to the current calculator \n\r"
                       " setting !\n\n\r",
                       parsedname.arglist);
            m.addf(" Using the name only:  \"%s\" \n", parsedname.name);
            msgstyle(1);
            setfootercode(10);
            setboxtitle(" N O T I C E ");
            m.show();
        }
        std::strcpy(f.name, parsedname.name);
        return true;
    }
}

// The object as the calculator and the record make it, up to its angles.
std::unique_ptr<fuinfinite> makeobject(const sumbase& calc, const sumrecord& r)
{
    std::unique_ptr<fuinfinite> f(new (std::nothrow) fuinfinite);
    if (!f || f->failed)
        return nullptr;
    slotcomp* s = f->slot[fuinfinite::summand] = new (std::nothrow) slotcomp;
    if (!s)
        return nullptr;
    s->owner = f.get();
    fuinfinite::labelsummand(s);
    if (!s->settext(calc.formula))
        return nullptr;
    std::strncpy(f->argletters, calc.arguments, sizeof f->argletters - 1);
    f->sumvar = calc.index;
    dropchar(f->argletters, calc.index);
    f->settings = new (std::nothrow) sumrecord(r);
    if (!f->settings)
        return nullptr;
    f->settings->ownercalc = nullptr;
    f->settings->ownerfu = f.get();
    if (!f->fitaccelerator() || f->failed)
        return nullptr;
    return f;
}

}  // namespace

char askextraarg(const char* name, const char* letters, double value)
{
    for (;;) {
        msgstyle(5);
        setboxtitle(assistantcaption);
        int k = tell("\n Currently, '%s' of the summation menu has the constant \n\r value %.15g. \n\r"
                     " '%s' could as well be supplied as an extra argument to \n\r the function.\n\n\r"
                     " To leave '%s' constant, press <esc> now. \n\r To introduce '%s' as a function argument, press the \n\r"
                     " corresponding upper- or lowercase key.",
                     name, value, name, name, name);
        if (k == key::esc)
            return 0;
        if (!isletter(k))
            continue;
        setfootercode(10);
        if (std::strchr(letters, k)) {
            msgstyle(1);
            tell("\n '%c' is already being used as a parameter. \n\r Repeating input... \n\r", k);
            continue;
        }
        msgstyle(5);
        tell("\n OK. Setting up '%c' to represent '%s'... \n", k, name);
        return char(k);
    }
}

bool suminstall(const sumbase* calc, const sumrecord* r)
{
    if (!calc || !r)
        return false;
    if (calc->values > 1) {
        invalid("\n This calculator returns multiple values - so it cannot serve \n\r"
                " as a base for installing an infinite series object. \n");
        return false;
    }
    std::unique_ptr<fuinfinite> f = makeobject(*calc, *r);
    if (!f)
        return false;
    if (!f->argletters[0] && !r->hasfactor()) {
        invalid("\n All except rotating series must have at least one parameter \n\r"
                " beyond the summation index. Use the revolver's <x>-command to \n\r"
                " specify the additional parameters (as they occur in your formula). \n\r"
                " Then select the argument which becomes the summation index, \n\r"
                " come back with <+> and \"ui\" and try again. \n");
        return false;
    }
    if (!introduce(*calc, *r, f->argletters))
        return false;
    if (r->hasfactor()) {
        chooseangles(*f, calc->index);
        if (!f->argletters[0]) {
            invalid("\n The way you set up this object, it will return a constant \n\r"
                    " value. The only calculator argument is being used as the \n\r"
                    " summation index, and you haven't specified any extra arguments \n\r"
                    " to represent 'rot' or 'phase'. \n\n\r"
                    " This is certainly not your intended result. Therefore, \n\r"
                    " the installation process is aborted at this point. \n");
            return false;
        }
    }
    f->nargs = int16_t(std::strlen(f->argletters));
    if (!askfunctionname(*f) || !f->buildslots())
        return false;
    f->countvalues();
    f->implement(1, 0);
    readdiagnostics(f.get(), true);
    msgstyle(5);
    setfootercode(10);
    setboxtitle(assistantcaption);
    msgbox("\n The installation has been completed. The next screen lets you access \n\r"
           " the new function. You can then press <Ins> to set up a calculator for \n\r"
           " immediate testing. Otherwise, <Esc> takes you back to the summation \n\r"
           " menu.\n\r If the function has a restricted domain, you may want to add a call to \n\r"
           " domaincheck() to its \"first index\" component. \n");
    checkidentity(*f, 1);
    enterobject(f.release());
    return true;
}
