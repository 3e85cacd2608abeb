#include "platform/core/draw.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "platform/core/fonts.h"

bool clip(const canvas& c, pixelrect& r)
{
    r.left = std::max(r.left, 0);
    r.top = std::max(r.top, 0);
    r.right = std::min(r.right, c.width);
    r.bottom = std::min(r.bottom, c.height);
    return r.left < r.right && r.top < r.bottom;
}

void fillrect(const canvas& c, pixelrect r, uint32_t rgb)
{
    if (!clip(c, r))
        return;
    for (int y = r.top; y < r.bottom; y++)
        std::fill(c.row(y) + r.left, c.row(y) + r.right, rgb);
}

namespace {

inline uint32_t blend(uint32_t fg, uint32_t bg, unsigned a)
{
    uint32_t out = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        int f = (fg >> shift) & 255, b = (bg >> shift) & 255;
        out |= uint32_t(b + ((f - b) * int(a) + 127) / 255) << shift;
    }
    return out;
}

// The colour of every coverage for one pair of colours.  A screen shows
// few pairs, so a small cache of them spares the blending per pixel and
// the branches on the coverage; each thread that draws has its own, whose
// tables are made as pairs come (a short-lived thread pays for the few
// it uses, not for all 1024).
struct blendtable {
    uint32_t fg = 0, bg = 0;
    uint32_t colour[256];
};

const uint32_t* blendcolours(uint32_t fg, uint32_t bg)
{
    constexpr int slotbits = 10;
    thread_local std::unique_ptr<std::unique_ptr<blendtable>[]> cache;
    if (!cache)
        cache = std::make_unique<std::unique_ptr<blendtable>[]>(1 << slotbits);
    std::unique_ptr<blendtable>& slot = cache[((fg * 0x9E3779B1u) ^ (bg * 0x85EBCA77u)) >> (32 - slotbits)];
    if (!slot || slot->fg != fg || slot->bg != bg) {
        if (!slot)
            slot.reset(new blendtable);
        blendtable& t = *slot;
        t.fg = fg;
        t.bg = bg;
        t.colour[0] = bg;
        t.colour[255] = fg;
        for (unsigned a = 1; a < 255; a++)
            t.colour[a] = blend(fg, bg, a);
    }
    return slot->colour;
}

void drawglyph(const canvas& c, int x, int y, const glyphatlas& g, unsigned char byte, uint32_t fg, uint32_t bg)
{
    pixelrect r{x, y, x + g.width(), y + g.height()};
    if (!clip(c, r))
        return;
    if (g.blank(byte)) {
        fillrect(c, r, bg);
        return;
    }
    const uint32_t* colour = blendcolours(fg, bg);
    const uint8_t* m = g.mask(byte);
    for (int py = r.top; py < r.bottom; py++) {
        const uint8_t* mrow = m + (py - y) * g.width() - x;
        uint32_t* out = c.row(py);
        for (int px = r.left; px < r.right; px++)
            out[px] = colour[mrow[px]];
    }
}

inline void plot(const canvas& c, int x, int y, uint32_t rgb)
{
    if (x >= 0 && x < c.width && y >= 0 && y < c.height)
        c.row(y)[x] = rgb;
}

inline void invert(const canvas& c, int x, int y)
{
    if (x >= 0 && x < c.width && y >= 0 && y < c.height)
        c.row(y)[x] ^= 0xFFFFFF;
}

}

void drawtext(const canvas& c, int x, int y, const font& f, const unsigned char* text, int n, uint32_t fg,
              uint32_t bg)
{
    for (int i = 0; i < n; i++)
        drawglyph(c, x + i * f.cellwidth(), y, f.glyphs(), text[i], fg, bg);
}

void drawline(const canvas& c, int x1, int y1, int x2, int y2, uint32_t rgb)
{
    int dx = std::abs(x2 - x1), dy = -std::abs(y2 - y1);
    int sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
    int err = dx + dy;
    while (x1 != x2 || y1 != y2) {
        plot(c, x1, y1, rgb);
        int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x1 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y1 += sy;
        }
    }
}

