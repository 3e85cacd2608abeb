#include "plots/repaint.h"

#include "plots/paint.h"
#include "plots/painting.h"
#include "plots/plot.h"

void repaintplot(plot& p)
{
    if (editorselection || p.clipboardshown)
        return;
    if (plotpsp* s = p.activemapping())
        paintperspective(*s);
}
