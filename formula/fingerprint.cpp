#include "formula/fingerprint.h"

#include <cstring>

#include "formula/evalstate.h"
#include "formula/letters.h"

void fletcheradd(fletcherpair& pair, uint8_t b)
{
    pair.s1 = uint8_t(pair.s1 + b);
    pair.s2 = uint8_t(pair.s2 + pair.s1);
}

bool matchpair(uint8_t first, uint8_t second, uint16_t key)
{
    return first == (key & 0xff) && second == (key >> 8);
}

fingerprint::fingerprint()
{
    bytes.reserve(500);
    records.reserve(200);
    bytes.count = 0;
    records.count = 0;
}

bool fingerprint::reset()
{
    flag = 0;
    tablestested = tablesize = 0;
    recording = byteson || recordson;
    if (byteson)
        bytes.count = 0;
    if (recordson)
        records.count = 0;
    return recording;
}

void fingerprint::addbyte(uint8_t b)
{
    if (recording && byteson)
        bytes.append(b);
}

void fingerprint::addrecord(int32_t kind, double value)
{
    if (recording && recordson)
        records.append({kind, value});
}

void fingerprint::addpairs(const double* values, int n)
{
    for (int i = 0; i < n; i++)
        addrecord(printvalue, values[i]);
}

bool fingerprint::hasfree(uint32_t i) const
{
    if (!recordson)
        return false;
    for (; i < records.count; i++)
        if (records.data[i].kind == printplaceholder)
            return true;
    return false;
}

namespace {
// The four 16-bit quarters of the value's bytes, summed modulo 65536.
uint16_t quartersum(double value)
{
    uint16_t quarters[4];
    std::memcpy(quarters, &value, sizeof quarters);
    return uint16_t(quarters[0] + quarters[1] + quarters[2] + quarters[3]);
}
}

void fingerprint::checksumfrom(checksumcell& cell, uint32_t b0, uint32_t r0) const
{
    cell = {0, 0, 0};
    if (byteson) {
        fletcherpair pair;
        for (uint32_t i = b0; i < bytes.count; i++)
            fletcheradd(pair, bytes.data[i]);
        cell.check = uint16_t(pair.s1 + 256 * pair.s2);
    }
    if (recordson) {
        for (uint32_t i = r0; i < records.count; i++) {
            const printrecord& r = records.data[i];
            if (r.kind == printvalue)
                cell.low = uint16_t(cell.low + quartersum(r.value));
            else if (r.kind == printglobal)
                cell.high = uint16_t(cell.high + quartersum(r.value));
        }
    }
}

bool fingerprint::matches(const checksumcell& a, const checksumcell& b) const
{
    auto same = [](uint16_t x, uint16_t y) { return matchpair(uint8_t(x & 0xff), uint8_t(x >> 8), y); };
    if (byteson && !same(a.check, b.check))
        return false;
    if (!recordson)
        return true;
    return same(a.high, b.high) && same(a.low, b.low);
}

uint32_t nextserial()
{
    return ++shared.evalserial;
}

uint8_t varflagof(const uint8_t* flags, char letter)
{
    int i = letterindex(letter);
    return flags && i >= 0 ? flags[i] : 0;
}
