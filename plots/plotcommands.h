// The plot environment's commands on the plot list and the printer (the
// commands on one plot are members of plot, plotcommands.cpp).
#pragma once

// Moves the plot list's cursor by one within its plots; true when it
// moved (the new plot's shown perspective is painted).
bool stepplotlist(int direction);

// Duplicating the current plot ("2"): a plot of one perspective numbered
// 1 is copied without asking, else the user chooses everything or the
// current perspective.  The copy is appended and becomes current; false
// when nothing was made.
bool duplicateplot();
bool duplicatevisible();
// Every perspective that shows something, the copy of the current one
// (or the nearest in front of it) current.
bool duplicateall();

// Written files are handed to VEMDRAW at once (program-wide, default on).
extern bool startvemdrawwhenfinished;