void drawrectangle(const canvas& c, int left, int top, int right, int bottom, uint32_t pen, uint32_t brush)
{
    if (right < left)
        std::swap(left, right);
    if (bottom < top)
        std::swap(top, bottom);
    fillrect(c, {left, top, right + 1, bottom + 1}, pen);
    fillrect(c, {left + 1, top + 1, right, bottom}, brush);
}

void drawpolygon(const canvas& c, const pixelpoint* p, int n, uint32_t pen, uint32_t brush)
{
    if (n < 2)
        return;
    int ymin = p[0].y, ymax = p[0].y;
    for (int i = 1; i < n; i++) {
        ymin = std::min(ymin, p[i].y);
        ymax = std::max(ymax, p[i].y);
    }
    std::vector<double> xs;
    for (int y = std::max(ymin, 0); y <= std::min(ymax, c.height - 1); y++) {
        double yc = y + 0.5;
        xs.clear();
        for (int i = 0; i < n; i++) {
            const pixelpoint &a = p[i], &b = p[(i + 1) % n];
            if ((a.y <= yc) != (b.y <= yc))
                xs.push_back(a.x + (yc - a.y) * (b.x - a.x) / double(b.y - a.y));
        }
        std::sort(xs.begin(), xs.end());
        for (size_t k = 0; k + 1 < xs.size(); k += 2) {
            int from = int(std::ceil(xs[k] - 0.5)), to = int(std::ceil(xs[k + 1] - 0.5));
            fillrect(c, {from, y, to, y + 1}, brush);
        }
    }
    for (int i = 0; i < n; i++)
        drawline(c, p[i].x, p[i].y, p[(i + 1) % n].x, p[(i + 1) % n].y, pen);
}

void scrollrect(const canvas& c, pixelrect r, int dy)
{
    if (!clip(c, r) || dy == 0 || std::abs(dy) >= r.bottom - r.top)
        return;
    size_t bytes = size_t(r.right - r.left) * sizeof(uint32_t);
    if (dy < 0)
        for (int y = r.top; y < r.bottom + dy; y++)
            std::memmove(c.row(y) + r.left, c.row(y - dy) + r.left, bytes);
    else
        for (int y = r.bottom - 1; y >= r.top + dy; y--)
            std::memmove(c.row(y) + r.left, c.row(y - dy) + r.left, bytes);
}

void invertline(const canvas& c, int x, int y1, int y2)
{
    for (int y = std::min(y1, y2); y < std::max(y1, y2); y++)
        invert(c, x, y);
}

void invertframe(const canvas& c, pixelrect r)
{
    if (r.right - r.left < 1 || r.bottom - r.top < 1)
        return;
    for (int x = r.left; x < r.right; x++) {
        invert(c, x, r.top);
        if (r.bottom - 1 > r.top)
            invert(c, x, r.bottom - 1);
    }
    for (int y = r.top + 1; y < r.bottom - 1; y++) {
        invert(c, r.left, y);
        if (r.right - 1 > r.left)
            invert(c, r.right - 1, y);
    }
}

pixelpage::pixelpage(int slotwidth, int slotheight, int slots)
    : sw(slotwidth), sh(slotheight), count(slots), pixels(size_t(slotwidth) * slotheight * slots, 0)
{
}

void pixelpage::save(const canvas& from, int x, int y, int slot)
{
    uint32_t* base = &pixels[size_t(slot) * sw * sh];
    for (int row = 0; row < sh; row++)
        for (int col = 0; col < sw; col++) {
            int px = x + col, py = y + row;
            bool inside = px >= 0 && px < from.width && py >= 0 && py < from.height;
            base[row * sw + col] = inside ? from.row(py)[px] : 0;
        }
}

void pixelpage::load(const canvas& to, int x, int y, int slot) const
{
    const uint32_t* base = &pixels[size_t(slot) * sw * sh];
    for (int row = 0; row < sh; row++)
        for (int col = 0; col < sw; col++)
            plot(to, x + col, y + row, base[row * sw + col]);
}

uint32_t blendcolor(uint32_t a, double wa, uint32_t b, double wb)
{
    uint32_t mixed = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        double v = wa * ((a >> shift) & 0xFF) + wb * ((b >> shift) & 0xFF);
        mixed |= uint32_t(std::clamp(v, 0.0, 255.0)) << shift;
    }
    return mixed;
}
