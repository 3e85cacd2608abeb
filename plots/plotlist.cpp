#include "plots/plotlist.h"

namespace {
worldrect current{-1.0, -1.0, 1.0, 1.0};
}

worldrect plotworld()
{
    return current;
}

void setplotworld(const worldrect& r)
{
    current = r;
}
