// The default diagram options that go into every transfer file; the axis
// painter reads the axis flags of the active copy.  Lengths in mm.
#pragma once

#include <cstdint>

struct printoptions {
    double width = 141.0, height = 100.0;
    uint8_t autosynchronize = 0;
    double leftmargin = 18.0, topmargin = 18.0, rightmargin = 18.0, bottommargin = 18.0;
    uint8_t defaultmargins = 1;
    uint32_t orientation = 3;       // 3 portrait, 4 landscape
    uint8_t largestshape = 0;
    uint32_t interpretation = 1;    // 0 strict, 1 adapt, 2 fill
    uint32_t griddensity = 1;       // 0 no grid .. 3
    uint16_t lastgriddensity = 1;
    uint32_t gridstyle = 0;         // 2 thick, 1 thin, 0 dotted
    uint8_t gridsynchronized = 1;
    uint8_t xaxis = 1, yaxis = 1, box = 1;
    uint16_t gridcolour = 6;
    uint32_t mainunits = 8;         // 2 to 100
    const char* message = nullptr;  // a constant text, not owned
};

// What the transfer files and the axis painter read.
printoptions& activeprintoptions();
// What the dialog edits.
printoptions& workingprintoptions();
