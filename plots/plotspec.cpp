// A fastplot's specification: type, curve pairs, parameter range and
// clipper list.
#include "plots/clipper.h"
#include "plots/fastplot.h"

#include <algorithm>
#include <new>

void plotspec::clear()
{
    if (owns) {
        cliplistdestroy(clippers);
        delete[] pairs;
    }
    owns = 0;
    count = 0;
    pairs = nullptr;
    clippers = nullptr;
    type = plottype::none;
}

void plotspec::take(plotspec& other)
{
    if (&other == this || (pairs && pairs == other.pairs))
        return;
    clear();
    owns = other.owns;
    clippers = other.clippers;
    type = other.type;
    count = other.count;
    pairs = other.pairs;
    rangelow = other.rangelow;
    rangehigh = other.rangehigh;
    other.owns = 0;
}

bool plotspec::copy(const plotspec& other)
{
    clear();
    type = other.type;
    rangelow = other.rangelow;
    rangehigh = other.rangehigh;
    owns = 1;
    if (other.pairs && other.count) {
        pairs = new (std::nothrow) uint32_t[other.count];
        if (!pairs) {
            clear();
            return false;
        }
        std::copy(other.pairs, other.pairs + other.count, pairs);
    }
    count = other.count;
    if (other.clippers && !(clippers = cliplistcopy(other.clippers))) {
        clear();
        return false;
    }
    return true;
}

uint32_t plotspec::clippercount() const
{
    return cliplistcount(clippers);
}
