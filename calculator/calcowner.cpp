#include "calculator/calcowner.h"

#include <cmath>

#include "math/numtheory.h"

double valuepair::match() const
{
    if (previous == 0.0 && (current == 0.0 || std::isnan(current)))
        return 0.0;
    return matchdigits(previous, current);
}
