// "Size Synchronization": the paper size that gives a world window round
// world units per cm, chosen from the series 1, 2, 2.5, 4, 5 times the
// powers of ten.
#pragma once

#include "vemdraw/geometry.h"
#include "vemdraw/model.h"

#include "platform/core/dialog.h"

struct syncsettings {
    worldrect window;
    double unitsx = 0, unitsy = 0;    // world units per mm
    uint32_t orientation = orientation::portrait;
    step stepx, stepy;
};

// The smallest value of the series (stepping s) for which range / value
// lies below printable; the loops end after a bounded number of steps.
void syncfit(step& s, double range, double printable);
// False, told in a box, when the dialog cannot work: no printer data or
// an empty range.
bool syncready(const worldrect& w, const printerdate& p);
void syncsetup(syncsettings& r, const printerdate& p);
platform::dialogtemplate synctemplate();
void synctexts(platform::dialogtemplate& t, const syncsettings& r, const printerdate& p);
// The logic for one control; 1 or 2 end the dialog.
int synccontrol(platform::dialogtemplate& t, syncsettings& r, const printerdate& p, int id);
// Reads both edits; false (values kept) when one is no positive number.
bool syncread(platform::dialogtemplate& t, syncsettings& r);

// The dialog on a world window; true after OK, with width and height in mm.
bool syncdialog(const worldrect& w, uint32_t o, const printerdate& p, double& width, double& height);
