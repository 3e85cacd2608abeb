#include "screen/msgbuffer.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <new>
#include <string>

#include "base/objcount.h"
#include "screen/keys.h"
#include "screen/msgbox.h"
#include "screen/printjob.h"
#include "screen/winbox.h"

namespace {
constexpr int msgbufferclass = 2;
constexpr int altp = 592;
constexpr size_t printwidth = 78;
lineprinter printer = nullptr;
}

msgbuffer::msgbuffer(uint8_t text, uint8_t textback, uint8_t frame, uint8_t boxback, int16_t size)
    : capacity(std::max<int16_t>(size, 0)), buffer(new (std::nothrow) char[capacity + 1]()),
      colors{text, textback, frame, boxback}
{
    objcount(msgbufferclass);
    if (!buffer)
        capacity = 0;
}

msgbuffer::~msgbuffer()
{
    objcount(-msgbufferclass);
    hide();
}

int msgbuffer::addf(const char* format, ...)
{
    if (!buffer)
        return 0;
    int room = capacity - length;
    va_list args;
    va_start(args, format);
    int n = vsnprintf(buffer.get() + length, size_t(room) + 1, format, args);
    va_end(args);
    length = int16_t(length + std::clamp(n, 0, room));
    buffer[length] = 0;
    return capacity - length;
}

void msgbuffer::clear()
{
    length = 0;
    if (buffer)
        buffer[0] = 0;
}

void msgbuffer::showpopup()
{
    hide();
    setpopupcolors(colors[0], colors[1], colors[2], colors[3], 0, 0, 0);
    shown.reset(new (std::nothrow) popup(text()));
}

void msgbuffer::hide()
{
    shown.reset();
}

int16_t msgbuffer::show()
{
    if (shown)
        return 0;
    for (;;) {
        int16_t k = msgbox(text(), 0, colors[0], colors[1], colors[2], colors[3]);
        if (k != altp)
            return k;
        printtext(text());
    }
}

void msgwindowbox(const msgbuffer& m, const char* caption)
{
    winmsgbox(m.text() ? m.text() : "", caption ? caption : "");
}

void setlineprinter(lineprinter print)
{
    printer = print;
}

namespace {
void splitlines(const char* text, lineprinter print)
{
    std::string line;
    for (const char* s = text; *s; s++) {
        if (*s == '\n' || *s == '\r') {
            print(line.c_str());
            line.clear();
            if (s[1] == '\n' || s[1] == '\r')
                s++;
            continue;
        }
        if (line.size() == printwidth) {
            print(line.c_str());
            line.clear();
        }
        line += *s;
    }
    if (!line.empty())
        print(line.c_str());
}
}

void printtext(const char* text)
{
    if (!text)
        return;
    if (printer) {
        splitlines(text, printer);
        return;
    }
    if (!begindoc())
        return;
    splitlines(text, [](const char* line) { printline(line); });
    enddoc();
}
