// Installing, the edit transaction, the view page and the code menu of
// an n-formula object.
#include <algorithm>
#include <cctype>
#include <new>
#include <string>
#include <vector>

#include "objects/comment.h"
#include "objects/compositeparts.h"
#include "objects/componentmenu.h"
#include "objects/context.h"
#include "objects/edithooks.h"
#include "objects/fuinfinite.h"
#include "objects/fumultibranch.h"
#include "objects/install.h"
#include "objects/slotcomp.h"
#include "screen/keys.h"
#include "screen/msgbox.h"
#include "screen/msgbuffer.h"
#include "screen/screen.h"

namespace {
// Asks for a new component labelled by label and appends it; false on
// Esc or without memory.
template <class labeller>
bool askappend(fumultibranch& object, labeller label)
{
    slotcomp* c = new (std::nothrow) slotcomp;
    if (!c)
        return false;
    c->owner = &object;
    label(c);
    if (!inputcomponent(c, nullptr, nullptr)) {
        delete c;
        return false;
    }
    object.components.push_back(c);
    return true;
}

int nextchoice()
{
    msgbuffer m(0, 0, 0, 0, 400);
    m.addf("\n <+>     Add another branch \n\r <d>     Add a default action \n\r <Enter> Done \n\r"
           " <Esc>   Cancel and abort \n\r");
    m.showpopup();
    for (;;) {
        int k = getkey();
        if (k > 0 && k < 128)
            k = std::tolower(k);
        if (k == '+' || k == 'd' || k == key::enter || k == key::esc)
            return k;
    }
}
}  // namespace

bool fumultibranch::makeslots()
{
    clearslots();
    for (int k = 1;; k++) {
        if (!askappend(*this, [k](slotcomp* c) { setconditionlabels(c, k); }) ||
            !askappend(*this, [k](slotcomp* c) { setactionlabels(c, k); }))
            return false;
        int answer = nextchoice();
        if (answer == key::enter)
            return true;
        if (answer == 'd')
            return askappend(*this, setdefaultlabels);
        if (answer == key::esc)
            return false;
    }
}

void fumultibranch::edittitle()
{
    seteditcaption(" Edit a n-formula object ");
}

bool fumultibranch::edititems(attrlines& lines)
{
    relabel();
    for (int p = 1; p <= slotcount(); p++)
        if (!additem(lines, 1000 + p, slottext(slotat(p))))
            return false;
    return true;
}

bool fumultibranch::beginedit()
{
    std::vector<slotcomp*> old = components;
    components.clear();
    if (!copyslots(old) || !fu1::beginedit()) {
        clearslots();
        components = old;
        return false;
    }
    for (slotcomp* c : kept)
        delete c;
    kept = old;
    componentedited = false;
    return true;
}

bool fumultibranch::restoreedit(uint8_t withparser)
{
    clearslots();
    components = kept;
    kept.clear();
    relabel();
    fu1::restoreedit(withparser);
    componentedited = false;
    if (!withparser) {
        stamp = 0;
        beginedit();   // editing goes on with fresh copies
    }
    return false;
}

bool fumultibranch::commitedit()
{
    for (slotcomp* c : kept)
        delete c;
    kept.clear();
    return fu1::commitedit();
}

int fumultibranch::show()
{
    std::vector<std::string> lines;
    relabel();
    for (slotcomp* c : components)
        lines.push_back(slottext(c));
    return showcomposite(*this, longname(), lines);
}

bool fumultibranch::listcode()
{
    if (!isimplemented() || !complete()) {
        msgbox("The object is not implemented !");
        return false;
    }
    int room = std::min(screenrows() - 6, slotcount());
    componentmenu menu(int16_t(std::max(room, 1)));
    if (menu.failed)
        return false;
    menu.caption = displayname(this);
    for (int p = 1; p <= slotcount(); p++) {
        int branch = (p + 1) / 2;
        menu.add(char(iscondition(p) ? '`' + branch : '@' + branch), slotat(p));
    }
    return menu.run() != 0;
}
