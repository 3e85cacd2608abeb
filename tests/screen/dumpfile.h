// Files that a scripted run wrote into its dump folder.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>

#include "tests/screen/hostrun.h"

// The file name ("" when none).
inline std::string dumpfile(const hostrun& run, const std::string& name)
{
    std::ifstream in(run.out + "/" + name, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Colour of the pixel in the middle of cell (x, y) of a dump's picture.
inline uint32_t cellcolor(const std::string& png, int x, int y)
{
    cairo_surface_t* s = cairo_image_surface_create_from_png(png.c_str());
    uint32_t c = 0;
    if (cairo_surface_status(s) == CAIRO_STATUS_SUCCESS) {
        int cw = cairo_image_surface_get_width(s) / 80, ch = cairo_image_surface_get_height(s) / 30;
        int stride = cairo_image_surface_get_stride(s) / 4;
        auto* data = reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(s));
        c = data[((y - 1) * ch + ch / 2) * stride + (x - 1) * cw + cw / 2] & 0xFFFFFF;
    }
    cairo_surface_destroy(s);
    return c;
}
