// Key references and information boxes of the database's list windows.
#include "objects/dabacommands.h"
#include "objects/fudaba.h"
#include "screen/boxsettings.h"
#include "screen/keys.h"
#include "screen/menustate.h"
#include "screen/msgbox.h"
#include "screen/msgbuffer.h"
#include "screen/popup.h"

namespace {


const char mainkeys[] =
    "\n <s>        select new sortmode \n\r <v>        display object \n\r <g>oto     enter the object's context \n\r"
    " <m>ove     to another library \n\r <c>opy     to another library \n\r <del>      delete object \n\r"
    " <Ins>      create calling calculator \n\r <alt>+<digit>  remember current position \n\r"
    " <digit>        restore position \n\r <0>            restore previous position \n\r"
    " <f>ind     create excerpt list \n\r <tab>      display existing excerpt list \n\n\r"
    " <alt><F1>  display help on general list commands \n";

const char maininfo[] =
    "\n From this database main list, you can access all user \n\r defined objects of all libraries of the work directory. \n\r"
    " It does not list any predefined functions or copies of \n\r foreign objects. \n\r"
    " <alt>+<f> searches the text of the list lines; <f> searches \n\r"
    " the comments and formulas of all library files for a text \n\r"
    " or for the calls of an object and makes an excerpt list. \n\r"
    " <alt>+<digit> remembers the current position, <digit> \n\r"
    " returns to it. <g>oto opens the object's own context and \n\r brings you back here when you leave it. \n\r"
    " The database is always kept actual. It reflects the cur- \n\r rent file versions of all libraries. If certain local \n\r"
    " objects are missing, save the local context to disk by \n\r pressing <F2> from the revolver. \n\r"
    " More in the reference document \"ref2.wri\". \n";

const char excerptkeys[] =
    "\n <esc>   back to main list \n\r <tab>   back to main list (search target) \n\r"
    " <g>oto  back to main list (same object) \n\r <v>iew  display object \n\r <s>ort  change sortmode \n\r";

const char excerptinfo[] =
    "\n This is the \"excerpt list\" of the user function database. \n\r"
    " A text match may be part of the comment or of a formula, \n\r and part of a larger word. \n\r"
    " A call match contains a call of the object in the title. \n\r"
    " <v> shows the object. Further filtering is not possible. \n\r"
    " <g> twice visits the object: once back to the main list, \n\r once more into its context. \n\r"
    " The list is kept until the next search. \n";

// The key reference; each further F1 shows the information box.
void keyhelp(const char* caption, const char* keys, const char* info)
{
    setfootercode(12);
    setboxtitle(caption);
    popup shown(keys);
    while (getkey() == key::f1) {
        menus().disable(helpmenuitem);
        setboxtitle(" I N F O ");
        msgstyle(3);
        msgbox(info);
        menus().enable(helpmenuitem);
    }
}

}  // namespace

void dabakeyhelp()
{
    keyhelp(" Key Reference: Database Main List ", mainkeys, maininfo);
}

void excerptkeyhelp()
{
    keyhelp(" Key Reference: Database Excerpt List ", excerptkeys, excerptinfo);
}

sortmode asksortmode(sortmode current)
{
    msgbuffer menu(0, 0, 0, 0, 2048);
    menu.addf("\n <s>...  Select a sortmode:\n\n\r");
    menu.addf(" ...<a>  by name, case sensitive\n\r");
    menu.addf(" ...<i>  by name, case insensitive \n\r");
    menu.addf(" ...<m>  by number of values\n\r");
    menu.addf(" ...<n>  by number of arguments\n\r");
    menu.addf(" ...<c>  by context by name\n\r");
    menu.addf(" ...<C>  by context in chronologic order\n\r");
    menu.addf(" ...<l>  by length of name\n\r");
    menu.addf("\n (current sortmode: %s) \n\r", sortmodename(current));
    menus().disable(helpmenuitem);
    setboxtitle(" change sortmode ");
    sortmode chosen = sortmodeofkey(menu.show());
    menus().enable(helpmenuitem);
    return chosen == sortmode::none ? current : chosen;
}
