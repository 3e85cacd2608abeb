// "Grid Properties": density, line style, colour and synchronisation of
// the grid with the main units, with subdivision factors.
#pragma once

#include "vemdraw/model.h"

#include "platform/core/dialog.h"

struct gridsettings {
    uint32_t density = 0, style = 0, colour = 0;
    bool synchronised = false, subdivided = false;
    uint32_t factorx = 1, factory = 1;
    double width = 0, height = 0;     // mm
    uint32_t orientation = orientation::portrait, interpretation = 0;
    worldrect window;
};

gridsettings gridfrom(const diagram& d, uint32_t o);
void gridapply(const gridsettings& r, diagram& d);
platform::dialogtemplate gridtemplate(const gridsettings& r);
void gridrefresh(platform::dialogtemplate& t, const gridsettings& r);
// The logic for one control; 1 or 2 end the dialog.
int gridcontrol(platform::dialogtemplate& t, gridsettings& r, const printerdate& p, int id);
// After OK: the factors from the spins when subdivided, else 1 and 1.
void gridtake(platform::dialogtemplate& t, gridsettings& r);

// True after OK.
bool griddialog(gridsettings& r, const printerdate& p);
