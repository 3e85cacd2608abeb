// Editing an infinite sum: the item lines, the edit transaction on copies
// of the components and settings, and the kind's own item commands.
#include <cctype>
#include <cstdio>
#include <cstring>
#include <new>

#include "formula/letters.h"
#include "math/seraccel.h"
#include "objects/edithooks.h"
#include "objects/fuinfinite.h"
#include "objects/funceditor.h"
#include "objects/slotcomp.h"
#include "objects/sumrecord.h"
#include "screen/boxsettings.h"
#include "screen/msgbox.h"
#include "screen/winstring.h"

void fuinfinite::edittitle()
{
    seteditcaption(" Edit an infinite Sum ");
}

bool fuinfinite::edititems(attrlines& lines)
{
    if (!complete())
        return false;
    char index[40];
    std::snprintf(index, sizeof index, "Summation index: %c \n\n\r", sumvar);
    bool ok = additem(lines, '4', typeline() + "\n\r") && additem(lines, '5', accelline() + "\n\n\r") &&
              additem(lines, 'S', slottext(slot[summand])) && additem(lines, 'X', index);
    for (int i = firstindex; ok && i < slots && used(i); i++)
        ok = additem(lines, sumslots[i].key, slottext(slot[i]));
    return ok && additem(lines, '6', "Options\n\n\r");
}

bool fuinfinite::beginedit()
{
    if (!complete())
        return false;
    slotcomp* copies[slots] = {};
    sumrecord* settingscopy = new (std::nothrow) sumrecord(*settings);
    bool ok = settingscopy != nullptr;
    for (int i = 0; ok && i < slots; i++)
        ok = (copies[i] = new (std::nothrow) slotcomp(slot[i])) && !copies[i]->failed;
    if (!ok || !fu1::beginedit()) {
        for (slotcomp* c : copies)
            delete c;
        delete settingscopy;
        return false;
    }
    for (int i = 0; i < slots; i++) {
        kept[i] = slot[i];
        slot[i] = copies[i];
    }
    keptsettings = settings;
    settings = settingscopy;
    settings->ownerfu = this;
    keptsumvar = sumvar;
    labelslots();
    return true;
}

bool fuinfinite::restoreedit(uint8_t withparser)
{
    if (withparser) {
        for (int i = 0; i < slots; i++) {
            delete slot[i];
            slot[i] = kept[i];
            kept[i] = nullptr;
        }
        delete settings;
        settings = keptsettings;
        keptsettings = nullptr;
    } else {
        for (int i = 0; i < slots; i++)
            slot[i]->assign(kept[i]);
        *settings = *keptsettings;
        settings->ownerfu = this;
    }
    sumvar = keptsumvar;
    fitaccelerator();
    componentedited = false;
    fu1::restoreedit(withparser);
    if (!withparser)
        stamp = 0;   // the working copies compile again
    return false;
}

bool fuinfinite::commitedit()
{
    for (slotcomp*& c : kept) {
        delete c;
        c = nullptr;
    }
    delete keptsettings;
    keptsettings = nullptr;
    return fu1::commitedit();
}

int fuinfinite::edit()
{
    newversion();
    return editfunction(*this, [this](int code) { return editcommand(code); });
}

namespace {
// After a new argument list: the index letter may now be an argument.
void warncollision(char sumvar, const char* letters)
{
    if (!sumvar || !std::strchr(letters, sumvar))
        return;
    char text[200];
    std::snprintf(text, sizeof text,
                  "\n You need to change the summation index \"%c\", too, \n\r"
                  " since it's now colliding with one of the new arguments! \n\r",
                  sumvar);
    msgstyle(2);
    setboxtitle(" W A R N I N G ");
    msgbox(text);
}
}

bool fuinfinite::editcommand(int code)
{
    if (code == itemcode::argsedited) {
        warncollision(sumvar, argletters);
        return false;
    }
    for (int i = 0; i < slots; i++)
        if (code == sumslots[i].key && used(i))
            return slot[i]->edit();
    switch (code) {
    case '4': return choosetype();
    case '5':
        settings->accel = !settings->accel;
        if (!fitaccelerator())
            settings->accel = false;
        clearimplemented(this);
        return true;
    case '6': return convcriteria(*settings);
    case 'X': return chooseindex();
    }
    return false;
}

bool fuinfinite::choosetype()
{
    char text[400];
    std::snprintf(text, sizeof text,
                  "\n Select a summation type: \n\n\r <+>  unmodified\n\r <->  alternating\n\r"
                  " <c>  with factor cos(%c*rot+phase) \n\r <s>  with factor sin(%c*rot+phase) \n\r"
                  " <e>  with factor exp(i*(%c*rot+phase)) \n\r",
                  sumvar, sumvar, sumvar);
    int key = msgbox(text);
    if (!isletter(key) && key != '+' && key != '-')
        return false;
    key = std::tolower(key);
    if (!std::strchr("+-cse", key))
        return false;
    bool altplus = settings->altplus;
    if (key == '-') {
        int sign;
        do
            sign = msgbox("\n Summation alternating, please select: \n\n\r <+> starting with '+'\n\r <-> starting with '-'\n\r");
        while (sign != '+' && sign != '-' && sign != 27 && sign > 0);
        if (sign != '+' && sign != '-')
            return false;
        altplus = sign == '+';
    }
    bool changed = key != settings->mode || (key == '-' && altplus != settings->altplus);
    settings->mode = char(key);
    settings->altplus = altplus;
    if (changed)
        clearimplemented(this);
    return changed;
}

bool fuinfinite::chooseindex()
{
    char caption[60];
    std::snprintf(caption, sizeof caption, " Summation index (currently: \"%c\") ", sumvar);
    int key;
    do {
        setboxtitle(caption);
        key = msgbox("\nWhich character will be used as the summation index ?\n\rPress the corresponding key please !\n\r");
    } while (!isletter(key) && key != 27 && key > 0);
    while (isletter(key) && std::strchr(argletters, key)) {
        char text[400];
        std::snprintf(text, sizeof text,
                      "\n\r You can't use a character that is assigned to another task. \n\r \"%c\" has been declared as an argument. Please select:\n\n\r <1>               use it anyway \n\r <esc>             cancel \n\r <new character>   use instead \n",
                      key);
        int answer = msgbox(text);
        if (answer == '1')
            break;
        key = answer;
    }
    if (!isletter(key) || key == sumvar)
        return false;
    sumvar = char(key);
    clearimplemented(this);
    componentedited = true;
    return true;
}

bool convcriteria(sumrecord& settings)
{
    if (!settings.infinite)
        return false;
    bool lead = settings.accel;
    short& count = lead ? settings.leadin : settings.kritconv;
    double value = winreadnumber(count, lead ? " Number of elements to be added up separately ? "
                                             : " Number of steps without change that will establish convergence ? ");
    if (winreadstate != readstate::number)
        return false;
    if (!(value >= 1 && value <= 32767)) {
        msgbox(lead ? "expecting a positive value" : "expecting a positive integer value");
        return false;
    }
    count = short(value);
    return true;
}
