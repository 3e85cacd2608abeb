// Fixed-pitch fonts of exact cell size.  Every font is DejaVu Sans Mono
// stretched to the requested height and width; its glyphs are rendered once
// into an atlas of cell-sized alpha masks, so that every front draws the
// same pixels.
#pragma once

#include <memory>

#include "platform/core/glyphs.h"

// The face of every screen font.
constexpr char screenface[] = "DejaVu Sans Mono";
// Weights from this on draw with the bold face.
constexpr bool boldface(int weight)
{
    return weight >= 600;
}

struct fontspec {
    int height = 18;
    int width = 10;
    int weight = 400;
    bool oem = true;  // code page 437; false: code page 1252

    bool operator==(const fontspec&) const = default;
};

// Fonts of one spec share its atlas while it is among the last few specs
// made: a font made again (as by each run of the host in one process)
// renders no glyphs.
class font {
public:
    explicit font(const fontspec& spec);

    const fontspec& spec() const { return fspec; }
    int cellwidth() const { return fspec.width; }
    int cellheight() const { return fspec.height; }
    bool oem() const { return fspec.oem; }
    const glyphatlas& glyphs() const { return *atlas; }
    // Width in pixels of n characters.
    int textextent(int n) const { return n * fspec.width; }

private:
    fontspec fspec;
    std::shared_ptr<const glyphatlas> atlas;
};

// Sizes below these are raised to them.
constexpr int fontminheight = 4;
constexpr int fontminwidth = 2;
constexpr int fontmaxsize = 200;
