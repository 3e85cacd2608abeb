// Until perspectives are painted a designer plot shows nothing, so there
// is nothing to paint again.
#include "plots/repaint.h"

void repaintplot(plot&) {}
