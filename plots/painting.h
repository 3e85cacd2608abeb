// The painting that the plot environment brings: until then these
// stand-ins return at once (nothing is drawn, the environment closes at
// once, a perspective counts as showing its curves).
#pragma once

class fastplot;
class plotpsp;

// The fastplot pane: frame, axes and curves of the plot.
void drawfastplotwindow(fastplot* p);
// The plot environment on the current plot, until the user leaves it.
void plotenvkeys();
// Paints the perspective into the main window.
void paintperspective(plotpsp& perspective);
// The painted perspective shows nothing.
bool perspectiveempty(const plotpsp& perspective);
