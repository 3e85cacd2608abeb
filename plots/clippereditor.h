// The clipper list editor: a text-mode panel over a private and a shared
// run of clippers, with single-key commands, and its two commands.
#pragma once

#include <cstdint>
#include <string>

#include "plots/clipper.h"

class calculator;
class plotcurve;

// One run of the editor.
struct clippereditstate {
    uint8_t searchoffered = 0, searchallowed = 0;
    uint8_t showshared = 0;
    uint8_t newallowed = 0, deleteallowed = 0;
    uint8_t currentshared = 0;
    uint8_t sharedchanged = 0;
    uint32_t total = 0;
    uint32_t current = 1;       // over the private run, then the shared one
    uint8_t startwithnew = 0;
    uint32_t siblings = 0;      // curves that would share a new shared clipper
};

// Edits the two runs (the shared one may be null and stay so); the heads
// are written back.  True when something changed.
bool editclippers(clipper*& privatelist, clipper*& sharedlist, clippereditstate& state, const clipperorigin& origin,
                  const char* names);
// The 1040-character line editor on the clipper's formula; true when Enter
// stored a text.
bool editclipperformula(formulaclipper& c);
// The explanation of clipper formulae for a calculator with those
// argument names and that symbol set.
std::string clipperhelp(const char* names, const clipperorigin& origin);

// The editor on a calculator's fastplot clippers (the run list); a
// calculator without a computed fastplot is told so.
bool fastplotclippers(calculator& c, clipper*& list);
// The editor on a designer-plot curve's private clippers and on the
// shared ones of its graph.
bool curveclippers(plotcurve& curve);
