#include "objects/slotcomp.h"
#include "screen/boxsettings.h"
#include "screen/menustate.h"
#include "screen/msgbox.h"
#include "screen/msgbuffer.h"

int exitchoice(int mode)
{
    menus().abortflag = false;   // the question must not be cut short
    setboxtitle(" exit editing ");
    if (mode == 0) {
        msgstyle(2);
        return msgbox("\n You are discarding all the changes you made. \n\n\r <1>     OK\n\r <esc>   no\n");
    }
    msgbuffer m(0, 0, 0, 0, 2048);
    m.addf("%s", mode == 1 ? "\n The new version is OK. \n\r" : "\n Implementation of the new version: failed. \n\r");
    m.addf("\n Make your choice:\n\n\r");
    m.addf(" <1>    keep the new version\n\r");
    m.addf(" <0>    discard all changes, keep the old version \n\r");
    m.addf(" <e>    resume editing\n");
    return m.show();
}
