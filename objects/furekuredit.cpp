// Installing, editing, showing and listing a recursion object.
#include <new>
#include <string>
#include <vector>

#include "objects/comment.h"
#include "objects/compositeparts.h"
#include "objects/componentmenu.h"
#include "objects/context.h"
#include "objects/edithooks.h"
#include "objects/fuinfinite.h"
#include "objects/furekur.h"
#include "objects/install.h"
#include "objects/slotcomp.h"
#include "screen/msgbox.h"

namespace {
// The order of the view page, the editor's lines and the record.
const int shown[] = {furekur::ini, furekur::whilepart, furekur::body, furekur::untilpart, furekur::evalpart,
                     furekur::itermax};
}

bool furekur::makeslots()
{
    for (slotcomp*& c : slot)
        if (!c && !(c = new (std::nothrow) slotcomp))
            return false;
    labelslots();
    static const char* const defaults[slots] = {"1", "0", "1", nullptr, "0", nullptr};
    for (int i : {ini, whilepart, body, untilpart, evalpart, itermax})
        if (!inputcomponent(slot[i], nullptr, defaults[i]))
            return false;
    return true;
}

void furekur::edittitle()
{
    seteditcaption(" Edit a Recursion Object ");
}

bool furekur::edititems(attrlines& lines)
{
    if (!complete())
        return false;
    for (int i : shown)
        if (!additem(lines, info[i].key, slottext(slot[i])))
            return false;
    return true;
}

bool furekur::beginedit()
{
    if (!complete())
        return false;
    slotcomp* copies[slots] = {};
    bool ok = true;
    for (int i = 0; ok && i < slots; i++)
        ok = (copies[i] = new (std::nothrow) slotcomp(slot[i])) && !copies[i]->failed;
    if (!ok || !fu1::beginedit()) {
        for (slotcomp* c : copies)
            delete c;
        return false;
    }
    for (int i = 0; i < slots; i++) {
        kept[i] = slot[i];
        slot[i] = copies[i];
    }
    labelslots();
    componentedited = false;
    return true;
}

bool furekur::restoreedit(uint8_t withparser)
{
    for (int i = 0; i < slots; i++) {
        if (withparser) {
            delete slot[i];
            slot[i] = kept[i];
            kept[i] = nullptr;
        } else {
            slot[i]->assign(kept[i]);
        }
    }
    labelslots();
    componentedited = false;
    fu1::restoreedit(withparser);
    if (!withparser)
        stamp = 0;   // the working copies compile again
    return false;
}

bool furekur::commitedit()
{
    for (slotcomp*& c : kept) {
        delete c;
        c = nullptr;
    }
    return fu1::commitedit();
}

int furekur::edit()
{
    newversion();
    return editcomposite(*this, [this](int code) -> bool {
        for (int i = 0; i < slots; i++)
            if (code == info[i].key)
                return slot[i]->edit() != 0;
        return false;
    });
}

int furekur::show()
{
    if (!complete())
        return 0;
    std::vector<std::string> lines;
    for (int i : shown)
        lines.push_back(slottext(slot[i]));
    return showcomposite(*this, longname(), lines);
}

bool furekur::listcode()
{
    if (!isimplemented() || !complete()) {
        msgbox("The object is not implemented !");
        return false;
    }
    componentmenu menu(slots);
    if (menu.failed)
        return false;
    menu.caption = displayname(this);
    static const char keys[] = "iwbuen";
    for (int i = 0; i < slots; i++)
        menu.add(keys[i], slot[shown[i]]);
    return menu.run() != 0;
}
