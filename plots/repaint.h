// Repainting a designer plot after a change of its curves.
#pragma once

class plot;

// Paints the plot's shown perspective again.
void repaintplot(plot& p);
