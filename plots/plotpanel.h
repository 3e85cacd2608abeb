// The plot window's button panel as the plot environment sees it.  The
// panel's windows live on the window thread; the computing thread creates
// and destroys them through requests (msg::panelcreate, paneldestroy,
// panelhide, panelshow) and asks for their repaint here.
#pragma once

#include <atomic>
#include <cstdint>

#include "base/rects.h"

// Both panels are painted again with the current plot, perspective and
// curve (only invalidates; the window thread paints).
void redrawpanel();

// The perspective that a press on its tab chose; the panel sets it before
// it posts 'g'.
extern std::atomic<int32_t> gotonumber;

// Keys a press in help mode posts: on a perspective tab, on the "Mapping"
// label.
namespace panelkey {
constexpr int tabhelp = 605, mappinghelp = 606;
}

// True while the panel's windows exist; the plot area they leave.
bool panelcreated();
screenrect panelplotarea();

// Installs the request handlers and the screen's panel hooks (the plots'
// start).
void startpanel();
