// Panels: rectangles of the main window's client area that the program
// paints itself (hostevents::panelpaint) over the main surface, with the
// mouse buttons pressed on them going to hostevents::panelmouse.  Both
// fronts keep theirs in a panelset, on the window thread.
#pragma once

#include "platform/core/front.h"

#include <cairo.h>

#include <vector>

namespace platform {

struct panelrecord {
    int handle;
    int x, y, width, height;   // client pixels
    bool shown = true;
    bool contains(int px, int py) const { return px >= x && px < x + width && py >= y && py < y + height; }
};

class panelset {
public:
    // Handles are above 0.
    int create(int x, int y, int width, int height);
    void destroy(int handle);
    void show(int handle, bool shown);
    const panelrecord* find(int handle) const;
    const std::vector<panelrecord>& all() const { return panels_; }
    bool anyshown() const;

    // A button press on a shown panel, and the release after it (wherever
    // it happens), go to the host's panelmouse in panel pixels; true when
    // the event was a panel's.
    bool route(mouseaction action, mousebutton button, int x, int y);
    // Paints every shown panel within cr's clip over cr, whose origin is
    // the client area's.
    void paint(cairo_t* cr) const;

private:
    std::vector<panelrecord> panels_;
    int last_ = 0;
    int pressed_ = 0;   // the panel that took the last press
};

}  // namespace platform
