#include "objects/contexthelp.h"

#include "objects/contextlist.h"
#include "screen/boxsettings.h"
#include "screen/keys.h"
#include "screen/menustate.h"
#include "screen/msgbox.h"
#include "screen/msgbuffer.h"
#include "screen/popup.h"

namespace {


const char contextkeys[] =
    "\n <v>iew       display object\n\r <V>iew       display components \n\r <i>          implement / disimplement \n\r"
    " <I>          complete reimplementation \n\r <c>ode       display generated code\n\r <C>omment    edit comment \n\r"
    " <p>ick up \n\r <d>rop       transfer comment \n\r <e>          edit object\n\r <r>          rename object\n\r"
    " <w>          edit (local) variable\n\r <W>          local variable list\n\r <Ins>        create calling calculator\n\r"
    " <del>        delete object\n\r <+>          incorporate a foreign object\n\r"
    " <s>ort       change sorting mode alpha<-->chrono \n\r <2>          duplicate \n\r"
    " <F2>         save current state to disk\n\r";

const char residentinfo[] =
    "\n This environment ist called the context list. \n\r It shows all resident user defined objects of the \n\r"
    " current local context. Everything you can do to \n\r them happens from here. \n\n\r"
    " Find more on the context list in \"ref2.wri\". \n\r \"lib2.wri\" has all about user defined functions. \n\r"
    " For predefined functions see \"ref3.wri\" or the \n\r revolver's \"Master Reference List.\" \n\n\r";

const char foreigninfo[] =
    "\n This is the \"list of contents\" of a foreign library, \n\r answering a <g>oto command issued from the database. \n\r"
    " The behaviour of the foreign library is simulated \n\r \"as if you were there\", so you can make changes \n\r"
    " and run test implementations as in the context list. \n\r You can then save the changes by <F2>, the database \n\r"
    " will be actualized accordingly. \n\n\r Note: resident objects will not be visible for test \n\r implementations.\n\n\r";

const char attributes[] =
    " The listed attributes have the following meaning:\n\n\r * ---   this is a copy of a foreign object\n\r"
    "   i--   it is implemented\n\r   -C-   it has a comment\n\r   --V   it has #static or #const variables\n\r";

const char componentinfo[] =
    "\n This list shows all user defined components \n\r that are, directly or indirectly, called by \n\r"
    " the user defined function for which <V> or <I> \n\r has been pressed. It reflects the linkage of \n\r"
    " that function's current implementation. \n\r    Any objects marked by an asterisk \n\r"
    " have been loaded from other libraries. \n\n\r Find all on the submenues in \"ref2.wri\". \n\r";

}  // namespace

void contextkeyhelp(int kind)
{
    setfootercode(12);
    setpopupy(1);
    setpopupx(1);
    if (kind != 3)
        setpopupwidth(0);   // the whole width of the screen
    setboxtitle(" Key Reference: Context List ");
    popup shown(contextkeys);
    while (getkey() == key::f1) {
        msgbuffer text(0, 0, 0, 0, 2048);
        text.addf("%s", kind == 3 ? foreigninfo : residentinfo);
        text.addf("%s", attributes);
        infohelp(text.text(), kind == 3 ? 1 : 0, 1);
    }
}

void componentkeyhelp(bool candelete, bool canedit, void (*help)())
{
    msgbuffer text(0, 0, 0, 0, 2048);
    text.addf("\n <v>iew       display object\n\r <c>ode       show generated code\n\r <W>          local variable list \n\r <i>          implement / disimplement \n\r");
    if (candelete)
        text.addf(" <del>        delete object\n\r");
    if (canedit)
        text.addf(" <e>          edit object\n\r <w>          edit (local) variable\n\r <C>          edit comment \n\r");
    for (;;) {
        menus().disable(helpmenuitem);
        setboxtitle(" Key Reference: Component List ");
        if (help)
            setfootercode(12);
        setpopupy(1);
        msgstyle(3);
        int key = msgbox(text.text());
        menus().enable(helpmenuitem);
        if (key != key::f1 || !help)
            return;
        help();
    }
}

void componentlisthelp()
{
    infohelp(componentinfo, 1, 1);
}
