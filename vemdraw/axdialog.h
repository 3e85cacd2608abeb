// "Box and Axes": which of box, axes and tick marks are drawn, where the
// axes stand, the main units and the axis diameter.
#pragma once

#include "vemdraw/model.h"

#include "platform/core/dialog.h"

struct axsettings {
    worldrect window;
    double anchorx = 0, anchory = 0, unitx = 1, unity = 1;
    uint32_t diameter = 3;
    bool unitsedited = false, changegrid = false;
    bool xaxis = false, yaxis = false, box = false, tickmarks = false;
    bool orders[3] = {};
    bool synchronised = false;
    double ratiox = 1, ratioy = 1;   // grid unit / main unit
};

axsettings axfrom(const diagram& d);
// Anchors within -1e33..1e33, main units within 0..1e33 (both of a pair
// or neither), the grid along with the units when asked for, the rest.
void axapply(const axsettings& r, diagram& d);
platform::dialogtemplate axtemplate(const axsettings& r);
void axrefresh(platform::dialogtemplate& t, const axsettings& r);
// Reads the four edits; a text that is no finite number keeps the old value.
void axread(platform::dialogtemplate& t, axsettings& r);
// The logic for one control; 1 or 2 end the dialog.
int axcontrol(platform::dialogtemplate& t, axsettings& r, int id, platform::notification n);

// True after OK (the edits and the diameter read once more).
bool axdialog(axsettings& r);
