// This test program starts the revolver (and the layers below) as the
// program does.
#include "revolver/program.h"

namespace {
const bool started = (startrevolver(), true);
}
