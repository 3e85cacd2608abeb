#include "revolver/calcloop.h"

void calccommandloop(calculator&, revolver&) {}
void redrawcalc(calculator&) {}
