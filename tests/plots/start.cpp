// This test program starts the plots (and the layers below) as the
// program does.
#include "plots/start.h"

namespace {
const bool started = (startplots(), true);
}
