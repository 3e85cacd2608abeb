#include "formula/services.h"

namespace {
busyhooks hooks;
}

void setbusyhooks(const busyhooks& h)
{
    hooks = h;
}

busyscope::busyscope()
{
    if (hooks.begin)
        hooks.begin();
}

busyscope::~busyscope()
{
    if (hooks.end)
        hooks.end();
}

statusscope::statusscope(const std::string& text)
{
    opened = hooks.open && hooks.open(text.c_str());
}

statusscope::~statusscope()
{
    if (opened && hooks.close)
        hooks.close();
}
