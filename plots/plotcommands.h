// The plot environment's commands on the plot list and the printer (the
// commands on one plot are members of plot, plotcommands.cpp).
#pragma once

// Moves the plot list's cursor by one within its plots; true when it
// moved (the new plot's shown perspective is painted).
bool stepplotlist(int direction);

// Written files are handed to VEMDRAW at once (program-wide, default on).
extern bool startvemdrawwhenfinished;
