#include "screen/msgbox.h"

#include <cstdarg>
#include <cstdio>

#include "base/limits.h"
#include "platform/core/clock.h"
#include "screen/keys.h"
#include "screen/msgbuffer.h"
#include "screen/palette.h"
#include "screen/popup.h"

namespace {
int32_t msgtime = 0;
}

void setmsgtime(int32_t ms)
{
    msgtime = ms;
}

int16_t msgbox(const char* text, int16_t ms, uint8_t ink, uint8_t textback, uint8_t frame,
               uint8_t boxback)
{
    setpopupcolors(ink, textback, frame, boxback, 0, 0, 0);
    popup shown(text);
    int16_t wait = ms ? ms : int16_t(msgtime);
    msgtime = 0;
    if (wait > 0) {
        platform::sleepms(wait);
        return 0;
    }
    return int16_t(getkey());
}

void okbox(int16_t ms)
{
    msgbox("\n   OK   \n", ms ? ms : 200);
}

int16_t tell(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    vsnprintf(textbuffer(), limits::textbuffersize, format, args);
    va_end(args);
    return msgbox(textbuffer());
}

void msgstyle(int scheme)
{
    static const int bases[] = {131, 261, 268, 275, 282, 302};
    if (scheme < 0 || scheme > 5)
        return;
    int b = bases[scheme];
    setpopupcolors(uint8_t(colorof(b)), uint8_t(colorof(b + 1)), uint8_t(colorof(b + 2)),
                   uint8_t(colorof(b + 3)), uint8_t(colorof(b + 4)), uint8_t(colorof(b + 5)),
                   uint8_t(colorof(b + 6)));
}

int16_t msgfailed()
{
    msgstyle(1);
    return msgbox("\n failed ! \n", 500);
}

int16_t msginvalidinput()
{
    msgstyle(1);
    return msgbox("\n invalid input ! \n");
}

int16_t msgnotimplemented()
{
    msgstyle(1);
    return msgbox("\n Feature not implemented ! \n", 800);
}

int16_t msgnosuchcommand()
{
    msgstyle(1);
    return msgbox("\n No such command ! \n", 800);
}

int16_t unexpectederror(const char* text)
{
    msgbuffer m(0, 0, 0, 0, 2048);
    m.addf("\n Unexpected error: \n\r");
    m.addf(" %s \n\r", text);
    msgstyle(2);
    return m.show();
}
