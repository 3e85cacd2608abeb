// A framed box: a screen save with a border, a centred title, a footer and
// legend rows.  While it lives the window is its interior; destroying it
// restores the screen beneath.
#pragma once

#include <cstdint>

#include "screen/boxsettings.h"
#include "screen/screensave.h"

class boxframe : public screensave {
public:
    // Colour 0 or an invalid index takes the pending setting or the default.
    boxframe(int16_t left, int16_t top, int16_t right, int16_t bottom, uint8_t frame = 0,
             uint8_t background = 0, int16_t legendrows = 0);

    void drawframe();
    void drawtop();
    void drawbottom();
    // The title is cut to the inner width in a copy.
    void drawtitle(const char* text);
    void titleprintf(const char* format, ...) __attribute__((format(printf, 2, 3)));
    void footerprintf(const char* format, ...) __attribute__((format(printf, 2, 3)));
    void drawfooter();

    // False when the rectangle was too small to draw anything.
    bool drawn() const { return isdrawn; }

    int16_t legendrows = 0;
    uint8_t framecolor = 0, background = 0, titlecolor = 0, legendcolor = 0, footercolor = 0;
    int16_t left, top, right, bottom;

private:
    bool isdrawn = false;
    unsigned char glyphs[6];

    void drawline(int16_t y, unsigned char first, unsigned char last);
};
