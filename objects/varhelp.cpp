// The F1 texts of the variable lists.
#include "objects/varlist.h"
#include "screen/boxsettings.h"
#include "screen/menustate.h"
#include "screen/msgbox.h"
#include "screen/popup.h"

namespace {


void helpbox(const char* caption, const char* text)
{
    menus().disable(helpmenuitem);
    msgstyle(3);
    setboxtitle(caption);
    msgbox(text);
    menus().enable(helpmenuitem);
}

}  // namespace

void showvarlisthelp()
{
    setpopupy(1);
    setpopupwidth(0);
    helpbox(" I N F O ",
            "\n This list shows all global variables that have been \n\r defined at this point. If called from the "
            "context list, \n\r it shows the variables as they are visible for the \n\r function under the bar, where "
            "some global variables \n\r may be superseded by #const or #static ones. \n\r   There are no commands "
            "here. Use <w> in the calling \n\r environment to edit variables. Use <s> in the revolver \n\r or in every "
            "numeric list to save a value to a global \n\r variable. \n");
}

void showdependencyhelp()
{
    setpopupheight(0);
    setpopupwidth(0);
    helpbox(" I N F O ",
            "\n\r This list has all single characters occurring in the \n\r formula that haven't been set up as "
            "calculator arguments.\n\r They are #global variables, and the formula reads them \n\r before any value "
            "was given to them. \n\n\r Give each of them a value with <e>, or make the letter \n\r an argument of "
            "the calculator, then run the formula again. \n\r You can always display this list with <W>.\n\r");
}

void showreflisthelp()
{
    setpopupheight(0);
    setpopupwidth(0);
    helpbox(" Help on Variable Reference Lists ",
            "\n\r This list shows\n\r - all #global variables that have received values\n\r - the variables that the "
            "formula and the functions it calls \n\r   read (R) or define (D), with the function that uses them. \n\n\r "
            "<e> edits the value under the bar, <w> any other variable, \n\r <v> shows the function that uses it. \n\n\r"
            " If some lines are yellow, they mark variables you must edit or \n\r the calculator will be blocked.\n\r");
}

void showlocallisthelp()
{
    setpopupheight(0);
    setpopupwidth(0);
    helpbox(" Help on local Variable Lists ",
            "\n\r This list has all #global, #const and #static variables\n\r that the function can see. A #const or "
            "#static letter of \n\r the function hides the #global variable of that letter. \n\n\r <e> edits the value "
            "under the bar; the function is compiled \n\r again afterwards, because the function depends on their "
            "values.\n\r");
}
