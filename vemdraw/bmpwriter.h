// Writes the export bitmap as a BMP file (BITMAPINFOHEADER, BI_RGB, the
// palette's colours, bottom-up rows).
#pragma once

#include <cstdint>
#include <string>

class dibholder;

// The bytes written; 0 when the bitmap has no pixels or the file could not
// be written whole (fileerror() tells why; an older file of that name is
// kept).
uint64_t writebmp(const dibholder& dib, const std::string& path);

// The 54-byte file and info headers followed by the colour table.
std::string bmpheader(const dibholder& dib);
