#include "ui/menustate.h"

#include "ui/hoststate.h"

void menustate::busybegin()
{
    if (busycount == 0) {
        abortflag = false;
        host().lastposted = 0;
    }
    ++busycount;
    stopdisabled = false;
}

void menustate::busyend()
{
    if (busycount > 0)
        --busycount;
}

void menustate::disablestop()
{
    stopdisabled = true;
}

void menustate::resetbusy()
{
    if (busycount == 0)
        return;
    abortflag = false;
    host().lastposted = 0;
    stopdisabled = false;
}

void menustate::clearflags()
{
    busycount = 0;
    abortflag = false;
    stopdisabled = false;
}

menustate& menus()
{
    static menustate state;
    return state;
}
