// Installing, editing, showing and listing a recursion object, and the
// argument line of its record.
#include <istream>
#include <new>
#include <string>
#include <vector>

#include "objects/compositenames.h"
#include "objects/compositeparts.h"
#include "objects/compositerecord.h"
#include "objects/edithooks.h"
#include "objects/furekur.h"
#include "objects/install.h"
#include "objects/slotcomp.h"
#include "screen/msgbox.h"

bool furekur::makeslots()
{
    for (slotcomp*& c : slot)
        if (!c && !(c = new (std::nothrow) slotcomp))
            return false;
    labelslots();
    static const char* const defaults[slots] = {"1", "1", nullptr, "0", nullptr, "0"};
    for (int i = 0; i < slots; i++)
        if (!inputcomponent(slot[i], nullptr, defaults[i]))
            return false;
    return true;
}

void furekur::edittitle()
{
    seteditcaption(" Edit a Recursion Object ");
}

int furekur::show()
{
    if (!complete())
        return 0;
    std::vector<std::string> lines;
    for (int i = 0; i < slots; i++)
        lines.push_back(componentlabel(slot[i]));
    return showcomposite(*this, longname(), lines);
}

bool furekur::listcode()
{
    if (!isimplemented() || !complete()) {
        msgbox("The object is not implemented !");
        return false;
    }
    return compositeslots::listcode();
}

bool furekur::learnargline(std::istream& in)
{
    learnargs(in, *this);
    return true;
}
