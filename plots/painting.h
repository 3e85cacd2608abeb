// The plot environment's entry points: until it comes the environment
// closes at once and a perspective counts as showing its curves; the
// perspective itself is painted (plotpsp::paint).
#pragma once

class plotpsp;

// The plot environment on the current plot, until the user leaves it.
void plotenvkeys();
// Paints the perspective into the main window.
void paintperspective(plotpsp& perspective);
// The painted perspective shows nothing.
bool perspectiveempty(const plotpsp& perspective);
