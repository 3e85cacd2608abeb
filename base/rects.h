// The pixel rectangle of the plots: four 16-bit edges, y growing downward.
#pragma once

#include <cstdint>

struct rect {
    int16_t left = 0, top = 0, right = 0, bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool operator==(const rect&) const = default;
};

using screenrect = rect;
