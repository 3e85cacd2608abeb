#include "vemdraw/program.h"

#include <algorithm>

namespace {

// Print, Axes, Grid, Size, Shape
// Preview.
const int standins[] = {40015, 40020, 40018, 40019, 40029};

}  // namespace

bool standin(int id)
{
    return std::find(std::begin(standins), std::end(standins), id) != std::end(standins);
}
