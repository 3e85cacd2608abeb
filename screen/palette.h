// The 20-colour palette that every colour index refers to, and the table of
// user-interface colour roles.
#pragma once

#include <cstdint>

constexpr int palettesize = 20;
constexpr int colorroles = 309;
constexpr int invalidcolor = 255;

// 1 <= i <= 20.
bool colorvalid(int i);
// The palette entry as 0x00BBGGRR; 0 for an invalid index.
uint32_t colorref(int i);
// The palette entry as a 0x00RRGGBB pixel; black for an invalid index.
uint32_t colorrgb(int i);
// Palette index of a colour role; 0 means no colour, 255 an invalid role.
int colorof(int role);
