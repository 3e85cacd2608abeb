#include "revolver/revcmds.h"

#include "formula/evalstate.h"
#include "math/random.h"
#include "base/datestamp.h"
#include "calculator/calcdisplay.h"
#include "calculator/calculator.h"
#include "objects/contextcmds.h"
#include "objects/dabalist.h"
#include "objects/fudaba.h"
#include "objects/install.h"
#include "objects/pickvariable.h"
#include "plots/mouseframe.h"
#include "revolver/reference.h"
#include "revolver/revolver.h"
#include "revolver/wintests.h"
#include "screen/boxsettings.h"
#include "screen/hooks.h"
#include "screen/inputdialogs.h"
#include "screen/menustate.h"
#include "screen/msgbox.h"

#include <string>

void quitcmd()
{
    if (mayquit())
        rev1->quitting = true;
}

void nothingcmd() {}

void helpcmd()
{
    if (void (*help)() = calcf1hook) {   // set by the display for the moment
        calcf1hook = nullptr;
        help();
        return;
    }
    masterreference();
}

void contextsavecmd()
{
    savecontextcmd();
}

void escnotice()
{
    setfootercode(10);
    msgbox("\n Quit: <alt>+<x> \n\n\r Change displaymode: <tab> \n");
}

void seedcmd()
{
    datestamp stamp;
    stamp.now();
    double seed = timeseed(stamp) & 0x7fff;
    keycode k = entrybox(&seed, 25, 0, " Input a Random Seed Value (1<=n<=32767) ? ");
    if (k == key::enter && inputstate == inputstates::taken && seed > 0 && seed < 32768) {
        setseed(unsigned(seed));
        okbox();
        return;
    }
    msgbox("\n No changes made! \n", 1000);
}

void databasecmd()
{
    msgbox(switchassistance());
}

void windowtestcmd()
{
    char keys[cmdreader::maxkeys + 1] = {};
    for (int i = 1; i <= rev1->count() && i <= cmdreader::maxkeys; ++i)
        keys[i - 1] = char(rev1->keyat(i));
    windowtest(keys);
}

namespace {
void redrawcurrent()
{
    if (rev1->current)
        rev1->current->proceed(false);
}
}  // namespace

// "om": the frame dialog with every answer offered, and what it returned.
void mouseframecmd()
{
    zoomrecord.keepmode = 1;
    zoomrecord.shifted = 1;
    tell(" \"%c\" returned ", mouseframedialog(zoomrecord));
}

void listcontextcmd2()
{
    listcontextcmd();
    redrawcurrent();
}

void installcmd2()
{
    installobject();
    redrawcurrent();
}

void databasecmd2()
{
    if (!databaseassistance) {
        msgstyle(1);
        msgbox("\n The database is deactivated. \n\r Reactivate with \"od\". ");
        return;
    }
    databasemainlist();
    redrawcurrent();
}

void pickvariablecmd()
{
    pickvariable();
}
