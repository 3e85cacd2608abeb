#include "vemdraw/program.h"

#include <algorithm>

namespace {

// Open, Print, Write to GIF / BMP, Delete, Axes, Grid, Size, Shape
// Preview, About.
const int standins[] = {40013, 40015, 40026, 40028, 40020, 40018, 40019, 40029, 40022};

}  // namespace

bool standin(int id)
{
    return std::find(std::begin(standins), std::end(standins), id) != std::end(standins);
}
