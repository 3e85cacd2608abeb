#include "plots/plotlist.h"

namespace {
drect current{-1.0, 1.0, 1.0, -1.0};
}

drect plotworld()
{
    return current;
}

void setplotworld(const drect& r)
{
    current = r;
}
