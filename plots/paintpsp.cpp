// Painting a whole perspective: frame, scales, axes and the shown entries
// in the order of the consider list; the edit-mode picture.
#include <algorithm>

#include "plots/axisscales.h"
#include "plots/breakdialogs.h"
#include "plots/paint.h"
#include "plots/plot.h"
#include "plots/plotservices.h"
#include "screen/host.h"
#include "screen/infowin.h"
#include "screen/msgbox.h"
#include "screen/screen.h"
#include "screen/tgwscreen.h"

namespace {

void wholescreen()
{
    makevisible(0, 0, screenpixwidth(), screenpixheight(), false);
}

// Drops the entry of a disabled curve; apnr stays within the list.
void dropentry(plotpsp& p, autoprint* e)
{
    p.consider.erase(e);
    p.apnr = uint16_t(std::min<int>(p.apnr, p.consider.count));
}

}  // namespace

int plotpsp::paint(bool includenotconsidered)
{
    if (consider.count == 0)
        return 0;
    infohidden hidden;
    wholescreen();
    paintplotframe(owner, 0);
    if (apnr > consider.count) {
        tell("\n plotpsp::paint() finds apnr=%d \n\r but consider.size()=%d \n\r OK set apnr=1 and continue\n",
             int(apnr), consider.count);
        apnr = 1;
    }
    drect w = mappedwindow();
    if (!isemptyrange(w.left, w.right) && !isemptyrange(w.bottom, w.top)) {
        // The labels over the axes that run through them.
        bool clipboard = owner && owner->clipboardshown;
        paintscales(w, plotarea(), clipboard, scaleticks);
        paintaxes(*this, 0);
        paintscales(w, plotarea(), clipboard, scalelabels);
    }
    int painted = 0;
    bool stop = false;
    int position = 0;
    for (autoprint* e = consider.first(); e;) {
        autoprint* following = static_cast<autoprint*>(e->next);
        position++;
        if (!e->curve || !e->curve->enabled) {
            dropentry(*this, e);
            position--;
        } else if (e->visible && !stop) {
            painted += e->paint(includenotconsidered, 0);
            if (breakrequested() && following && !curvebreakdialog(position))
                stop = true;
        } else {
            e->visible = 0;
        }
        e = following;
    }
    ::flushcells();
    return painted;
}

int plotpsp::paintedit(int level)
{
    if (consider.count == 0)
        return 0;
    infohidden hidden;
    wholescreen();
    paintplotframe(owner, 1);
    paintaxes(*this, 1);
    int painted = 0;
    for (autoprint* e = consider.first(); e; e = static_cast<autoprint*>(e->next))
        painted += e->paint(level >= 2, 1);
    if (autoprint* active = activeentry())
        active->paint(level != 0, 1);
    ::flushcells();
    return painted;
}

bool plotpsp::anyvisible(bool includenotconsidered)
{
    for (autoprint* e = consider.first(); e; e = static_cast<autoprint*>(e->next)) {
        if (!e->curve || !e->curve->enabled || !e->visible || !(e->considered || includenotconsidered))
            continue;
        bool ok = e->takesample();
        if (breakrequested())
            return false;
        if (ok)
            return true;
    }
    return false;
}
