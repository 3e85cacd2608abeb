// The curve editor of the plot environment: it selects, shows, hides,
// adds, removes and copies a perspective's curves by keys from the
// keyboard, the panel and the "Curve Properties" dialog.  The consider
// list's queries and steps are members of plotpsp (plots/plot.h).
#pragma once

#include <cstdint>

// The editor's selected curve number (0: all enabled curves at once); its
// selected entry is editorselection (plots/paint.h).  Computing thread.
extern uint32_t editornumber;
