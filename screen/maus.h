// The mouse tracker: follows the mouse while the left button is held, to
// drag a rubber-band frame (with an aspect constraint chosen by Shift,
// Ctrl or Alt) or a vertical line, and draws a chosen frame in a colour
// so that it can be removed again.  It polls the mouse state that the
// window thread keeps (computing thread).
#pragma once

#include <cstdint>
#include <memory>

#include "math/drect.h"
#include "screen/screensave.h"

class maus {
public:
    explicit maus(uint8_t color);
    ~maus();
    maus(const maus&) = delete;
    maus& operator=(const maus&) = delete;

    // Drags the frame; its corners are clamped to the screen.  The pixel
    // and world rectangles give the aspect ratios.  True when the frame
    // has a positive width and height.  pressed: the press that starts
    // it has come already (a button up by now ends the drag at once).
    bool drawframe(int16_t& l, int16_t& t, int16_t& r, int16_t& b, const rect& pixels, const drect& world,
                   bool pressed = false);
    // Draws the stored frame in color (0: the tracker's colour), saving
    // the cells under each side first.
    void drawstored(uint8_t c);
    // Removes the drawn frame: the cells under it come back.
    void releaseall();
    // Replaces the line shape by a vertical line at x from top to bottom;
    // 0 arguments take the stored values.
    void move(int x, int top, int bottom, uint8_t c);
    // Removes the line shape; its cells come back when it was made by move.
    void release();
    // Drags an inverted vertical line from top to bottom; always true.
    bool startdrag(int top, int bottom, int& x, int& y, bool pressed = false);

    int32_t left, right, top, bottom;
    int32_t linetop = 0, linebottom = 0, linex = 0;
    uint8_t color;
    std::unique_ptr<screensave> sides[4];
    std::unique_ptr<screensave> shape;
    bool keep = false;
};

// The aspect-constrained row of the second corner (x0, y0 start; x1, y1
// mouse); ratio <= 0 or not finite drags freely.  With search set the
// ratio is scaled by powers of ten toward the mouse's direction.
int constrainedy(int x0, int y0, int x1, int y1, double ratio, bool search);

// An inverted vertical line in the main window's client pixels.
void showvline(int x, int top, int bottom);
void hidevline(int x, int top, int bottom);
void movevline(int oldx, int newx, int top, int bottom);
bool vlineshown();
// Waits until the left button is down; false when the program stops.
bool waitleftdown();
// Follows the mouse column with the line while the left button is held
// (pressed: the press came already, else it is waited for); the last
// column.
int trackvline(int top, int bottom, bool pressed = false);
