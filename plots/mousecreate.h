// "  Creating a new Curve...": the point, colour, parameter range and
// clippers of a sibling curve, asked on the computing thread.
#pragma once

#include <cstdint>
#include <string>

#include "math/drect.h"
#include "platform/core/dialog.h"

struct mousecreaterecord {
    uint32_t curvenumber = 0;        // the source curve, shown in the first line
    double x = 0, y = 0;             // the point the sibling passes through
    double lower = 0, upper = 0;     // its parameter range
    drect window;                    // the entry's mapped window
    int32_t pixels = 500;            // the window's size in pixels
    uint16_t colour = 0;             // index into the curve colours
    uint8_t copyclippers = 0;        // "Copy private Clipper(s)"
    uint8_t unrestricted = 1;
    uint8_t rangeapplies = 1;
    uint8_t unrestrictedallowed = 1;
    uint8_t hasclippers = 0;
};

namespace mousecreate {
constexpr int ok = 1, cancel = 2, lower = 1085, unrestricted = 1086, upper = 1088, colour = 1077, x = 1108,
              y = 1103, copyclippers = 1107, caption = 1109, range = 1110;
}

// v with as many significant digits as a step of span / pixels needs.
std::string pixeldigits(double v, double span, int32_t pixels);

// The dialog's logic on its record.
struct mousecreaterun {
    mousecreaterecord& record;

    platform::dialogtemplate layout() const;
    void fill(platform::dialogtemplate& t) const;
    // The four edits into the record; a text that is no finite number
    // leaves its field unchanged.
    void readedits(platform::dialogtemplate& t);
    // 13 and 27 end the dialog, 0 keeps it open.
    int command(platform::dialogtemplate& t, int id, platform::notification n);
};

// Runs the dialog on the record: 13 for OK, 27 for cancel.
int mousecreatedialog(mousecreaterecord& record);
