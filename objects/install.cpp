#include "objects/install.h"

#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "base/chain.h"
#include "formula/parser.h"
#include "objects/compositefu.h"
#include "objects/context.h"
#include "objects/diagshow.h"
#include "objects/fuconditional.h"
#include "objects/fuconst.h"
#include "objects/fufinitsum.h"
#include "objects/fuparin.h"
#include "objects/fumultibranch.h"
#include "objects/furekur.h"
#include "objects/hooks.h"
#include "objects/fuvector.h"
#include "objects/namesyntax.h"
#include "objects/slotcomp.h"
#include "screen/boxframe.h"
#include "screen/boxsettings.h"
#include "screen/helptopics.h"
#include "screen/inputdialogs.h"
#include "screen/linelist.h"
#include "screen/msgbox.h"
#include "screen/msgbuffer.h"

namespace {

constexpr int windowtop = 5;

const char* const extensionnotices[] = {
    "\n Your \"%s\" will be ignored! \n",
    "\n Your \"%s\" will be ignored. \n\r It is the program's job to count the values \n\r and generate this extension. \n\r"
    " Use the extension only when calling the object \n\r from another formula! \n",
    "\n Your \"%s\" will be ignored. \n\r You cannot generate userdefined ##-functions! \n",
};

void asknameprompt(const fu1& object)
{
    cprintf(" Enter a name for the object to be created \n\r (2-%d characters case-sensitive) and the list of characters\n\r"
            " denoting arguments, in braces and separated by commas. \n\r Such as:\n\r"
            " MyFunc(x,Y,a)      function of 1-%d arguments\n\r Expression()       function of 0 arguments\n\r",
            limits::namelength, object.maxargs() - 1);
    if (object.typenumber() == typeids::fu1)
        cputs(" myconstant         constant or constant vector\n\r");
}

// " <1> ..." question for a constant formula typed with "()": '1', Enter
// or Esc.
int askconstant(fu1& object)
{
    msgbuffer m(0, 0, 0, 0, 2048);
    m.addf("\n You have entered a pair of empty braces as an argument list, \n\r and a constant expression. Do you want to \n\r"
           " create a constant or a variable object? \n\n\r");
    if (object.nvalues == 1)
        m.addf(" <1>      install the numeric constant %.15g \n\r", object.value());
    else
        m.addf(" <1>      install a constant vector \n\r");
    m.addf(" <enter>  install the expression as you've entered it\n\r <esc>    cancel\n");
    return m.show();
}

// The constant or vector that takes the place of a constant formula.
fu1* makeconstant(fu1& object)
{
    fu1* made = object.nvalues == 1 ? static_cast<fu1*>(new (std::nothrow) fuconst(object.value()))
                                    : new (std::nothrow) fuvector(&object);
    if (!made || made->failed) {
        delete made;
        return nullptr;
    }
    made->copy(object);
    memcpy(made->argletters, object.argletters, sizeof made->argletters);
    return made;
}

bool typeformula(fu1& object)
{
    cputs("\nInput a formula: \n\r");
    std::vector<char> text(limits::installformulalength + 1, 0);
    strncpy(text.data(), object.text(), limits::installformulalength);
    if (lineinput(text.data(), limits::installformulalength) == key::esc || !text[0])
        return false;
    char letters[sizeof object.argletters];
    memcpy(letters, object.argletters, sizeof letters);
    return object.setformula(text.data(), letters);
}

// The framed window of an object's input: 5 rows from the top.
std::unique_ptr<boxframe> inputwindow(const std::string& caption)
{
    setboxcolors(3, 4, 15, 0, 0);
    setboxtitle(caption.c_str());
    std::unique_ptr<boxframe> box(new (std::nothrow) boxframe(1, windowtop, int16_t(screencols()), int16_t(screenrows())));
    // The prompts end their lines early: nothing of the calculator beneath
    // may show beside them.
    if (box)
        clrwindow(getbkcolor());
    return box;
}

// After the implementation: the closing line of the input and a key.
void endinput(bool implemented)
{
    cputs(implemented ? "\n\rThe object has been installed. Press any key..."
                      : "\n\rInput is terminating. Press <enter> and then <e> \n\rto edit and fix any errors ! \n");
    getkey();
}

// The 1-formula input in its framed window: object itself, a constant or
// vector made from it (the caller deletes object then), or null.
fu1* onefinput(fu1& object)
{
    auto box = inputwindow(" Input of a 1-formula function ");
    bool noarglist = false;
    if (!askname(object, &noarglist) || !typeformula(object))
        return nullptr;
    object.countvalues();
    bool ok = object.implement(1, 0);
    readdiagnostics(&object, true);
    fu1* result = &object;
    if (!ok) {
        endinput(false);
        return result;
    }
    short type = object.myparser ? object.myparser->type : 0;
    if (object.nargs == 0 && (type == 1 || type == 5 || noarglist)) {
        // Enter keeps the formula, any other answer makes the constant.
        int answer = noarglist ? '1' : askconstant(object);
        if (answer == key::esc)
            return nullptr;
        if (answer != key::enter && !(result = makeconstant(object)))
            return nullptr;
    }
    endinput(true);
    return result;
}

// Runs the 1-formula input on a new fu1 and enters the result.
fu1* installwith(std::unique_ptr<fu1> made)
{
    if (!made || made->failed)
        return nullptr;
    fu1* result = onefinput(*made);
    if (!result)
        return nullptr;
    if (result == made.get())
        made.release();
    checkidentity(*result, 1);
    return enterobject(result);
}

// The first Runge-Kutta help beside the input of a Runge-Kutta function.
void rkfunctioninfo(infoholder& holder)
{
    static const helptopic topic{"On creating Runge-Kutta Functions", "whelpinstallslotfunc", true, rkfunctionhelp()};
    showhelp(holder, topic);
}

// A composite kind's input run beside its help window (if any), and its
// entry.
fu1* installcomposite(compositefu* made, void (*help)(infoholder&))
{
    std::unique_ptr<compositefu> object(made);
    if (!object || object->failed)
        return nullptr;
    infoholder window;
    if (help)
        help(window);
    if (!runcompositeinput(*object))
        return nullptr;
    window.close();
    return enterobject(object.release());
}

}  // namespace

