// The plot stamp: the calculator's state a fastplot was computed in, and
// the comparisons that tell a plot what has changed since.
#include "calculator/calculator.h"
#include "calculator/rk.h"
#include "formula/varman.h"
#include "math/valtable.h"
#include "plots/fastplot.h"

#include <cstring>

uint16_t sumdouble(uint16_t sum, double v)
{
    uint16_t words[4];
    std::memcpy(words, &v, sizeof words);
    for (uint16_t w : words)
        sum = uint16_t(sum + w);
    return sum;
}

uint16_t lettersum(const calculator& c)
{
    const char* letters = c.isdirectmode() ? c.argstring() : nullptr;
    uint16_t s1 = 0;
    for (; letters && *letters; ++letters)
        if (!c.hasargletter(*letters))
            s1 = uint16_t(s1 + uint8_t(*letters));
    return s1;
}

uint16_t othersum(const calculator& c, char letter)
{
    const char* letters = c.isdirectmode() ? c.argstring() : nullptr;
    varman* store = c.argstore();
    if (!letter)
        letter = c.argchar();
    uint16_t sum = 0;
    for (; store && letters && *letters; ++letters)
        if (!c.hasargletter(*letters) && *letters != letter)
            sum = sumdouble(sum, store->value(*letters));
    return sum;
}

uint16_t initsum(const calculator& c)
{
    if (c.isempty() || c.isdirectmode() || !c.solver)
        return 0;
    const valtable* t = c.initvalues.get();
    if (!t || !t->startvector)
        return 0;
    size_t n = c.solver->shape.statelength();
    uint16_t sum = 0;
    for (size_t i = 0; i < n && i < t->dimension; ++i)
        sum = sumdouble(sum, t->startvector[i]);
    return sum;
}

plotstamp calcstamp(calculator& c, char letter)
{
    if (c.plotstale() && !c.isempty()) {
        c.implement();
        c.refreshfingerprint();
    }
    bool direct = c.isdirectmode();
    rkshape shape = c.shape();
    plotstamp s;
    s.mode = uint32_t(c.mode);
    s.cell = c.print;
    s.derivative = uint16_t(direct ? c.formulakind() : 0);
    s.lettersum = lettersum(c);
    s.othersum = othersum(c, letter);
    s.letter = int8_t(letter ? letter : c.argchar());
    s.selection = c.isempty() ? 0 : c.valueindex();
    s.order = direct ? 0 : shape.order;
    s.dimension = direct ? uint16_t(c.valuecount()) : shape.dimension;
    s.initsum = initsum(c);
    return s;
}

bool cellsmatch(const checksumcell& a, const checksumcell& b)
{
    return a.low == b.low && a.high == b.high && a.check == b.check;
}

bool samecomputation(const plotstamp& a, const plotstamp& b)
{
    return a.mode == b.mode && a.order == b.order && a.lettersum == b.lettersum && a.othersum == b.othersum &&
           a.letter == b.letter && cellsmatch(a.cell, b.cell) && a.initsum == b.initsum;
}

bool stillcurrent(const plotstamp& a, const plotstamp& b, uint32_t type)
{
    return (type == plottype::parametric || a.selection == b.selection) && a.derivative == b.derivative &&
           samecomputation(a, b);
}

bool barvalid(const plotstamp& a, const plotstamp& b, uint32_t type)
{
    return type == plottype::simple && samecomputation(a, b);
}

bool tablevalid(const plotstamp& a, const plotstamp& b, uint32_t type)
{
    if (type != plottype::parametric)
        return true;
    if (a.mode == b.mode && a.mode != uint32_t(calcmode::direct))
        return true;
    return a.lettersum == b.lettersum && a.othersum == b.othersum && a.letter == b.letter &&
           cellsmatch(a.cell, b.cell) && a.derivative == b.derivative;
}
