// Glyph atlas: one alpha mask of cell size for each byte of a code page.
// Box-drawing, block and shade characters are drawn in code so that
// neighbouring cells join without gaps; all others are rendered with pango.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct fontspec;

class glyphatlas {
public:
    explicit glyphatlas(const fontspec& spec);

    int width() const { return w; }
    int height() const { return h; }
    // width() * height() coverage bytes, row by row (0 none, 255 full).
    const uint8_t* mask(unsigned char byte) const { return &masks[byte * w * h]; }
    // True when the byte draws nothing (its mask is all 0).
    bool blank(unsigned char byte) const { return empty[byte]; }

private:
    int w, h;
    std::vector<uint8_t> masks;
    bool empty[256];
};

// The character that a byte of the OEM (cp437) or ANSI (cp1252) code page
// shows.
char32_t glyphunicode(unsigned char byte, bool oem);

// Appends c to out as UTF-8.
void appendutf8(std::string& out, char32_t c);

// Draws a box-drawing, block or shade character into a w by h mask (which
// the caller cleared); false when c is none of them.
bool boxglyph(char32_t c, int w, int h, uint8_t* mask);
