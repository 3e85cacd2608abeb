// The text screen's link to the platform: the main window's surface with
// the one lock, the caret requests, focus and the desktop metrics.
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
    const canvas& pixels() const { return view; }

private:
    canvas view;
};

// Makes the main surface for a client area of width by height pixels.
void screensurface(int width, int height);
// The pixels of r changed: the front shows them again.
void screenchanged(pixelrect r);

// Caret requests (3027 show, 3028 hide, 3029 move, 3030 create): the
// caret's state and place go to the host, the request to the window thread.
void caretrequest(int code);
bool mainhasfocus();
// Typed characters are translated to the text font's code page.
void setkeycodepage(bool oem);

// The desktop's size and work area (from the front, else a desktop of
// 1280 by 1024), and the client area's origin on it (where the front
// reports the window; setclientorigin overrides it).
void desktopmetrics(int& width, int& height, pixelrect& workarea);
void setclientorigin(int x, int y);
pixelpoint clientorigin();
