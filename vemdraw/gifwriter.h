// Writes the 8-bit export bitmap as a GIF87a file: the global colour table
// from its palette, one image, optionally interlaced.
#pragma once

#include <cstdint>
#include <string>

class dibholder;

// The whole file in memory; empty when the bitmap is not an 8-bit one with
// pixels.
std::string gifbytes(const dibholder& dib, bool interlaced);

// The bytes written; 0 when there was nothing to write or the file could not
// be written whole (fileerror() tells why; an older file of that name is
// kept).
uint64_t writegif(const dibholder& dib, const std::string& path, bool interlaced);
