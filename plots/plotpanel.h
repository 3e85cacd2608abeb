// The plot window's button panel as the plot environment sees it.  The
// panel's windows live on the window thread; the computing thread creates
// and destroys them through requests (msg::panelcreate, paneldestroy,
// panelhide, panelshow) and asks for their repaint here.
#pragma once

// Both panels are painted again with the current plot, perspective and
// curve (only invalidates; the window thread paints).
void redrawpanel();
