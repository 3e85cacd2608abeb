// The plot environment: the key loop over the plot list, the key table of
// the plot on display with its normal and help cursor, and the links from
// the current plot down to its current graph.
#pragma once

#include "plots/panelstate.h"

class autoprint;
class canplot;
class infoholder;
class plot;
class plotcurve;
class plotpsp;

// The environment on the current plot until the user leaves it or the
// last plot is deleted; the panel is shown meanwhile.
void plotenvkeys();
// The next key of the plot p that concerns the list of plots (Esc, Left,
// Right, Ctrl-Del, "2", the quit button, keys not in the table); help is
// set when it came while the help cursor was on.
int plotenvcommand(plot& p, bool& help);

// The program-wide cursor mode; setting it shows it at once.
panelcursor cursormode();
void setcursormode(panelcursor mode);

// The environment's help window.
infoholder& plotenvhelp();

// False, after telling so, while the clipboard is shown.
bool notinclipboard(const plot& p);

// Null when a link is missing: the current plot, its shown perspective,
// that perspective's active entry (the first for none), its curve and
// the curve's graph.
plot* curplot();
plotpsp* curpsp();
autoprint* curentry();
plotcurve* curplotcurve();
canplot* curgraph();

// The environment on a saved screen, repainted afterwards.
void showplotenv();
void nodesignerplot();
// "ppp": the environment, or the notice that there is no plot.
void plotmenucmd();
// "pp" Del: the current plot erased after asking.
void eraseplotcmd();
// At the end: the panel destroyed and every plot deleted.
void closeplotwindow();
