// Pixel-exact drawing on an RGB24 image (0x00RRGGBB pixels), with the
// conventions the program relies on: fill rectangles exclude their right
// and bottom edges, a line leaves out its end pixel, a framed rectangle
// includes them.  Callers hold the surface lock.
#pragma once

#include <cstdint>
#include <vector>

class font;

struct pixelrect {
    int left, top, right, bottom;  // right and bottom exclusive
};

struct canvas {
    uint32_t* data;
    int stride;  // in pixels
    int width, height;

    uint32_t* row(int y) const { return data + long(y) * stride; }
};

// Cuts r to the canvas; false when nothing is left.
bool clip(const canvas& c, pixelrect& r);

void fillrect(const canvas& c, pixelrect r, uint32_t rgb);
// Draws n bytes of cell text, one cell each, opaque in fg on bg.
void drawtext(const canvas& c, int x, int y, const font& f, const unsigned char* text, int n, uint32_t fg,
              uint32_t bg);
// From (x1, y1) to (x2, y2), the end pixel excluded.
void drawline(const canvas& c, int x1, int y1, int x2, int y2, uint32_t rgb);
// Outline and fill including the right and bottom pixel lines.
void drawrectangle(const canvas& c, int left, int top, int right, int bottom, uint32_t pen, uint32_t brush);
// A filled polygon (pixel centres inside by the even-odd rule) with outline.
struct pixelpoint {
    int x, y;
};
void drawpolygon(const canvas& c, const pixelpoint* points, int n, uint32_t pen, uint32_t brush);
// Moves the pixels inside r by dy (up for dy < 0); the uncovered band keeps
// its old pixels for the caller to fill.
void scrollrect(const canvas& c, pixelrect r, int dy);
// Inverting drawing, undone by drawing again.
void invertline(const canvas& c, int x, int y1, int y2);
void invertframe(const canvas& c, pixelrect r);

// Cell-sized pixel slots, one after another in one offscreen image.
class pixelpage {
public:
    pixelpage(int slotwidth, int slotheight, int slots);
    void save(const canvas& from, int x, int y, int slot);
    void load(const canvas& to, int x, int y, int slot) const;

private:
    int sw, sh, count;
    std::vector<uint32_t> pixels;
};

// The mix of two colours per red, green and blue byte: wa x a + wb x b,
// truncated.
uint32_t blendcolor(uint32_t a, double wa, uint32_t b, double wb);
