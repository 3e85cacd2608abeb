// The plot panel's pictures, drawn in code at the sizes of panelsizes.h:
// "BMPAXES", "BMPDOWN", "BMPDOWNDOWN", "BMPDRAW", "BMPLEFT", "BMPPRINT",
// "BMPRIGHT", "BMPUP", "BMPUPUP", "BMP0101", "BMPLOGO" and "BMPERASE"; a
// name with a final "G" (BMPLEFTG, ...) is the grey, inactive look.
#pragma once

#include <cairo.h>

#include <cstdint>

#include "plots/panelsizes.h"

// 0 by 0 for a name that is none of them.
pixelsize bitmapsize(const char* name);
// The colour 0xRRGGBB as cr's source.
void setsourcergb(cairo_t* cr, uint32_t rgb);
// Draws the picture with its upper left corner at cr's origin; false
// (nothing drawn) for an unknown name.
bool drawbitmap(const char* name, cairo_t* cr);
