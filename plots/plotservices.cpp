#include "plots/plotservices.h"

#include "base/objcount.h"
#include "screen/menustate.h"
#include "screen/statusbox.h"

bool breakrequested()
{
    return menus().aborted();
}

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

uint16_t sumstring(const char* text)
{
    uint16_t s1 = 0;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); p && *p; p++)
        s1 = uint16_t(s1 + *p);
    return s1;
}
