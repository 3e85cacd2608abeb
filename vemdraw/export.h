// Writing the first diagram as a BMP (4 or 8 bits) or GIF file: the export
// record, the bitmap rendering and the dialog "Write to File".
#pragma once

#include "vemdraw/printer.h"

#include <cstdint>
#include <string>

class diagram;
class dibholder;

namespace exportstate {
constexpr int ready = 1, working = 2, done = 3, overwrite = 4, failed = 5;
}

struct exportsettings {
    int format = 0;             // 0 GIF, 4 4-bit BMP, 8 8-bit BMP
    bool fullpalette = true;
    bool interlaced = false;
    uint32_t width = 0, height = 0;
    pixelbox screen;            // the window's drawing rectangle
    mmrect paper;               // the diagram's paper rectangle, for the aspect
    std::string directory;      // chosen by "Change..."; empty: the current folder
    std::string name;
    std::string status;
    int state = exportstate::ready;
};

// 'a': the window's drawing rectangle; 'h': width from height by the
// paper's aspect; 'w': height from width.  Unchanged when the paper is
// empty or the result would reach 65535.
void exportadapt(exportsettings& r, char how);
// Upper case, at most 8 characters before ".BMP" or ".GIF".
void exportextension(exportsettings& r);
// A typed size: leading blanks, then digits up to the first other
// character (at most 40 read), clamped to 5..65535.
uint32_t exportsize(const std::string& text);

// Renders the diagram into the created bitmap as the window draws it:
// white, the grid layer, box and axes, curves; every pen and brush colour
// joins the palette, each pixel takes the nearest entry.  False when no
// band of the image can be drawn.
bool filediag(const diagram* d, dibholder& dib);

// The Write action: ends in state done, overwrite (the file exists) or
// failed, with the status text.
void exportcommand(exportsettings& r, const diagram* d);
