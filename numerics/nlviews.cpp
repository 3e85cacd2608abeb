#include "numerics/nlviews.h"

#include "numerics/nliter.h"
#include "screen/boxsettings.h"
#include "screen/listbox.h"
#include "screen/palette.h"

nlpage::nlpage(const char* title) : caption(title) {}

namespace {
// The views' list and box colours, for the pages and the log alike.
void viewcolors()
{
    setlistcolors(colorof(236), colorof(235), colorof(234), colorof(233));
    setboxcolors(colorof(241), colorof(240), colorof(239), colorof(238), colorof(237));
}
}  // namespace

int16_t nlpage::show()
{
    setboxtitle(caption);
    setfootercode(7);
    viewcolors();
    return textpage::show();
}

void nlshowlog(nliter& e)
{
    if (!e.log)
        return;
    setboxtitle(" LOGFILE ");
    viewcolors();
    e.log->show();
}

void nlpositionlines(nlpage& page, nliter& e)
{
    page.addlinef(" Iteration %ld", long(e.counter));
    page.addlinef(" Distance between current and initial position: %17.9g \n\r Latest step length: %17.9g\n\r",
                  e.distancefromstart(false), e.laststeplength(false));
    page.addlinef("\n                Current position          Initial position\n\n\r");
    for (int i = 1; i <= e.n; i++)
        page.addlinef(" %-5ld %25.15g %25.15g", long(i), e.x[i] * e.scale[i], e.x0[i] * e.scale[i]);
}
