#include "vemdraw/dibholder.h"

#include <new>
#include <stdexcept>

bool dibholder::createheader(uint32_t width, uint32_t height, int bitcount)
{
    if (level != 0 || width == 0 || height == 0 || (bitcount != 4 && bitcount != 8))
        return false;
    w = width;
    h = height;
    bits = bitcount;
    colors.clear();
    rendercolors = important = 0;
    level = 1;
    return true;
}

bool dibholder::create()
{
    if (level < 1)
        return false;
    try {
        pixels.assign(imagesize(), 0);
    } catch (const std::bad_alloc&) {
        pixels = {};
        return false;
    } catch (const std::length_error&) {
        return false;
    }
    level = 2;
    return true;
}

void dibholder::release()
{
    pixels = {};
    colors.clear();
    rendercolors = important = 0;
    level = 0;
}

static rgbquad quad(uint32_t colorref)
{
    return {uint8_t(colorref >> 16), uint8_t(colorref >> 8), uint8_t(colorref), 0};
}

bool dibholder::addcolor(uint32_t colorref)
{
    rgbquad q = quad(colorref);
    for (const rgbquad& c : colors)
        if (c.red == q.red && c.green == q.green && c.blue == q.blue)
            return true;
    if (colorsused() >= maxcolors())
        return false;
    colors.push_back(q);
    rendercolors = colorsused();
    return true;
}

void dibholder::fillpalette(int n)
{
    if (n > maxcolors())
        n = maxcolors();
    if (n <= colorsused())
        return;
    important = colorsused();
    for (int i = 0; colorsused() < n; i++) {
        int k = i % 216;
        colors.push_back({uint8_t(51 * (k / 36)), uint8_t(51 * (k / 6 % 6)), uint8_t(51 * (k % 6)), 0});
    }
}

int dibholder::nearest(uint32_t colorref) const
{
    rgbquad q = quad(colorref);
    int best = 0;
    long bestdistance = -1;
    for (int i = 0; i < rendercolors; i++) {
        long dr = long(colors[i].red) - q.red, dg = long(colors[i].green) - q.green,
             db = long(colors[i].blue) - q.blue;
        long d = dr * dr + dg * dg + db * db;
        if (bestdistance < 0 || d < bestdistance) {
            best = i;
            bestdistance = d;
        }
    }
    return best;
}

void dibholder::setpixel(uint32_t x, uint32_t y, int index)
{
    uint8_t* r = row(y);
    if (bits == 8) {
        r[x] = uint8_t(index);
        return;
    }
    uint8_t& b = r[x / 2];
    b = x % 2 ? uint8_t((b & 0xF0) | (index & 15)) : uint8_t((b & 0x0F) | (index << 4));
}

int dibholder::pixel(uint32_t x, uint32_t y) const
{
    const uint8_t* r = row(y);
    return bits == 8 ? r[x] : x % 2 ? r[x / 2] & 15 : r[x / 2] >> 4;
}
