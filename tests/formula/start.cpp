// This test program starts the formula engine as the program does.
#include "formula/start.h"

namespace {
const bool started = (startformula(), true);
}
