// Comparisons, truth values, and the minimum and maximum of lists.
#include "formula/tokengroups.h"
#include "formula/tokenhandler.h"
#include "formula/tokens.h"
#include "math/smallfuncs.h"

namespace {
double truth(bool b) { return b ? 1.0 : 0.0; }

double boolean(double x) { return truth(x != 0.0); }
double negation(double x) { return truth(x == 0.0); }
double equal(double a, double b) { return truth(a == b); }
double notequal(double a, double b) { return truth(a != b); }
double less(double a, double b) { return truth(a < b); }
double lessequal(double a, double b) { return truth(a <= b); }
double greater(double a, double b) { return truth(a > b); }
double greaterequal(double a, double b) { return truth(a >= b); }
double exclusiveor(double a, double b) { return truth((a != 0.0) != (b != 0.0)); }

// a, b, c -> whether b lies between a and c, ends included as named.
template <bool lowin, bool highin> void between(calcframe&)
{
    double* t = shared.top -= 2;
    double a = t[0], b = t[1], c = t[2];
    bool low = lowin ? a <= b : a < b;
    bool high = highin ? b <= c : b < c;
    *t = truth(low && high);
}

const handlerrow logicrows[] = {
    {tk::BOOL, unaryhandler<boolean>},
    {tk::NOT, unaryhandler<negation>},
    {tk::EQUAL, binaryhandler<equal>},
    {tk::NOT_EQUAL, binaryhandler<notequal>},
    {tk::LESS_THAN, binaryhandler<less>},
    {tk::LESS_EQUAL, binaryhandler<lessequal>},
    {tk::GREATER_THAN, binaryhandler<greater>},
    {tk::GREATER_EQUAL, binaryhandler<greaterequal>},
    {tk::EXCLUSIVE_OR, binaryhandler<exclusiveor>},
    {tk::BETWEEN, between<true, true>},
    {tk::X_BETWEEN, between<false, false>},
    {tk::LX_BETWEEN, between<false, true>},
    {tk::RX_BETWEEN, between<true, false>},
    {tk::LOGIC_AND, listhandler<builtin::AND>},
    {tk::LOGIC_OR, listhandler<builtin::OR>},
    {tk::MINIMUM, listhandler<builtin::min>},
    {tk::MAXIMUM, listhandler<builtin::max>},
};
}

void registerlogic()
{
    registerrows(logicrows);
}
