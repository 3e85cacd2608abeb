#include "app/start.h"

#include "numerics/start.h"
#include "objects/hooks.h"

void startvemo()
{
    startobjects();
    startnumerics();
}
