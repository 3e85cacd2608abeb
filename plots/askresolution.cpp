#include <cmath>

#include "plots/canplot.h"
#include "plots/plot.h"
#include "screen/inputdialogs.h"
#include "screen/keys.h"
#include "screen/msgbox.h"
#include "screen/screen.h"
#include "screen/uiutil.h"

namespace {
constexpr double lowest = 2, highest = 20001;
}

void canplot::askresolution(autoprint& entry)
{
    double v = entry.resolution;
    for (;;) {
        keycode k = entrybox(&v, 0, int16_t(screenrows() - 2), " Number of abscissae for the printoutput ? ");
        if (k == key::esc)
            return;
        if (isbetween(lowest, v, highest))
            break;
        tell("\n Invalid input. \n\r Choose a number between 2 and %u! \n", unsigned(highest - 1));
    }
    entry.resolution = int32_t(std::trunc(v));
}
