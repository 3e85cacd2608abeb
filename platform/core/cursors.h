// The program's own mouse cursors, drawn in code: the pen (its tip is the
// hot spot, at the lower left) and the help cursor (an arrow with a
// question mark, hot spot at the arrow's tip).
#pragma once

#include "platform/core/front.h"

#include <cairo.h>

namespace platform {

constexpr int cursorsize = 32;

// A new ARGB32 image of cursorsize square with its hot spot; null for the
// arrow and the wait cursor, which are the system's.  The caller destroys
// it.
cairo_surface_t* cursorimage(cursorkind kind, int& hotx, int& hoty);

}  // namespace platform
