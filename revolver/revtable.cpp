// The revolver's commands, in the order tested.
#include "numerics/toolcmds.h"
#include "plots/plotenv.h"
#include "revolver/cmdkeys.h"
#include "revolver/commands.h"
#include "revolver/cmdreader.h"
#include "revolver/optioncmds.h"
#include "revolver/reference.h"
#include "revolver/revcmds.h"
#include "revolver/standins.h"

using namespace cmdkey;

const revcommand revcommands[] = {
    {{key::altx}, quitcmd},
    {{f7}, nothingcmd},
    {{f1}, helpcmd},
    {{shiftf1}, mouseframehelpcmd},
    {{f2}, contextsavecmd},
    {{f4}, contextmenucmd},
    {{f5}, notepadcmd},
    {{f9}, nothingcmd},
    {{f10}, aboutcmd},
    {{left}, turnleftcmd},
    {{right}, turnrightcmd},
    {{ins}, insertcmd},
    {{del}, deletecmd},
    {{ctrldel}, restorecmd},
    {{key::esc}, escnotice},
    {{'f', '9'}, operatorcmd},
    {{'f', 'd'}, dropformulacmd},
    {{'f', 'p'}, pickformulacmd},
    {{'o', 't'}, textstatcmd},
    {{'o', 'r'}, seedcmd},
    {{'o', 'a'}, argsmodecmd},
    {{'o', 'd'}, databasecmd},
    {{'o', 'g'}, windowtestcmd},
    {{'o', 'j'}, autojumpcmd},
    {{'o', 'p'}, prioritycmd},
    {{'o', 'm'}, mouseframecmd},
    {{'o', 'o', 'f'}, windowtestcmd},
    {{'o', 'o', 'F'}, windowtestcmd},
    {{'o', 'o', 'm'}, windowtestcmd},
    {{'o', 'o', 'c'}, windowtestcmd},
    {{'o', 'o', 'k'}, windowtestcmd},
    {{'o', 'o', '_', 'r'}, recognizerconstants},
    {{'p', 'p', 'p'}, plotmenucmd},
    {{'p', 'p', del}, eraseplotcmd},
    {{'u', 'l'}, listcontextcmd2},
    {{'u', 'i'}, installcmd2},
    {{'u', 'd'}, databasecmd2},
    {{'w'}, pickvariablecmd},
};
const int revcommandcount = int(sizeof revcommands / sizeof revcommands[0]);

const revcommand* findrevcommand(cmdreader& reader)
{
    for (const revcommand& c : revcommands)
        if (reader.readandmatch(c.keys))
            return &c;
    return nullptr;
}
