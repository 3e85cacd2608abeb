// This test program starts the calculators (and the layers below) and
// the tools' hooks as the program does.
#include "calculator/calcstart.h"
#include "numerics/start.h"

namespace {
const bool started = (startcalculator(), startnumerics(), true);
}
