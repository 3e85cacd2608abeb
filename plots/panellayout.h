// The layout of the plot panels: a top strip with the plot and curve
// buttons and a side strip with the chain of perspective tabs.  Pure
// arithmetic on the bitmap sizes, the panel font and the screen size.
#pragma once

#include <array>

#include "plots/panelsizes.h"

struct panelpoint {
    int x = 0, y = 0;
};

struct panelbox {
    int x = 0, y = 0, w = 0, h = 0;
    bool contains(int px, int py) const { return px >= x && px <= x + w && py >= y && py <= y + h; }
};

// What the layout is computed from; a missing bitmap has size 0 by 0.
struct panelmetrics {
    pixelsize axes = panelbitmap::axes, zeroone = panelbitmap::zeroone, print = panelbitmap::print;
    pixelsize left = panelbitmap::left, upup = panelbitmap::upup, draw = panelbitmap::draw;
    pixelsize logo = panelbitmap::logo, erase = panelbitmap::erase;
    int ch = 0, cw = 0;                  // panel font: height, average width
    int screenw = 0, screenh = 0;        // the text screen in pixels
};

// Button ids of the top panel are 3 to 15, of the side panel 21 to 26.
constexpr int firstpanelbutton = 3, lastpanelbutton = 26;

struct panellayout {
    static constexpr int g = 4, ts = 7;
    int ch = 0, tw = 0, th = 0;
    int lw = 0;                          // width of the arrow buttons
    int h1 = 0, w1 = 0, h2 = 0, w2 = 0;
    panelpoint top, side;                // panel origins on the screen
    bool topabove = false;               // top panel above the side panel
    panelpoint b1, b2, e;                // plot box, curve box, end of the curve box
    panelbox plotarea;                   // what the panels leave to the plot
    // Buttons by id, relative to their panel; ids 16 to 20 stay empty.
    std::array<panelbox, lastpanelbutton + 1> button{};
};

panellayout computepanellayout(const panelmetrics& m);

// Top left corner of perspective n's tab in the side panel; (0, 0) when
// the tab falls outside the panel.
panelpoint tabposition(const panellayout& l, int n, int current, bool clipboardshown, bool insertbefore);
// The clipboard tab's corner.
panelpoint clipboardtab(const panellayout& l);
// True when (x, y), relative to the side panel, lies on perspective n's
// tab, edges included; n 0 is the clipboard tab.  A tab not shown is
// never hit.
bool panelhit(const panellayout& l, int x, int y, int n, int current, bool clipboardshown, bool insertbefore);
