// Pen drawing on cairo as the renderer needs it: whole device pixels, no
// antialiasing, solid pens of n pixels (0 drawn as 1) and a dotted 1-pixel
// pen, moves and lines as with a current position, filled rectangles.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <vector>

struct gdipen {
    int width = 1;            // device pixels; 0 draws 1
    uint32_t colour = 0;      // 0x00BBGGRR
    bool dotted = false;

    bool operator==(const gdipen&) const = default;
};

class gdi {
public:
    explicit gdi(cairo_t* cr);
    ~gdi();
    gdi(const gdi&) = delete;
    gdi& operator=(const gdi&) = delete;

    // Lines drawn with the pen in use go on into the path not yet stroked.
    void select(const gdipen& pen);
    void moveto(int x, int y);
    void lineto(int x, int y);
    // Right and bottom excluded.
    void fillrect(int left, int top, int right, int bottom, uint32_t colour);
    // Every pen and brush colour from now on goes to colours (null: none).
    void record(std::vector<uint32_t>* colours) { recorded_ = colours; }

private:
    void flush();
    void setcolour(uint32_t colour);

    cairo_t* cr_;
    gdipen pen_;
    double offset_ = 0.5;     // pixel centres for odd widths
    int x_ = 0, y_ = 0;
    long pending_ = 0;        // segments in the path not yet stroked
    std::vector<uint32_t>* recorded_ = nullptr;
};
