// The two commands that open the clipper list editor.
#include "base/serial.h"
#include "calculator/calculator.h"
#include "plots/clippereditor.h"
#include "plots/plot.h"
#include "plots/repaint.h"
#include "screen/msgbox.h"

namespace {
// The clipper number of the last curve edit that changed something; 0
// starts the next edit with a new clipper.
uint32_t remembered = 0;

// The run of a chain and back.
void setrun(chain& list, clipper* head)
{
    list.head = head;
    list.count = int(cliplistcount(head));
    list.cursor = 0;
}
}

bool fastplotclippers(calculator& c, clipper*& list)
{
    if (!c.plotready()) {
        msgstyle(1);
        msgbox("\n There must be a fastplot in place before \n\r any clippers can be created ! \n");
        return false;
    }
    clippereditstate state;
    state.newallowed = state.deleteallowed = 1;
    state.startwithnew = uint8_t(list == nullptr);
    clipper* none = nullptr;
    const char* names = c.argstring();
    return editclippers(list, none, state, c.shape(), names ? names : "");
}

bool curveclippers(plotcurve& curve)
{
    canplot* graph = curve.graph;
    plot* owner = graphsource(graph);
    if (!owner || !graph->implement())
        return false;
    owner->numbergraphs();
    clippereditstate state;
    state.deleteallowed = 1;
    state.startwithnew = uint8_t(remembered == 0);
    state.current = remembered ? remembered : 1;
    state.showshared = uint8_t(owner->curves.count >= 3);
    uint32_t drawn = owner->countcurvesofgraph(curve.graphnumber);
    state.siblings = drawn > 0 ? drawn - 1 : 0;
    rkshape origin;
    graph->startpoint(origin);
    clipper* shared = graph->ownclipperlist();
    bool changed = editclippers(curve.clippers, shared, state, origin, graph->argsymbols());
    setrun(graph->ownclippers, shared);
    if (!changed) {
        remembered = 0;
        return false;
    }
    curve.generation = newserial();
    if (state.sharedchanged)
        graph->generationcounter = newserial();
    repaintplot(*owner);
    remembered = state.current;
    return true;
}
