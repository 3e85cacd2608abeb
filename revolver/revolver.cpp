#include "revolver/revolver.h"

#include "base/objcount.h"
#include "formula/evalstate.h"
#include "math/numtheory.h"
#include "screen/msgbox.h"
#include "platform/core/cmdline.h"

#include <cmath>
#include <vector>

revolver* rev1 = nullptr;

namespace {
constexpr int revolverclass = 61;
}

double valuepair::match() const
{
    if (previous == 0 && (current == 0 || std::isnan(current)))
        return 0.0;
    return matchdigits(previous, current);
}

revolver::revolver(int n)
{
    history.clear();
    objcount(revolverclass);
    ncalcs = 0;
    (void)n;
    std::vector<std::string> words;
    active = platform::getoption('a', 0, words) >= 0 && shared.globals ? shared.globals : &own;
    redrawtitle = true;
}

revolver::~revolver()
{
    objcount(-revolverclass);
}

calculator* revolver::currentcalc() const
{
    return calculators && index >= 0 && index < ncalcs ? calculators[index] : nullptr;
}

void revolver::next()
{
    if (ncalcs > 0)
        index = int16_t(index + 1 >= ncalcs ? 0 : index + 1);
}

void revolver::prev()
{
    if (ncalcs > 0)
        index = int16_t(index <= 0 ? ncalcs - 1 : index - 1);
}

void revolver::movethem(int from, int to)
{
    if (from == to) {
        unexpectederror("\n invalid call to movethem \n");
        return;
    }
    calculator* moving = calculators[from];
    int step = from < to ? 1 : -1;
    for (int i = from; i != to; i += step)
        calculators[i] = calculators[i + step];
    calculators[to] = moving;
}
