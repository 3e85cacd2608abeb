#include "numerics/start.h"

#include "numerics/toolcmds.h"
#include "screen/hooks.h"

void startnumerics()
{
    screenhook().recognize = recognizevalue;
}
