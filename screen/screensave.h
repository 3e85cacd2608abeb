// Saves a rectangle of the screen with the cursor, colours, window and
// caret, and restores all of it when destroyed; every framed box derives
// from it.
#pragma once

#include <memory>

#include "screen/screen.h"
#include "screen/screencell.h"

class screensave {
public:
    // In cells, a negative edge means the screen's edge; in pixels, the
    // cells that the rectangle touches.
    screensave(int left, int top, int right, int bottom, bool inpixels = false);
    virtual ~screensave();
    screensave(const screensave&) = delete;
    screensave& operator=(const screensave&) = delete;

    bool recapture();
    bool restore();

    cellrect area() const { return {left, top, right, bottom}; }
    bool saved() const { return issaved; }
    // The saved cells are dropped: destroying it puts nothing back.
    void forget() { issaved = false; }
    bool error = false;

private:
    std::unique_ptr<screencell[]> cells;
    int left, top, right, bottom;
    cellrect win;
    int curx, cury;
    int fg, bg;
    bool issaved = false;
    caretstate caret;

    void takecells();
};
