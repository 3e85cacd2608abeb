// The calculator's commands, in the order tested ("m" and "M" before "n").
#include "numerics/toolcmds.h"
#include "plots/fastplotcommands.h"
#include "plots/insertion.h"
#include "revolver/calccmds.h"
#include "revolver/cmdkeys.h"
#include "revolver/cmdreader.h"
#include "revolver/commands.h"
#include "revolver/toolrows.h"

using namespace cmdkey;

const calccommand calccommands[] = {
    {{key::enter}, enterkey},
    {{promote}, closecurrentplot},
    {{overlay}, toggleoverlay},
    {{key::tab}, switchplot},
    {{key::shifttab}, toggleoverlay},
    {{up}, selectprev},
    {{down}, selectnext},
    {{pgup}, focusarguments},
    {{pgdn}, focusvalues},
    {{f3}, recognizecalc},
    {{ctrlw}, ctrlwnotice},
    {{f8, 'v'}, stampreport},
    {{f8, '2'}, testnfvcmd},
    {{'+'}, summation, true},
    {{' '}, spacecmd},
    {{'d', digit}, displaymodecmd},
    {{'d', 'd'}, switchmodecmd},
    {{'^'}, caretmodecmd},
    {{'a'}, toggleactive},
    {{'c'}, showcodecmd},
    {{'e'}, editcmd},
    {{'f', 'e'}, editcmd},
    {{'I'}, reimplementcmd},
    {{'i', 'i'}, integratecmd},
    {{'m', 'i'}, goldenmin},
    {{'m', 'a'}, goldenmax},
    {{'M', 'i'}, dsminimize},
    {{'M', 'a'}, dsmaximize},
    {{'n', '0'}, solvezero},
    {{'n', 'n'}, solvetargets},
    {{'p', 'p', 'n'}, newdesignerplot},
    {{'p', 'p', '+'}, adddesignershown},
    {{'p', 'p', 'l'}, loaddesignerwindow},
    {{'p', '+'}, adddesignerplot},
    {{'r', '0'}, searchzero},
    {{'r', 'f'}, searchvalue},
    {{'s'}, savevalue},
    {{'u', '+'}, installcmd, true},
    {{'v'}, componentlistcmd},
    {{'w'}, varinputcmd},
    {{'W'}, variableusage},
    {{'x'}, argscmd},
    {{'z'}, montecarlocmd},
};
const int calccommandcount = int(sizeof calccommands / sizeof calccommands[0]);

const calccommand* findcalccommand(cmdreader& reader)
{
    for (const calccommand& c : calccommands)
        if (reader.readandmatch(c.keys))
            return &c;
    return nullptr;
}
