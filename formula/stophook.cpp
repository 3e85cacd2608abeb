#include "formula/stophook.h"

namespace {
void (*stophook)() = nullptr;
}

void setdisablestophook(void (*hook)())
{
    stophook = hook;
}

void disablestop()
{
    if (stophook)
        stophook();
}
