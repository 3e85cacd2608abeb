#include "app/start.h"

#include "objects/hooks.h"

void startvemo()
{
    startobjects();
}
