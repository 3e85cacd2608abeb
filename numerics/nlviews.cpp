#include "numerics/nlviews.h"

#include "numerics/nliter.h"
#include "screen/boxsettings.h"
#include "screen/listbox.h"
#include "screen/palette.h"

nlpage::nlpage(const char* title) : caption(title) {}

int16_t nlpage::show()
{
    setboxtitle(caption);
    setfootercode(7);
    setlistcolors(colorof(236), colorof(235), colorof(234), colorof(233));
    setboxcolors(colorof(241), colorof(240), colorof(239), colorof(238), colorof(237));
    return textpage::show();
}

void nlshowlog(nliter& e)
{
    if (!e.log)
        return;
    setboxtitle(" LOGFILE ");
    setlistcolors(colorof(236), colorof(235), colorof(234), colorof(233));
    setboxcolors(colorof(241), colorof(240), colorof(239), colorof(238), colorof(237));
    e.log->show();
}
