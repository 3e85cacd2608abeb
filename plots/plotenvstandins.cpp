// One line a plot-environment command whose tool comes later (see
// plotenvstandins.h).
#include "plots/plotenvstandins.h"

#include "screen/msgbox.h"

namespace {
void later()
{
    msgstyle(1);
    msgbox("\n Feature not implemented ! \n");
}
}  // namespace

void runeditcmd(plot&) { later(); }
void stepactivecmd(plotpsp&, int) { later(); }
