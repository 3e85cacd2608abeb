#include "revolver/reference.h"

#include "objects/edithooks.h"
#include "revolver/cmdkeys.h"
#include "screen/boxsettings.h"
#include "screen/list2way.h"
#include "screen/msgbox.h"
#include "screen/screen.h"
#include "screen/textlist.h"

namespace {

const char* const summary[] = {
    "F1    this help screen",
    "F2    save the local context",
    "F4    context submenu (save as, change, erase foreign, new, files)",
    "F5    calculation notepad",
    "F10   version notice",
    "alt+x quit",
    "",
    " COMPUTING AND FORMULAE",
    "e     input or edit the formula (fe as well)",
    "<enter> implement, input the arguments, compute",
    "x     redefine the argument letters",
    "c     show the RPN code of the formula",
    "I     reimplement and show the component list",
    "v     list the user-defined components",
    "a     activate / inactivate the calculator",
    "dd    switch between direct and Runge-Kutta mode",
    "f9    input the user-defined differential operator",
    "fp    pick up the formula for transfer   fd  drop it",
    "",
    " DISPLAY AND REVOLVER",
    "<left> <right>  turn the revolver",
    "<ins>  insert an empty calculator     <del> delete or close the gap",
    "<ctrl>+<del>  restore the deleted calculator",
    "<up> <down>   move the bar     <pgup> <pgdn>  arguments / values",
    "<tab>  other fastplot or numeric result",
    "d0..d9 display mode: 0 value, 1..3 derivative, 4 curvature,",
    "       8 numeric result, 9 differential operator",
    "F3    fraction recognizer on the value under the bar",
    "",
    " GLOBAL VARIABLES",
    "s     save the value under the bar in a global variable",
    "w     input or edit a variable",
    "W     variable usage reference",
    "oa    arguments as global variables or a pool of their own",
    "",
    " USER DEFINED FUNCTIONS",
    "u+    install the formula as a user function",
    "ui    install a user function",
    "ul    list the local context",
    "ud    user function database",
    "od    compilations with or without the database",
    "",
    "NUMERICS",
    "ii    numeric integration (Romberg)",
    "mi ma minimum, maximum (one-dimensional)",
    "Mi Ma minimum, maximum (n-dimensional)",
    "n0 nn nonlinear equation system (right sides 0 / entered)",
    "r0    zero, extremal point or point of inflection",
    "rf    find a value",
    "z     Monte Carlo run of the formula",
    "+     finite and infinite summation",
    "",
    " FASTPLOTS",
    "<space>  plot menu    <shift>+<space>  recreate the fastplot",
    "<left click>  fastplot commands",
    "",
    " DESIGNER PLOTS",
    "ppn   create a designer plot from the fastplot",
    "pp+   add the fastplot's curve and display   p+  add it",
    "ppl   load the designer plot's window into the fastplot",
    "ppp   designer plot submenu    pp<del>  erase the designer plot",
    "",
    " OPTIONS",
    "or    random seed      ot  text file statistics",
    "oj    auto-jump        op  process priority",
    "og oof oom ooc ook  window tests    ooF  font properties",
    "oo_r  recognizer constants",
    "",
    " BUILT-IN FUNCTIONS",
    "I   elementary functions: sin cos tan asin acos atan sinh cosh tanh",
    "    exp ln log sqrt abs, called as name## (e.g. sin##(x))",
    "II  additional functions (see also ref3.wri): special functions,",
    "    complex numbers, vectors and matrices",
};

const char* const firsttime =
    "\n You are in the \"revolver\" environment of VEMO. \n\r"
    "\n The program is operated by keys: each calculator of the \n\r"
    " revolver takes a formula with \"e\", computes it with <enter> \n\r"
    " and shows its values; <left> and <right> turn the revolver. \n\r"
    "\n <F10>        version notice \n\r"
    " <alt>+<F1>   help on the list \n\r"
    " <esc>        back to the reference list \n";

void versionnotice()
{
    msgstyle(3);
    msgbox("\n VEMO 0.1 \n\n\r An interactive scientific calculator \n\r and function plotter. \n");
}

}  // namespace

const std::vector<std::string>& referencelines()
{
    static const std::vector<std::string> lines(std::begin(summary), std::end(summary));
    return lines;
}

void firsttimehelp()
{
    setboxtitle(" Help for first Time Users ");
    for (;;) {
        int k = msgbox(firsttime);
        if (k == cmdkey::f10)
            versionnotice();
        else if (k == cmdkey::altf1)
            showlisthelp();
        else
            return;
    }
}

void masterreference()
{
    pagecolors(161);
    textlisthelphook = firsttimehelp;
    showtextpage(" Master Reference List ", 12, referencelines(), 1, 9);
}

void aboutcmd()
{
    versionnotice();
}
