// Fitting the pixels of one curve colour in a picture to the exact curve,
// given as polylines in device coordinates (the caller maps the curve's
// world points through the plot's own mapping).
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "base/rects.h"

using devicepiece = std::vector<std::pair<double, double>>;

struct curvefit {
    size_t pixels = 0;    // pixels of the colour inside the box
    size_t stray = 0;     // of them farther than the tolerance from the curve
    size_t missed = 0;    // curve points without such a pixel near them
    double worst = 0;     // the largest distance of a pixel from the curve
    std::string where;    // the first stray pixel or missed point
};

// Pixels of colour (0xRRGGBB) inside box (edges included) against the
// pieces; points of the pieces outside the box are not looked for, and a
// point where a pixel of a covering colour (a curve painted later) lies
// near is not missed.
curvefit fitcurvepixels(const std::filesystem::path& png, uint32_t colour, const screenrect& box,
                        const std::vector<devicepiece>& pieces, double tolerance,
                        const std::vector<uint32_t>& covering = {});
// Pixels of a PNG as 0xRRGGBB, empty when it cannot be read.
std::vector<uint32_t> pngpixels(const std::filesystem::path& png, int& width, int& height);
// Pixels of colour inside box (edges included).
size_t countpixels(const std::filesystem::path& png, uint32_t colour, const screenrect& box);
