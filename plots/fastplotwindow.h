// The fastplot pane below a calculator: frame, title bar, switch and close
// boxes, axis scales, the curve and the argument bar (computing thread).
#pragma once

#include <cstdint>

#include "base/rects.h"

class calculator;
class fastplot;
class maus;

// The whole window of a computed plot (state 3).
void drawfastplotwindow(fastplot* p);

// The hot-spot answers of the pane: the switch box (Tab while two plots
// are ready) and the close box (601).
int16_t tabspot(bool left, bool press);
int16_t altyspot(bool left, bool press);

// The two mouse trackers of the pane: the argument bar and the zoom frame.
// The running program makes them once the screen stands and drops them
// before it goes.
maus& bartracker();
maus& frametracker();
void maketrackers();
void droptrackers();

// A mouse press on the calculator's screen: the argument bar dragged or a
// zoom frame drawn over the current plot.
void fastplotmouse(calculator& c);
// The bar released over the plot sets the argument, in a side margin it
// shifts the window by 0.9 of its width; false when it went back.
bool dragargbar(calculator& c);

// The frame's action (magnify, compress, push) applied to the current
// plot's window in plot #2 (recomputed in place when #2 is current).
// False when nothing was made.
bool zoomfastplot(calculator& c, const screenrect& frame);
