// The calculator commands that put its curve into a designer plot: "ppn"
// makes a new plot, "pp+" and "p+" add to the current one.
#include "calculator/calculator.h"
#include "math/valtable.h"
#include "plots/fastplot.h"
#include "plots/insertion.h"
#include "plots/painting.h"
#include "plots/plotenv.h"
#include "plots/plot.h"
#include "plots/plotlist.h"
#include "plots/windowcmds.h"
#include "screen/boxsettings.h"
#include "screen/infowin.h"
#include "screen/msgbox.h"
#include "screen/screen.h"
#include "screen/screensave.h"

#include <memory>

namespace {

void aborted()
{
    setfootercode(10);
    msgbox("\n Command aborted \n");
}

// The computed fastplot, checked and with its table made current; null
// (with nothing done) when there is none.
fastplot* readyplot(calculator& k, bool& refused)
{
    fastplot* f = k.currentplot();
    refused = false;
    if (!f || f->state() < 3)
        return nullptr;
    refused = !f->canactualize(99);
    if (!refused)
        f->checktable();
    return f;
}

}  // namespace

void newdesignerplot(calculator& k)
{
    if (!k.cancompute(true))
        return;
    bool refused;
    fastplot* f = readyplot(k, refused);
    if (!f) {
        newdesignerplotwindow(k);
        return;
    }
    if (refused)
        return;
    auto* p = new plot;
    plotlist().append(p);
    plotlist().seek(p);
    if (!p->insertfastplot(*f)) {
        aborted();
        plotlist().erasecurrent();
        return;
    }
    showplotenv();
}

void adddesignerplot(calculator& k, bool show)
{
    if (!k.cancompute(true))
        return;
    plot* p = currentplot();
    if (!p) {
        nodesignerplot();
        return;
    }
    bool refused;
    fastplot* f = readyplot(k, refused);
    if (!f) {
        adddesignerplotwindow(k, show);
        return;
    }
    if (refused)
        return;
    if (!p->insertfastplot(*f))
        aborted();
    else if (show)
        showplotenv();
}

void adddesignershown(calculator& k)
{
    adddesignerplot(k, true);
}

void adddesignerplot(calculator& k)
{
    adddesignerplot(k, false);
}

void newdesignerplotwindow(calculator& k)
{
    drect w = nowindow;
    if (!inputwindow(w) || w.isempty())
        return;
    if (k.isdirectmode() && k.initvalues)
        k.initvalues->checkstamp(4, uint32_t(k.print.low) | uint32_t(k.print.high) << 16, k.print.check);
    auto p = std::make_unique<plot>();
    if (!p->insertcalculator(k, w))
        return;
    screensave whole(-1, -1, -1, -1);
    plotpsp* shown = p->shownpsp();
    if (shown)
        paintperspective(*shown);
    if (!shown || perspectiveempty(*shown)) {
        msgstyle(1);
        setfootercode(10);
        msgbox("\n Curve does not appear in window ! \n\r (Command aborted) \n\r");
    } else {
        plot* kept = p.release();
        plotlist().append(kept);
        plotlist().seek(kept);
        plotenvkeys();
        infoclose("whelpplot");
    }
    whole.restore();
    repaintmain();
}

void adddesignerplotwindow(calculator& k, bool show)
{
    plot* p = currentplot();
    if (!p || !p->insertcalculator(k, nowindow) || !show)
        return;
    screensave whole(-1, -1, -1, -1);
    plotpsp* shown = p->shownpsp();
    if (shown && !perspectiveempty(*shown)) {
        plotenvkeys();
        infoclose("whelpplot");
    }
    whole.restore();
    repaintmain();
}
