// This test program starts every layer as the program does.
#include "app/start.h"

namespace {
const bool started = (startvemo(), true);
}
