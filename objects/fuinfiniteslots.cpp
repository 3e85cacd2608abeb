// Building the components of a new infinite sum from its settings, and
// the code viewer over them.
#include <cstdio>
#include <new>

#include "objects/componentmenu.h"
#include "objects/context.h"
#include "objects/fuinfinite.h"
#include "objects/slotcomp.h"
#include "objects/sumrecord.h"
#include "screen/msgbox.h"

bool fuinfinite::makeslots()
{
    msgbox("Feature not implemented !");
    return false;
}

namespace {
// A constant "%.16g", or the letter of the argument at the 1-based position.
bool settextor(slotcomp& c, double value, int argument, const char* letters)
{
    char text[50];
    if (argument > 0)
        std::snprintf(text, sizeof text, "%c", letters[argument - 1]);
    else
        std::snprintf(text, sizeof text, "%.16g", value);
    return c.settext(text);
}
}

bool fuinfinite::buildslots()
{
    if (!settings)
        return false;
    const double values[] = {0, settings->first, settings->step, settings->rot, settings->phase};
    const int arguments[] = {0, 0, 0, rotarg, phasearg};
    for (int i = firstindex; i < slots; i++) {
        if (!slot[i] && !(slot[i] = new (std::nothrow) slotcomp))
            return false;
        if (!settextor(*slot[i], values[i], arguments[i], argletters))
            return false;
    }
    labelslots();
    return true;
}

bool fuinfinite::listcode()
{
    if (!isimplemented() || !complete()) {
        msgbox("The object is not implemented !");
        return false;
    }
    const char keys[] = "s1+rp";
    const int which[] = {summand, firstindex, stepsize, rotation, phaseangle};
    componentmenu menu(slots);
    if (menu.failed)
        return false;
    menu.caption = displayname(this);
    for (int i = 0; i < slots; i++)
        if (used(which[i]))
            menu.add(keys[i], slot[which[i]]);
    return menu.run() != 0;
}
