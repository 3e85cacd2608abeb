// The identity check of a new, edited or renamed object, renaming, and
// the argument-list editor.
#include <cstring>
#include <string>

#include "formula/functable.h"
#include "objects/context.h"
#include "objects/fu1.h"
#include "objects/install.h"
#include "objects/namesyntax.h"
#include "screen/boxframe.h"
#include "screen/boxsettings.h"
#include "screen/inputdialogs.h"
#include "screen/msgbox.h"
#include "screen/msgbuffer.h"
#include "screen/uiutil.h"

namespace {

const char* const renamehint =
    "\n Your work is being saved. But it is recommended to rename \n\r the object right now, using the <r>-command of the \n\r"
    " context list! \n";
const char* const renameeither =
    "\n Your work is being saved. But it is recommended \n\r to rename this or the conflicting object right now, using \n\r"
    " the <r>-command of the context list ! \n";

int clashbox(const char* caption, const msgbuffer& m)
{
    msgstyle(1);
    setboxtitle(caption);
    return msgbox(m.text());
}

int renameclash(bool collision)
{
    msgbuffer m(0, 0, 0, 0, 2048);
    if (collision) {
        m.addf("\n There is already an object with this identity \n\r in %s. Choose a different name, please! \n\r",
               librarylabel(currentlibrary));
        clashbox(" E R R O R ", m);
        return key::enter;
    }
    m.addf("\n This name belongs to a predefined function or constant. \n\r It is legal to use it but invites later surprises. \n\n\r"
           " <1>      use that name anyway \n\r <enter>  new input \n\r <esc>    cancel \n");
    return clashbox(" W A R N I N G ", m);
}

int changedclash(bool collision, const char* name)
{
    msgbuffer m(0, 0, 0, 0, 2048);
    m.addf("\n You have changed the number of arguments or values. \n\r");
    if (collision)
        m.addf(" This provoques a name collision with another object \n\r from %s. \n\n\r%s",
               librarylabel(currentlibrary), renameeither);
    else
        m.addf(" So the object now takes the place of the predefined \n\r \"%s\" in this context %s. \n\n\r"
               " This may cause surprises at later stages of your work! \n\r%s",
               name, librarylabel(currentlibrary), renamehint);
    return clashbox(" W A R N I N G ", m);
}

int installedclash(bool collision, const char* name, int nargs)
{
    msgbuffer m(0, 0, 0, 0, 2048);
    if (collision)
        m.addf("\n The new object matches an existing one by both name and \n\r numbers of arguments and return values. \n\r"
               " So the parser can not distinguish between the two objects. \n\r%s",
               renameeither);
    else
        m.addf("\n \"%s\" with %d arguments is a predefined function / constant. \n\r"
               " Don't use this name or you will be in for surprises. \n\r\n Your work is being saved. But it is recommended to rename \n\r"
               " this object right now, using the <r>-command of the \n\r context list! \n",
               name, nargs);
    return clashbox(" W A R N I N G ", m);
}

// An argument list in arclength mode: without the independent variable,
// with "arc" exactly once, which then stands for it.
bool arclengthlist(std::string& list, char special)
{
    size_t arc = list.find("arc");
    std::string letters = list;   // the letters of "arc" are no argument
    for (size_t at; (at = letters.find("arc")) != std::string::npos;)
        letters.erase(at, 3);
    const char* refusal = nullptr;
    if (letters.find(special) != std::string::npos)
        refusal = "\n In Arclength Mode, the argument list must not contain \n\r the independent variable, which is currently set to '%c' \n";
    else if (arc == std::string::npos || list.find("arc", arc + 1) != std::string::npos)
        refusal = "\n In Arclength Mode, the argument list must contain \n\r one occurrence of the symbol \"arc\" \n";
    if (refusal) {
        setboxtitle(" Not accepted ");
        tell(refusal, special);
        return false;
    }
    list.replace(arc, 3, 1, special);
    return true;
}

}  // namespace

int identitycheck(const char* name, int nargs, int nvalues, int mode, const fu* object)
{
    bool collision = findidentity(name, nargs, nvalues, 0, object) != nullptr;
    const funcrow* row = collision ? nullptr : findfunction(name);
    bool predefined = row && row->argc == nargs && nvalues == 1;
    if (!collision && !predefined)
        return 0;
    if (mode == 3)
        return renameclash(collision);
    if (mode == 2)
        return changedclash(collision, name);
    return installedclash(collision, name, nargs);
}

int checkidentity(fu1& object, int mode)
{
    return identitycheck(object.name, object.nargs, object.nvalues, mode, &object);
}

bool renameobject(fu1& object)
{
    for (;;) {
        char name[limits::namelength + 1];
        strncpy(name, object.name, limits::namelength);
        name[limits::namelength] = 0;
        if (keyedinput(name, limits::namelength, 0, " new name ? ") != key::enter)
            return false;
        if (char* hash = strchr(name, '#'))
            *hash = 0;
        removechar(name, ' ');
        if (!isvalidname(name)) {
            tell("\n can't use this as a name ! \n");
            return false;
        }
        int answer = identitycheck(name, object.nargs, object.nvalues, 3, &object);
        if (answer == key::esc)
            return false;
        if (answer == key::enter)
            continue;
        object.setname(name);
        return true;
    }
}

bool editarguments(fu1& object)
{
    setboxcolors(7, 1, 10, 0, 0);
    setboxtitle(" Edit the Argument List ");
    boxframe box(1, 8, int16_t(screencols()), 12);
    int limit = 2 * object.maxargs() + 1;
    std::string start = arglisttext(object);
    for (;;) {
        std::string text(size_t(limit) + 1, 0);
        strncpy(text.data(), start.c_str(), size_t(limit));
        clrwindow(0);
        gotoxy(1, 1);
        if (lineinput(text.data(), int16_t(limit), 1) == key::esc)
            return false;
        std::string list = text.c_str();
        start = list;
        if (char special = object.specialargument(); special && !arclengthlist(list, special))
            continue;
        int count = arglistcount(list.c_str());
        if (count < 0 || count > object.maxargs()) {
            setboxtitle(" Bad Input ");
            tell("\n\r Expecting a list of 0 to %d single characters, \n\r separated by commas, enclosed in parentheses. \n\r"
                 " Such as: (y,Y,u)\n\r",
                 object.maxargs());
            continue;
        }
        memset(object.argletters, 0, sizeof object.argletters);
        strncpy(object.argletters, arglistletters(list.c_str()), limits::arglistlength);
        object.nargs = int16_t(strlen(object.argletters));
        editstate.changed = true;
        object.stamp = 0;
        return true;
    }
}
