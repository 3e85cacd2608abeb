#include "screen/boxclose.h"

#include "screen/linelist.h"

void closebox(std::optional<boxframe>& box)
{
    box.reset();
}

void deletebox(boxframe*& box)
{
    delete box;
    box = nullptr;
}

void releaseholder(linelist*& holder)
{
    delete holder;
    holder = nullptr;
}
