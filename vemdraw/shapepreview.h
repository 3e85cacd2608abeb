// Shape Preview: the main window's client area takes the proportions of
// the diagram's paper rectangle, as large as before and within the work
// area.
#pragma once

#include "platform/core/front.h"

class diagram;

void shapepreview(platform::front& f, const diagram* d);
