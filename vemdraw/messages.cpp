#include "vemdraw/messages.h"

#include "platform/core/front.h"

#include <cstdarg>
#include <cstdio>

namespace {

boxsink sink = nullptr;
int modaldepth = 0;

platform::boxanswer show(const std::string& text, const std::string& caption, platform::boxbuttons buttons,
                         platform::boxicon icon)
{
    if (sink && sink(text, caption))
        return platform::boxanswer::ok;
    platform::front* f = platform::currentfront();
    if (!f) {
        std::fprintf(stderr, "vemdraw: %s: %s\n", caption.c_str(), text.c_str());
        return platform::boxanswer::ok;
    }
    modalscope open;
    return f->messagebox(text, caption, buttons, icon, true);
}

}  // namespace

void setboxsink(boxsink s)
{
    sink = s;
}

int errorbox(const std::string& text, const std::string& caption)
{
    return int(show(text, caption, platform::boxbuttons::ok, platform::boxicon::none));
}

void errorboxf(const char* format, ...)
{
    char text[2001];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    errorbox(text, "-");
}

bool bugbox(const char* routine)
{
    errorboxf("Unexpected Error in \"%s\"! \n\nPlease write down what you did just before\n"
              "and report it to the maintainers of VEMO.",
              routine);
    return false;
}

bool modalopen()
{
    return modaldepth > 0;
}

modalscope::modalscope()
{
    ++modaldepth;
}

modalscope::~modalscope()
{
    --modaldepth;
}
