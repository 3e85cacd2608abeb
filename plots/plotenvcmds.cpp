// The revolver's plot commands: the environment on a saved screen
// ("ppp"), erasing the current plot ("pp" Del), and the end of the plots.
#include "platform/core/requests.h"
#include "plots/plot.h"
#include "plots/plotenv.h"
#include "plots/plotlist.h"
#include "screen/host.h"
#include "screen/infowin.h"
#include "screen/msgbox.h"
#include "screen/screen.h"
#include "screen/screensave.h"

void showplotenv()
{
    screensave whole(-1, -1, -1, -1);
    plotenvkeys();
    infoclose("whelpplot");
    whole.restore();
    repaintmain();
}

void nodesignerplot()
{
    tell("\n There has no designer plot been created yet. \n\r Why don't you try \"ppn\" ?\n\n\r"
         " Best make a fastplot first, edit its window with the \n\r mouse (draw a frame over it), then give \"ppn\". \n");
}

void plotmenucmd()
{
    if (curplot())
        showplotenv();
    else
        nodesignerplot();
}

void eraseplotcmd()
{
    if (!curplot()) {
        tell("\n No plot left to be erased \n");
        return;
    }
    int k = tell("\n You wish to erase plot nr. %d  ? \n\n\r <1>    yes\n\r <esc>  no\n\r", plotlist().cursor);
    if (k == '1')
        plotlist().erasecurrent();
    else
        tell("\n Command cancelled \n");
}

void closeplotwindow()
{
    sendtomain(msg::paneldestroy);
    dropplotlist();
}
