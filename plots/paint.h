// Painting designer-plot perspectives and curve samples into the text
// screen (computing thread).  The entry and perspective painters are
// members of autoprint and plotpsp (plots/plot.h).
#pragma once

#include <cstdint>

#include "base/rects.h"
#include "math/drect.h"

class autoprint;
class plot;
class plotcmdlist;
class plotcurve;
class plotpsp;

// Column form: entry i is column first + i - 1 up to last; row 0 means no
// value.  True when a line was drawn.
bool screenplotter(const plotcmdlist* list, int colour, uint16_t first, uint16_t last);
// Point form: points with x = 0 or y = 0 are skipped; each polyline ends
// with its last pixel set.
bool screenplotter(const plotcmdlist* list, int colour);

// The larger of the graph's and the curve's own generation.
uint32_t currentgeneration(const plotcurve& c);

// The pixel rectangle the perspectives are painted into.
screenrect& plotarea();
// The curve editor's selected entry (edit-mode colours), or null.
extern autoprint* editorselection;

void paintplotframe(const plot* p, int mode);
// parts: of enum scaleparts (plots/axisscales.h).
void paintscales(const drect& w, const screenrect& area, bool clipboardshown, int parts);
void paintaxes(const plotpsp& perspective, int mode);
