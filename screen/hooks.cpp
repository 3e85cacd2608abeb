#include "screen/hooks.h"

screenhooks& screenhook()
{
    static screenhooks hooks;
    return hooks;
}

bool mayquit()
{
    return !screenhook().quitprogram || screenhook().quitprogram();
}
