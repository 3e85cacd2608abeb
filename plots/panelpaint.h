// Painting the plot panels from a view (window thread): the top panel
// with the plot and curve boxes, the side panel with the chain of
// perspective tabs, and their buttons.
#pragma once

#include "platform/core/draw.h"
#include "plots/panellayout.h"
#include "plots/panelview.h"

class font;

// The panel font and the layout it gives on a screen of that size.
const font& panelfont();
panellayout panellayoutfor(int screenw, int screenh);

// pressed: the id of the button the mouse holds down, 0 for none.
void paintpanel(const canvas& c, const panellayout& l, const panelview& v, const panelstate& s, int pressed);
void drawpanel(const canvas& c, const panellayout& l, const panelview& v, const panelstate& s, int pressed);

// Where the "Mapping %d" label stands in the top panel; its width is 0
// while it is not shown (no such number, or no room before the logo).
panelbox mappinglabel(const panellayout& l, const panelview& v);
// True when (x, y) of the top panel lies on the shown label.
bool panelmouse(const panellayout& l, const panelview& v, int x, int y);
// The button (id) at (x, y) of the top or the side panel, 0 for none.
int panelbuttonat(const panellayout& l, const panelstate& s, bool side, int x, int y);
