// This test program starts the user objects (and the layers below) and
// the tools' hooks as the program does.
#include "numerics/start.h"
#include "objects/hooks.h"

namespace {
const bool started = (startobjects(), startnumerics(), true);
}
