#include "base/serial.h"

namespace {
uint32_t serialcounter = 0;
}

uint32_t newserial()
{
    return ++serialcounter;
}
