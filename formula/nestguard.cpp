#include "formula/nestguard.h"

#include "base/objcount.h"

namespace {

constexpr int classnumber = 43;
int16_t counters[nestguard::slots];

}  // namespace

nestguard::nestguard(int16_t& w, int16_t value, int s) : word(&w), slot(s < 0 || s >= slots ? 0 : s)
{
    objcount(classnumber);
    if (counters[slot]++ == 0) {
        saved = *word;
        *word = value;
    }
}

nestguard::~nestguard()
{
    objcount(-classnumber);
    if (--counters[slot] == 0)
        *word = saved;
}

int16_t nestguard::depth(int s)
{
    return s < 0 || s >= slots ? 0 : counters[s];
}
