// The images of the mouse frame dialog and of the dialogs' message line,
// drawn in code at the sizes of panelsizes.h, and the panel's erase
// picture, for the dialogs' templates.
#pragma once

#include "platform/core/dialog.h"

// Makes c show the image of that name: "BMPCANCEL", "BMPMAGNIFY",
// "BMPMINIFY", "BMPPUSH", "BMPPUSHGRAY", "BMPERASE" or "BMPEXCLAM" (the
// label becomes the name).  False for another name.
bool setbitmap(platform::dialogcontrol& c, const char* name);
