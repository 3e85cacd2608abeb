// A 6-byte checksum cell of the fingerprint (formula/fingerprint.h),
// stored beside cached results: {low half, high half} of the record sums
// (kind 2 low, kind 3 high) and the check word of the byte sums (first sum
// low byte, second high byte).
#pragma once

#include <cstdint>

struct checksumcell {
    uint16_t low;
    uint16_t high;
    uint16_t check;
};

void setcell(checksumcell& cell, uint32_t word, uint16_t check);
// Field by field.
bool samecell(const checksumcell& a, const checksumcell& b);
