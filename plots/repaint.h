// Repainting a designer plot after a change of its curves or of the print
// options.
#pragma once

class plot;

// Paints the plot's current perspective again; nothing while the clipboard
// is shown or the curve editor runs (it repaints in its own colours).
void repaintplot(plot& p);
