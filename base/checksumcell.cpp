#include "base/checksumcell.h"

void setcell(checksumcell& cell, uint32_t word, uint16_t check)
{
    cell.low = uint16_t(word & 0xffff);
    cell.high = uint16_t(word >> 16);
    cell.check = check;
}

bool samecell(const checksumcell& a, const checksumcell& b)
{
    return a.low == b.low && a.high == b.high && a.check == b.check;
}
