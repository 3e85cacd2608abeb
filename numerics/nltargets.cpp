#include "numerics/nltargets.h"

#include <cmath>
#include <new>

targetlist::targetlist(int n)
{
    resize(n);
}

bool targetlist::resize(int n)
{
    if (n <= size())
        return true;
    try {
        entries.resize(n);
    } catch (const std::bad_alloc&) {
        failed = true;
        return false;
    }
    return true;
}

// The list carries something only when an entry is inactive or has a
// target other than 0.
bool targetlist::isplain() const
{
    for (const targetentry& e : entries)
        if (!e.active || std::fabs(e.target) > 1e-10)
            return false;
    return true;
}

int targetlist::activecount() const
{
    int c = 0;
    for (const targetentry& e : entries)
        c += e.active;
    return c;
}
