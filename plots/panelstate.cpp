// The button looks of the plot panel.
#include "plots/panelstate.h"

panelstate updatepanel(const panelsituation& s)
{
    panelstate p;
    p.leftgrey = s.plot <= 1;
    p.rightgrey = s.plot >= s.plots;
    p.drawgrey = !s.canmousecreate || s.clipboardshown;
    p.drawpushed = s.cursor == panelcursor::pen;
    p.helppushed = s.cursor == panelcursor::help;
    p.insvisible = !s.hasclipboard || s.clipboardshown;
    p.insleft = s.clipboardshown;
    p.upgrey = s.psp <= 1 && (!s.clipboardshown || s.insertbefore);
    p.downgrey = s.psp >= s.psps && !s.insertbefore;
    return p;
}
