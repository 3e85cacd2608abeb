// The plots' current world window.  Until plots exist it is a fixed
// square from -1 to 1, so that readers never meet an empty window.
#pragma once

#include "math/drect.h"

drect plotworld();
void setplotworld(const drect& r);
