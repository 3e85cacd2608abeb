// Commands on world windows: zoom by a mouse frame, the dialog that asks
// the four borders, and the one-time keyboard notice of the fastplots.
#pragma once

#include <cstdint>

#include "math/drect.h"

// The new window for a mouse frame drawn over the view of w, as the mouse
// frame dialog decides (magnify, compress or push); the zero window when
// it is cancelled.
drect zoomwindow(const screenrect& frame, const screenrect& view, const drect& w);
// The window for the mouse frame dialog's answer on the frame f over the
// view v of w: 'G' the part under the frame, 'K' the window in which w
// shrinks into the frame, 'V' w pushed by the frame's shift; the zero
// window for any other answer.
drect answeredwindow(int answer, const drect& f, const drect& v, const drect& w);
// The mouse frame dialog on the frame f over the plot area p (both as
// windows), answered on the mapping m of the plot environment: the keep
// modes replace the frame's edges by the plot area's; nowindow when
// cancelled.
drect framewindow(const drect& f, const drect& p, const drect& m);
// Asks the borders in a box; false on Esc with w unchanged.
bool inputwindow(drect& w);
// Shows the notice on keyboard operation while it has been shown fewer
// than three times.
void keyboardhint();
extern uint16_t keyboardhintcount;
