#include "app/start.h"

#include "calculator/calcstart.h"

void startvemo()
{
    startcalculator();
}
