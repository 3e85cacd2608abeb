// One line a command whose tool comes later (see standins.h).
#include "revolver/standins.h"

#include "screen/msgbox.h"

namespace {
// Waits for a key, so that the box is seen.
void later()
{
    msgstyle(1);
    msgbox("\n Feature not implemented ! \n");
}
}  // namespace

void loaddesignerwindow(calculator&) { later(); }

void toggleoverlay(calculator&) { later(); }

void fastplotloop(calculator&) {}
void spacemenu(calculator&) {}
void refreshfastplot(calculator&) {}

void mouseframecmd() { later(); }
