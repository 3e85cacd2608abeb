#include "plots/plotcommands.h"

#include "objects/librarylist.h"
#include "plots/painting.h"
#include "plots/plot.h"
#include "plots/plotlist.h"
#include "plots/smalldialogs.h"
#include "plots/startprinter.h"
#include "plots/transferfile.h"
#include "screen/keys.h"

bool startvemdrawwhenfinished = true;

namespace {

void paintcurrent(plot& p)
{
    if (plotpsp* s = p.perspectives.at(p.currentpsp); s && p.currentpsp)
        paintperspective(*s);
}

}  // namespace

uint16_t plot::keepindex() const
{
    if (currentpsp < perspectives.count)
        return currentpsp;
    return perspectives.count >= 2 ? uint16_t(currentpsp - 1) : 0;
}

void plot::showclipboard()
{
    clipboardshown = 1;
    insertbefore = 0;
    if (clipboard)
        paintperspective(*clipboard);
}

void plot::leaveclipboard()
{
    clipboardshown = 0;
    insertbefore = 0;
    paintcurrent(*this);
}

bool plot::toggleclipboard()
{
    if (clipboardshown) {
        leaveclipboard();
        return true;
    }
    if (clipboard) {
        showclipboard();
        return true;
    }
    return false;
}

bool plot::copytoclipboard()
{
    plotpsp* source = perspectives.at(currentpsp);
    if (clipboard || !source || !currentpsp)
        return false;
    auto* copy = new plotpsp(*source);
    for (autoprint* e = source->consider.first(); e; e = static_cast<autoprint*>(e->next))
        if (e->visible) {
            auto* entry = new autoprint(*e);
            entry->perspective = copy;
            copy->consider.append(entry);
        }
    clipboard = copy;
    showclipboard();
    return true;
}

bool plot::cutcopy()
{
    if (toggleclipboard())
        return true;
    uint16_t k = keepindex();
    int answer = k ? cutcopydialog() : 'p';
    if (answer == 27)
        return false;
    if (answer == 'p')
        return copytoclipboard();
    plotpsp* cut = perspectives.at(currentpsp);
    bool wasfirst = currentpsp == 1;
    if (currentpsp != 1 && currentpsp != perspectives.count)
        --k;
    perspectives.remove(cut);
    clipboard = cut;
    currentpsp = k;
    showclipboard();
    insertbefore = wasfirst;
    return false;
}

bool plot::paste()
{
    if (!clipboard || !clipboardshown || !clipboard->consider.count)
        return false;
    plotpsp* current = perspectives.at(currentpsp);
    if (!currentpsp || !current) {
        perspectives.append(clipboard);
        currentpsp = uint16_t(perspectives.count);
    } else if (insertbefore) {
        perspectives.insertbefore(clipboard, current);
    } else {
        perspectives.insertbefore(clipboard, current->next);
        ++currentpsp;
    }
    clipboard = nullptr;
    clipboardshown = 0;
    insertbefore = 0;
    paintcurrent(*this);
    return true;
}

bool plot::deletepsp()
{
    if (clipboardshown) {
        delete clipboard;
        clipboard = nullptr;
        clipboardshown = 0;
        insertbefore = 0;
        paintcurrent(*this);
        return true;
    }
    uint16_t k = keepindex();
    if (!k) {
        postkey(keycode(403));
        return false;
    }
    perspectives.erase(perspectives.at(currentpsp));
    currentpsp = k;
    paintcurrent(*this);
    return true;
}

bool plot::steppsp(int direction)
{
    bool moved = false;
    if (direction < 0) {
        if (currentpsp >= 2) {
            --currentpsp;
            moved = true;
        } else if (clipboardshown && !insertbefore) {
            insertbefore = 1;
            moved = true;
        }
    } else if (currentpsp < perspectives.count) {
        ++currentpsp;
        moved = true;
    } else if (insertbefore) {
        insertbefore = 0;
        moved = true;
    }
    if (moved && !clipboardshown)
        paintcurrent(*this);
    return moved;
}

bool plot::writetransfer()
{
    plotpsp* s = perspectives.at(currentpsp);
    if (!s || !currentpsp)
        return false;
    std::string path;
    if (!maketransferfile(*s, workdirectory(), path))
        return false;
    if (startvemdrawwhenfinished)
        startprinter(s, workdirectory());
    return true;
}

bool stepplotlist(int direction)
{
    chainof<plot>& list = plotlist();
    int target = list.cursor + (direction < 0 ? -1 : 1);
    if (target < 1 || target > list.count)
        return false;
    list.setcursor(target);
    if (plotpsp* s = currentplot() ? currentplot()->shownpsp() : nullptr)
        paintperspective(*s);
    return true;
}
