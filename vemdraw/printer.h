// The printer record: the default printer's device values, from which
// every length on paper is placed, and the conversions built on it.
#pragma once

#include "platform/core/front.h"

#include <cstdint>
#include <string>

// Lengths in mm, y growing downwards.
struct mmrect {
    double left = 0, top = 0, right = 0, bottom = 0;
    double width() const { return right - left; }
    double height() const { return bottom - top; }
};

// Device pixels, y growing downwards.
struct pixelbox {
    uint32_t left = 0, top = 0, right = 0, bottom = 0;
};

namespace orientation {
constexpr uint32_t portrait = 3, landscape = 4;
}

struct printerdate {
    // The device values, all for the upright paper.
    uint32_t dpix = 0, dpiy = 0;
    uint32_t widthmm = 0, heightmm = 0;      // printable area
    uint32_t widthpx = 0, heightpx = 0;
    uint32_t paperwidth = 0, paperheight = 0;
    uint32_t offsetx = 0, offsety = 0;       // unusable left and upper margin
    bool valid = false;
    uint32_t orientation = orientation::portrait;

    // Takes the front's printer; false (record unchanged) without one.
    bool fill(const platform::printercaps* caps);
    // Pixels to mm by the vertical ratio (for both axes); 0 while not valid.
    double scale(double pixels) const;
    pixelbox printablepixels() const;
    mmrect printablemm() const;
    // The printable size in whole mm for an orientation.
    void printablesize(uint32_t o, double& width, double& height) const;
    // The default margins (unusable margin + 2 mm, equal in pairs) for an
    // orientation; 15 mm each while not valid.
    void defaultmargins(uint32_t o, double& leftright, double& topbottom) const;
};

// The part of the paper inside the margins, from the printable area's
// top-left corner and clipped to it.
mmrect marginarea(const printerdate& p, uint32_t o, double left, double top, double right, double bottom);
// The diagram on the paper: interpretation 2 fills the margin area, 1
// fits width x height into it keeping the proportions, 0 keeps the size.
mmrect diagramrect(const printerdate& p, uint32_t o, uint32_t interpretation, const double margins[4],
                   double width, double height);
// Four margins leave room on the page in that orientation.
bool marginsvalid(const printerdate& p, double left, double top, double right, double bottom, uint32_t o);

struct pen {
    int pixels = 1;          // width in device pixels
    uint32_t width = 20;     // 1/100 mm
    uint32_t colour = 0;     // 0x00BBGGRR
};

// width x dpi / 2540, at least 1.
void penwidthpixels(pen& p, uint32_t dpi);
void defaultpen(pen& p);

// The "Printer Data" report (portrait values).
std::string printerdatatext(const printerdate& p);
void printerdatacommand(const printerdate& p);
