#include "screen/hoststate.h"

hoststate& host()
{
    static hoststate state;
    return state;
}
