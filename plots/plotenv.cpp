// The plot environment's loop over the plot list, its cursor mode and the
// links from the current plot down to the current graph.
#include "plots/plotenv.h"

#include <atomic>

#include "platform/core/requests.h"
#include "plots/painting.h"
#include "plots/plot.h"
#include "plots/plotcommands.h"
#include "plots/envcommands.h"
#include "plots/plotkeys.h"
#include "plots/plotlist.h"
#include "screen/boxsettings.h"
#include "screen/helptopics.h"
#include "screen/host.h"
#include "screen/msgbox.h"
#include "screen/winbox.h"

namespace {

std::atomic<panelcursor> mode{panelcursor::arrow};

void paintshown()
{
    if (plotpsp* s = curpsp())
        paintperspective(*s);
}

// Neither the perspectives nor the clipboard show a curve.
bool allempty(const plot& p)
{
    for (plotpsp* s = p.perspectives.first(); s; s = static_cast<plotpsp*>(s->next))
        if (!perspectiveempty(*s))
            return false;
    return !p.clipboard || perspectiveempty(*p.clipboard);
}

// Ctrl-Del: the current plot deleted, asked first unless it shows no
// curve anywhere; false when no plot is left.
bool deleteplot(plot& p)
{
    if (!allempty(p)
        && nativebox("Delete the Plot ?", "", platform::boxbuttons::yesno, platform::boxicon::exclamation)
               != platform::boxanswer::yes)
        return true;
    plotlist().erasecurrent();
    paintshown();
    return curplot() != nullptr;
}

// A key that concerns the list of plots; false when the environment ends.
bool plotlistkey(int k, bool help)
{
    plot* p = curplot();
    switch (k) {
    case plotkey::ctrldel:
        if (help)
            helpplotdelete(plotenvhelp());
        else
            return deleteplot(*p);
        return true;
    case plotkey::left:
    case plotkey::right:
        if (help)
            helphorzarrows(plotenvhelp());
        else
            stepplotlist(k == plotkey::left ? -1 : 1);
        return true;
    case '2':
        if (help)
            helpplotdup(plotenvhelp());
        else if (notinclipboard(*p) && p->shownpsp() && !perspectiveempty(*p->shownpsp()))
            duplicatecmd();
        return true;
    case plotkey::quit:
        if (help) {
            helpquitbutton(plotenvhelp());
            return true;
        }
        [[fallthrough]];
    case plotkey::esc:
        if (mode == panelcursor::arrow)
            return false;
        setcursormode(panelcursor::arrow);
        return true;
    default:
        return true;
    }
}

}  // namespace

void plotenvkeys()
{
    if (!curplot())
        return;
    sendtomain(msg::panelcreate);
    paintshown();
    bool on = true;
    while (on) {
        bool help = false;
        int k = plotenvcommand(*curplot(), help);
        on = plotlistkey(k, help);
    }
    sendtomain(msg::paneldestroy);
    plotenvhelp().close();
}

panelcursor cursormode()
{
    return mode;
}

void setcursormode(panelcursor m)
{
    if (m == mode)
        return;
    mode = m;
    setcurrentcursor(m == panelcursor::pen    ? platform::cursorkind::pen
                     : m == panelcursor::help ? platform::cursorkind::help
                                              : platform::cursorkind::arrow);
    sendtomain(msg::setcursor);
}

infoholder& plotenvhelp()
{
    static infoholder holder;
    return holder;
}

bool notinclipboard(const plot& p)
{
    if (!p.clipboardshown)
        return true;
    msgstyle(1);
    setfootercode(10);
    msgbox("\n The upper buttons are inactive in the Clipboard. \n\r To return to the main environment, press <tab> ! \n");
    return false;
}

plot* curplot()
{
    return currentplot();
}

plotpsp* curpsp()
{
    plot* p = curplot();
    return p ? p->shownpsp() : nullptr;
}

autoprint* curentry()
{
    plotpsp* s = curpsp();
    return s ? s->activeentry() : nullptr;
}

plotcurve* curplotcurve()
{
    autoprint* e = curentry();
    return e ? e->curve : nullptr;
}

canplot* curgraph()
{
    plotcurve* c = curplotcurve();
    return c ? c->graph : nullptr;
}
