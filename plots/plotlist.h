// The designer plots of the program: one list; its cursor names the
// current plot.  The computing thread's shutdown deletes it.
#pragma once

#include "base/chain.h"

class plot;

// The list, made at first use.
chainof<plot>& plotlist();
// The current plot, null when there is none.
plot* currentplot();
// Deletes every plot and the list.
void dropplotlist();
