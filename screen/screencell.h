// One cell of the text screen's grid.
#pragma once

#include <cstdint>

enum cellkind : uint8_t {
    cellempty = 0,
    cellchar = 1,    // character, text colour, background
    cellpixels = 2,  // pixels saved in a slot of the pixel store
    cellfill = 3,    // colour fill
};

struct screencell {
    uint32_t kind : 3 = cellempty;
    uint32_t dirty : 1 = 0;  // drawn over; its pixels wait for the next flush
    uint32_t content = 0;

    unsigned char character() const { return content & 0xFF; }
    int textcolor() const { return content >> 8 & 0xFF; }
    int background() const { return content >> 16 & 0xFF; }
    int fillcolor() const { return content & 0xFF; }
    long handle() const { return long(content); }

    static uint32_t charcontent(unsigned char c, int fg, int bg) { return c | uint32_t(fg) << 8 | uint32_t(bg) << 16; }
};
