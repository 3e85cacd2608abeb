// The default diagram settings that go into every transfer file; lengths
// in millimetres.
#pragma once

#include <cstdint>

struct printoptions {
    double width = 141.0, height = 100.0;
    uint8_t autosynchronize = 0;
    double leftmargin = 18.0, topmargin = 18.0, rightmargin = 18.0, bottommargin = 18.0;
    uint8_t defaultmargins = 1;
    uint32_t orientation = 3;  // 3 portrait, 4 landscape
    uint8_t largestshape = 0;
    uint32_t interpretation = 1;  // 0 strict, 1 adapt, 2 fill
    uint32_t griddensity = 1;
    uint16_t lastgriddensity = 1;
    uint32_t gridlinestyle = 0;  // 2 thick, 1 thin, 0 dotted
    uint8_t gridsynchronized = 1;
    uint8_t xaxis = 1, yaxis = 1, box = 1;
    uint16_t gridcolour = 6;
    uint32_t mainunits = 8;
    const char* message = nullptr;
};

// The copy that the writer and the axis painter read.
extern printoptions activeprintoptions;
