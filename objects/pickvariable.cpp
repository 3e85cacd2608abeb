#include "objects/pickvariable.h"

#include "formula/parser.h"
#include "formula/varman.h"
#include "objects/varedit.h"
#include "screen/inputdialogs.h"
#include "screen/msgbox.h"

void pickvariable()
{
    int k = msgbox(" Input a variable: \n\n\r Which one ?");
    if (k <= 0 || k >= 128 || varman::letternumber(char(k)) < 0)
        return;
    inputparser().answer = 0.0;
    varedit(char(k), nullptr);
}