fu1* enterobject(fu1* object)
{
    if (!localobjects)
        loaddesktop();
    localobjects->append(object);
    object->setmark('n');
    if (touchlibrary)
        touchlibrary(0);
    showcontext(object);
    return object;
}

bool askname(fu1& object, bool* noarglist)
{
    for (;;) {
        asknameprompt(object);
        std::vector<char> text(size_t(2 * screencols()), 0);
        strncpy(text.data(), arglisttext(object).c_str(), text.size() - 1);
        if (lineinput(text.data(), int16_t(2 * screencols() - 22)) == key::esc)
            return false;
        bool ok = parsenameinput(text.data());
        if (parsedname.hasextension) {
            setboxtitle(" N O T I C E ");
            tell(extensionnotices[extensionclass(parsedname.extension)], parsedname.extension);
        }
        if (parsedname.namelength < 2) {
            tell("\n Names must have at least 2 characters! \n\r Press any key... \n");
            continue;
        }
        if (!ok) {
            if (tell("\n\r Bad syntax! Retry or press <esc> to quit: \n") == key::esc)
                return false;
            continue;
        }
        if (noarglist)
            *noarglist = !parsedname.hasarglist;
        applyparsedname(object);
        return true;
    }
}

bool inputcomponent(slotcomp* component, const char* caption, const char* def)
{
    if (!component)
        return false;
    for (;;) {
        int ink = gettextcolor(), paper = getbkcolor();
        textcolor(paper);
        textbackground(ink);
        cputs(component->owner ? component->owner->signature().c_str() : "");
        textcolor(ink);
        textbackground(paper);
        cprintf("\n\r%s ?\n\r", component->description ? component->description : caption ? caption : component->caption());
        std::vector<char> text(limits::installformulalength + 1, 0);
        strncpy(text.data(), component->formula(), limits::installformulalength);
        if (lineinput(text.data(), limits::installformulalength) == key::esc)
            return false;
        if (!text[0] && def)
            strncpy(text.data(), def, limits::installformulalength);
        if (text[0])
            return component->settext(text.data());
        tell("\n This component needs a nonempty formula. \n\r Input will be repeated... \n");
    }
}

