#include "ui/boxclose.h"

#include "ui/linelist.h"

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
