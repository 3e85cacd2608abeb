#include "plots/plotservices.h"

#include "screen/menustate.h"

bool breakrequested()
{
    return menus().aborted();
}

uint16_t sumstring(const char* text)
{
    uint16_t s1 = 0;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); p && *p; p++)
        s1 = uint16_t(s1 + *p);
    return s1;
}
