#include "plots/panelview.h"

#include "platform/core/draw.h"
#include "plots/canplot.h"
#include "plots/painting.h"
#include "plots/plot.h"
#include "plots/plotlist.h"
#include "screen/palette.h"

namespace {

// A tab's colour: grey when it shows no curve, tinted when it was written
// to a transfer file.
uint32_t tabfill(const plotpsp& p)
{
    if (perspectiveempty(p))
        return colorrgb(7);
    if (p.transfer.name[0])
        return blendcolor(colorrgb(17), 0.8, colorrgb(12), 0.2);
    return colorrgb(17);
}

void fillsituation(panelsituation& s, const plot& p, const autoprint* e)
{
    s.plot = plotlist().cursor;   // the current plot's place
    s.plots = plotlist().count;
    s.psp = p.currentpsp;
    s.psps = p.perspectives.count;
    s.canmousecreate = e && e->curve && e->curve->graph && e->curve->graph->canmousecreate();
    s.hasclipboard = p.clipboard != nullptr;
    s.clipboardshown = p.clipboardshown && p.clipboard;
    s.insertbefore = p.insertbefore;
}

}  // namespace

panelview takepanelview()
{
    panelview v;
    plot* p = currentplot();
    if (!p)
        return v;
    v.plotshown = true;
    plotpsp* shown = p->shownpsp();
    autoprint* e = shown ? shown->activeentry() : nullptr;
    fillsituation(v.situation, *p, e);
    v.curve = e && e->curve ? int(p->curvenumber(e->curve)) : 0;
    v.curves = int(p->countenabled());
    if (shown)
        v.transfername = shown->transfer.name;
    if (e && e->curve && p->countmappings() > 1)
        v.mapping = int(p->mappingnumber(e->curve->world));
    v.clipboardnumber = p->clipboard ? p->clipboard->number : 0;
    for (plotpsp* q = p->perspectives.first(); q; q = static_cast<plotpsp*>(q->next))
        v.tabs.push_back({q->number, tabfill(*q)});
    return v;
}
