#include "plots/plotpanel.h"

void redrawpanel() {}
