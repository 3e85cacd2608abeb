// The export bitmap: an indexed raster of 4 or 8 bits per pixel with its
// palette, rows stored bottom-up and each padded to 4 bytes, as a BMP file
// holds them.  Sizes are 64-bit: 65535 x 65535 pixels fit.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct rgbquad {
    uint8_t blue, green, red, reserved;
};

class dibholder {
public:
    // State 0 -> 1: the geometry (bits 4 or 8); false in any other state or
    // for a size of 0.
    bool createheader(uint32_t width, uint32_t height, int bits);
    // State 1 -> 2: the pixels, all of index 0; false when memory is out.
    bool create();
    // Back to state 0, the palette emptied.
    void release();

    // Appends the colour (0x00BBGGRR) unless its red, green and blue stand
    // in the palette already; false when the palette is full.
    bool addcolor(uint32_t colorref);
    // Pads the palette to n entries from a 6 x 6 x 6 colour cube (red
    // fastest, blue slowest, starting over after 216); only the file's
    // palette grows, nearest() still sees the colours added before.
    void fillpalette(int n);
    // The index of the added colour nearest to colorref (squared distance
    // in red, green, blue; the first of equals).
    int nearest(uint32_t colorref) const;

    int state() const { return level; }
    uint32_t width() const { return w; }
    uint32_t height() const { return h; }
    int bitcount() const { return bits; }
    int maxcolors() const { return bits == 4 ? 16 : 256; }
    int colorsused() const { return int(colors.size()); }
    // Entries in use before fillpalette padded the palette; 0 when not padded.
    int colorsimportant() const { return important; }
    const std::vector<rgbquad>& palette() const { return colors; }
    size_t stride() const { return ((size_t(w) * bits + 31) >> 5) << 2; }
    uint64_t imagesize() const { return uint64_t(stride()) * h; }

    // Row y counted from the top of the image (stored bottom-up).
    uint8_t* row(uint32_t y) { return pixels.data() + (size_t(h) - 1 - y) * stride(); }
    const uint8_t* row(uint32_t y) const { return pixels.data() + (size_t(h) - 1 - y) * stride(); }
    // The rows as they lie in memory, the bottom row first.
    const uint8_t* memory() const { return pixels.data(); }
    void setpixel(uint32_t x, uint32_t y, int index);
    int pixel(uint32_t x, uint32_t y) const;

private:
    int level = 0, bits = 0, rendercolors = 0, important = 0;
    uint32_t w = 0, h = 0;
    std::vector<rgbquad> colors;
    std::vector<uint8_t> pixels;
};
