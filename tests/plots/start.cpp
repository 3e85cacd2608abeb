// This test program starts the calculators (and the layers below) as the
// program does.
#include "calculator/calcstart.h"

namespace {
const bool started = (startcalculator(), true);
}
