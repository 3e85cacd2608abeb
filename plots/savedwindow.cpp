// The revolver's saved window and the designer plot's window as the
// fastplot's window.
#include "calculator/calculator.h"
#include "plots/fastplot.h"
#include "plots/fastplotcommands.h"
#include "plots/plot.h"
#include "plots/plotlist.h"
#include "screen/msgbox.h"

namespace {

// The current plot shows w, else a new simple plot does.
void showwindow(calculator& c, const drect& w)
{
    if (c.plotready())
        setplotwindow(c, w);
    else
        simpleplot(c, w);
}

}  // namespace

void savewindow(calculator& c)
{
    if (!c.isactive(true) || !c.plotready() || !c.owner)
        return;
    c.owner->plotwindow = c.currentplot()->world;
    okbox();
}

bool loadwindow(calculator& c)
{
    if (!c.owner || c.owner->plotwindow.isempty()) {
        msgstyle(1);
        msgbox("\n There has no transfer window been saved yet! \n");
        return false;
    }
    showwindow(c, c.owner->plotwindow);
    return true;
}

void loaddesignerwindow(calculator& c)
{
    plot* p = currentplot();
    if (!p) {
        msgstyle(1);
        msgbox("\n Cannot load designer plot window \n\r because there is no designer plot yet! \n");
        return;
    }
    showwindow(c, p->mappedwindow());
}
