// The text screen's link to the platform: the main window's surface with
// the one lock, the caret requests and the desktop metrics.
#pragma once

#include "platform/core/draw.h"

// Holds the one lock (surface, cell grid, pixel store) while it lives;
// nested holders on one thread share it.
class screenlock {
public:
    screenlock();
    ~screenlock();
    screenlock(const screenlock&) = delete;
    screenlock& operator=(const screenlock&) = delete;
    // The surface's pixels; empty (no data) before the surface exists.
    const canvas& pixels() const;
};

// Makes the surface for a client area of width by height pixels.
void screensurface(int width, int height);
// The front shows the pixels of r again.
void screenchanged(pixelrect r);
// Caret requests (3027 show, 3028 hide, 3029 move, 3030 create) to the
// window thread.
void caretrequest(int code);
bool mainhasfocus();
// The desktop's size and work area, and the client area's origin on it.
void desktopmetrics(int& width, int& height, pixelrect& workarea);
pixelpoint clientorigin();
