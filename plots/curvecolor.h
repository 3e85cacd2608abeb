// The seven curve colours, the same on screen, in print and in every
// perspective; a curve's colour is an index into the table.
#pragma once

#include <cstdint>

struct curvecolorentry {
    uint8_t red, green, blue;
    uint8_t palette;          // the screen's palette index
    uint16_t key;             // the letter that chooses it
    char name[14];
};

constexpr int curvecolorcount = 7;

// The table while the computing thread runs (makecurvecolors), else null.
extern const curvecolorentry* curvecolor;
void makecurvecolors();
void dropcurvecolors();
// Asks for a colour with the prompt: its index, or -1 for Esc.
int choosecolor(const char* prompt);
