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

void duplicatecmd() { later(); }
void statisticscmd(plot&) { later(); }
void printoptionsdialog(plot&) { later(); }
bool mousecreatecmd(plotpsp&, double, double) { later(); return false; }
