#include "formula/namesused.h"

#include "base/objcount.h"

namesused::namesused()
{
    objcount(193);
    clear();
}

namesused::~namesused()
{
    objcount(-193);
}

void namesused::clear()
{
    for (uint8_t& f : flags)
        f = 0;
    count = 0;
}

void namesused::flag(int k)
{
    if (k < 0 || k >= 54 || flags[k])
        return;
    flags[k] = 1;
    count++;
}
