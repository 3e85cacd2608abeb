// Painting a perspective for the plot environment, and whether it shows
// any curve.
#pragma once

class plotpsp;

// Paints the perspective into the main window.
void paintperspective(plotpsp& perspective);
// No entry of the perspective is shown, not even a hidden one.
bool perspectiveempty(const plotpsp& perspective);
