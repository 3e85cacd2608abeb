// The plots' current world rectangle.  Until plots exist it is a fixed
// square from -1 to 1, so that readers never meet an empty rectangle.
#pragma once

#include "base/rects.h"

worldrect plotworld();
void setplotworld(const worldrect& r);
