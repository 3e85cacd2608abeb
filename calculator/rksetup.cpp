#include "calculator/rksetup.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "formula/varman.h"

namespace {
char* copytext(const char* text)
{
    if (!text)
        return nullptr;
    char* p = new (std::nothrow) char[std::strlen(text) + 1];
    if (p)
        std::strcpy(p, text);
    return p;
}
}

rksetup::rksetup() = default;

rksetup::rksetup(const rksetup& source)
    : shape(source.shape), kind(source.kind), valuesgiven(source.valuesgiven), ordergiven(source.ordergiven),
      formulagiven(source.formulagiven), variablegiven(source.variablegiven), startgiven(source.startgiven)
{
    setformula(source.formula);
    arguments = copytext(source.arguments);
    if (source.variables)
        variables = new (std::nothrow) varman(*source.variables);
    uint32_t n = uint32_t(std::min<size_t>(source.startcount, shape.statelength()));
    if (source.start && n) {
        start = new (std::nothrow) double[n];
        if (start) {
            std::copy(source.start, source.start + n, start);
            startcount = n;
        }
    }
}

rksetup::~rksetup()
{
    delete[] formula;
    delete[] start;
    delete[] arguments;
    delete variables;
}

bool rksetup::setformula(const char* text)
{
    delete[] formula;
    formula = copytext(text);
    formulalength = formula ? uint32_t(std::strlen(formula)) : 0;
    return formula || !text;
}

bool rksetup::zerostart()
{
    size_t n = shape.statelength();
    auto* fresh = new (std::nothrow) double[n]();
    if (!fresh)
        return false;
    delete[] start;
    start = fresh;
    startcount = uint32_t(n);
    return true;
}

void rksetup::setallgiven()
{
    valuesgiven = ordergiven = formulagiven = variablegiven = startgiven = 1;
}

bool rksetup::complete() const
{
    return valuesgiven && ordergiven && formulagiven && variablegiven && formulalength != 0 && formula && *formula
           && startgiven && start && startcount >= shape.statelength();
}
