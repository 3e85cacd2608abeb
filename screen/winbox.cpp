#include "screen/winbox.h"

#include "platform/core/codepage.h"
#include "platform/core/requests.h"
#include "screen/screen.h"

#include "base/limits.h"

#include <cstdarg>
#include <cstdio>
#include <string>

namespace {

struct boxcall {
    std::string text;
    std::string caption;
    platform::boxbuttons buttons;
    platform::boxicon icon;
};

long showbox(void* arg)
{
    auto* b = static_cast<boxcall*>(arg);
    platform::front* f = platform::currentfront();
    if (!f)
        return long(platform::boxanswer::none);
    return long(f->messagebox(b->text, b->caption, b->buttons, b->icon, true));
}

}  // namespace

platform::boxanswer nativebox(const char* text, const char* caption, platform::boxbuttons buttons,
                              platform::boxicon icon)
{
    // The box shows the characters that the screen's code page gives the bytes.
    bool oem = !fontisansi();
    boxcall call{platform::codepageutf8(text, oem), platform::codepageutf8(caption, oem), buttons, icon};
    return platform::boxanswer(platform::callmain(showbox, &call));
}

bool winmsgbox(const char* text, const char* caption)
{
    return nativebox(text, caption, platform::boxbuttons::ok, platform::boxicon::none)
           != platform::boxanswer::none;
}

bool msgboxf(const char* format, ...)
{
    // Either thread may format: a buffer of the shared buffer's size each.
    char buffer[limits::textbuffersize];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    return winmsgbox(buffer, "");
}

bool winbugbox(const char* name)
{
    std::string text = std::string("Unexpected Error in \"") + name
                       + "\"! \nYou've discovered an unknown bug.\nPlease record what you've been doing and notify me"
                         "\nby a report to the VEMO maintainers.\nTHANK YOU !!!";
    winmsgbox(text.c_str(), "");
    return false;
}
