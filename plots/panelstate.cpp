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

namespace {

bool samewindow(const drect& a, const drect& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

}

int mappingnumber(std::span<const drect> windows, const drect& active)
{
    int number = 0;
    for (size_t i = 0; i < windows.size(); ++i) {
        if (i == 0 || !samewindow(windows[i], windows[i - 1]))
            ++number;
        if (samewindow(windows[i], active))
            return number;
    }
    return 0;
}
