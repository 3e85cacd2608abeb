#include "app/start.h"

#include "revolver/program.h"

void startvemo()
{
    startrevolver();
}
