// The looks of the plot panel's buttons that follow the current plot:
// grey arrows at the ends of the lists, the pen and help buttons pushed
// while their cursor is current, the insert arrow.
#pragma once

#include <span>

#include "math/drect.h"

enum class panelcursor { arrow, pen, help };

// What the looks depend on; perspectives count from 1.
struct panelsituation {
    int plot = 1, plots = 1;              // current plot index, plots in the list
    int psp = 1, psps = 1;                // current perspective, perspectives
    bool canmousecreate = false;          // the active curve's graph takes the pen
    bool hasclipboard = false;            // the plot holds a clipboard perspective
    bool clipboardshown = false;
    bool insertbefore = false;
    panelcursor cursor = panelcursor::arrow;
};

struct panelstate {
    bool leftgrey = false, rightgrey = false;
    bool drawgrey = false, drawpushed = false, helppushed = false;
    bool insvisible = true, insleft = false;   // arrow points left when the clipboard shows
    bool upgrey = false, downgrey = false;     // Home and Up; Down and End
};

panelstate updatepanel(const panelsituation& s);

// The number shown as "Mapping %d": the curves' world windows counted in
// curve order, a new number whenever a window differs from the one before,
// up to the first curve whose window equals the active curve's; 0 when no
// curve has that window.
int mappingnumber(std::span<const drect> windows, const drect& active);