bool runcompositeinput(compositefu& object)
{
    auto box = inputwindow(std::string(" input ") + object.longname());
    if (!askname(object, nullptr))
        return false;
    if (!object.makeslots())
        return false;
    object.countvalues();
    bool ok = object.implement(1, 0);
    readdiagnostics(&object, true);
    endinput(ok);
    box.reset();
    checkidentity(object, 1);
    return true;
}

fu1* installobject()
{
    int k = msgbox("\n What type of object are you installing ? \n\n\r <f>    a simple formula / constant / vector \n\n\r"
                   " <i>    a parameter integral \n\r <s>    a finite sum\n\r <2>    a two-formula object \n\r"
                   " <3>    a n-formula object \n\r <r>    a recursion object\n\r <R>    a Runge Kutta object\n");
    if (k == 'f')
        return installwith(std::unique_ptr<fu1>(new (std::nothrow) fu1));
    if (k == 'i')
        return installcomposite(new (std::nothrow) fuparin, nullptr);
    if (k == 's')
        return installcomposite(new (std::nothrow) fufinitsum, nullptr);
    if (k == '2')
        return installcomposite(new (std::nothrow) fuconditional, nullptr);
    if (k == 'r')
        return installcomposite(new (std::nothrow) furekur, helprecursion);
    if (k == '3')
        return installcomposite(new (std::nothrow) fumultibranch, helpnformula);
    if (k == 'R' && objectshook().makefurk)
        return installcomposite(objectshook().makefurk(), rkfunctioninfo);
    if (k == 'R')
        msgnotimplemented();
    return nullptr;
}

fu1* installfu1(const char* formula, const char* letters)
{
    std::unique_ptr<fu1> made(new (std::nothrow) fu1);
    if (made && !made->setformula(formula, letters))
        return nullptr;
    return installwith(std::move(made));
}

const char* librarylabel(int n)
{
    const char* name = libraryname(n);
    return name ? name : "?";
}

void objectinfolines(const fu1& object, linelist& list)
{
    list.addlinef("Function: %s ", object.signature().c_str());
    if (object.ownvars)
        list.addlinef("has its own static variables\n\r");
    if (object.origin == 0)
        list.addlinef("Context: local (%s)        \n\r", librarylabel(currentlibrary));
    else
        list.addlinef("Context: %-13s                 \n\r", librarylabel(object.origin));
    // A copy keeps an empty text buffer: no formula text.
    if (object.formula && *object.formula)
        list.addlinef("\n\rWARNING: POINTER \"formula\" SHOULD BE VACANT BUT ISN'T\n");
    list.addline("");
}

void gotosaved()
{
    cellpos p = editendpos();
    gotoxyabs(p.x, p.y);
}

const char* rkfunctionhelp()
{
    return "\n Runge-Kutta functions return the solution curve of an nth order \n\r differential equation, or system hereof."
           " The curve is parametrized \n\r by an \"independent variable\", which must occur in the argument list. \n\r"
           " After setting the order of the system and the number of equations \n\r (=\"Dimension\"), the equation"
           " (-system) is expressed by a single \n\r formula. Together with the initial values, whose number depends \n\r"
           " on \"Order\" and \"Dimension\", it determines the mathematical identity \n\r of the curve.\n\r"
           " Create a single curve by specifying constant initial values. Or create \n\r a parameter dependent set of"
           " curves by rendering them variable. \n\r In the latter case, you will use more than one argument and provide"
           " \n\r a second formula to assign the extra arguments to the initial values. \n\r";
}

const char* rkmodehelp()
{
    return "\n You can have the object return either function values or a certain \n\r order of derivatives, or all orders"
           " together. \n\r    When switching to Arclength Mode, don't change the formula. \n\r The object will be"
           " automatically converted, putting 'arc' in \n\r place of the independent variable. The same solution curve will"
           " \n\r then be parametrized by length of arc, with the starting point \n\r as set by the initial values. The"
           " curve may then be followed around \n\r its vertical bends.\n";
}
