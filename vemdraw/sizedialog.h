// "Diagram Size and Position": size, margins, interpretation and
// orientation, with a preview of the diagram on the paper.
#pragma once

#include "vemdraw/model.h"

#include "platform/core/dialog.h"

#include <array>

struct sizesettings {
    worldrect window;
    double width = 0, height = 0;                // mm
    uint32_t interpretation = 0, orientation = orientation::portrait;
    std::array<double, 4> margins{};             // left, top, right, bottom, mm
};

sizesettings sizefrom(const diagram& d, uint32_t o);
// Interpretation, margins and orientation (when the margins are valid,
// else a box) and the size (each side within 0 to 1e33).
void sizeapply(const sizesettings& r, diagram& d, printerdate& p);
platform::dialogtemplate sizetemplate();
// The six edits in cm.
void sizefill(platform::dialogtemplate& t, const sizesettings& r);
// Reads the edits (a value that is no finite number keeps the old one),
// refills them, marks the radios and writes the resulting size.
void sizepreview(platform::dialogtemplate& t, sizesettings& r, const printerdate& p);
// The preview picture: the paper in a square of the area, the diagram on it.
void sizedraw(cairo_t* cr, int width, int height, const sizesettings& r, const printerdate& p);
// The logic for one control; 1 or 2 end the dialog.
int sizecontrol(platform::dialogtemplate& t, sizesettings& r, const printerdate& p, int id);

// True after OK (the edits read once more).
bool sizedialog(sizesettings& r, const printerdate& p);
