#include "screen/statushidden.h"

#include "base/objcount.h"
#include "screen/statusbox.h"

statushidden::statushidden()
{
    objcount(41);
    if (statusbox* box = programstatus())
        box->hide();
}

statushidden::~statushidden()
{
    if (statusbox* box = programstatus())
        box->show();
    objcount(-41);
}
