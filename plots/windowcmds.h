// Commands on world windows: zoom by a mouse frame, the dialog that asks
// the four borders, and the one-time keyboard notice of the fastplots.
#pragma once

#include <cstdint>

#include "math/drect.h"

// The new window for a mouse frame drawn over the view of w, as the mouse
// frame dialog decides (magnify, compress or push); the zero window when
// it is cancelled.
drect zoomwindow(const screenrect& frame, const screenrect& view, const drect& w);
// Asks the borders in a box; false on Esc with w unchanged.
bool inputwindow(drect& w);
// Shows the notice on keyboard operation while it has been shown fewer
// than three times.
void keyboardhint();
extern uint16_t keyboardhintcount;
