#include "calculator/calcstart.h"

#include "calculator/furk.h"
#include "objects/hooks.h"

void startcalculator()
{
    startobjects();
    installfurk();
}
