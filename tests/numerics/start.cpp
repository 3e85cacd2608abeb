// This test program starts the user objects (and the layers below) as the
// program does.
#include "objects/hooks.h"

namespace {
const bool started = (startobjects(), true);
}
