// What the plot panels show of the current plot, taken on the computing
// thread and handed to the window thread, which paints and hit-tests the
// panels from it alone.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "plots/panelstate.h"

struct paneltab {
    int32_t number = 0;      // the perspective's number, shown on its tab
    uint32_t fill = 0;       // its colour, 0x00RRGGBB
};

struct panelview {
    bool plotshown = false;  // there is a current plot
    panelsituation situation;
    int curve = 0, curves = 0;           // "Curve %d / %d"
    std::string transfername;            // of the shown perspective
    int mapping = 0;                     // "Mapping %d" when above 0
    int clipboardnumber = 0;             // 0: no clipboard perspective
    std::vector<paneltab> tabs;          // perspectives 1 to n
};

// Computing thread: the view of the current plot (none without one).
panelview takepanelview();
