#include "formula/diagnostics.h"

#include <cstdarg>
#include <cstdio>

#include "base/limits.h"

namespace {
// The text as lines: one per "\n", carriage returns dropped.
std::vector<std::string> splitlines(const char* text)
{
    std::vector<std::string> lines(1);
    for (const char* p = text; *p; ++p) {
        if (*p == '\n')
            lines.emplace_back();
        else if (*p != '\r')
            lines.back() += *p;
    }
    return lines;
}
}

void diagnostics::clear()
{
    state = 0;
    position = 0;
    object = nullptr;
    code = 0;
    lines.clear();
}

void diagnostics::setf(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    vsetf(format, args);
    va_end(args);
}

void diagnostics::vsetf(const char* format, va_list args)
{
    clear();
    char buffer[limits::textbuffersize];
    std::vsnprintf(buffer, sizeof buffer, format, args);
    shown = compilertext;
    lines = splitlines(buffer);
}

void diagnostics::set(int32_t c, int16_t s, int at, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    vset(c, s, at, format, args);
    va_end(args);
}

void diagnostics::vset(int32_t c, int16_t s, int at, const char* format, va_list args)
{
    vsetf(format, args);
    code = c;
    state = s;
    position = int16_t(at);
}

std::string diagnostics::message() const
{
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i)
            text += '\n';
        text += lines[i];
    }
    return text;
}

void cleardiagif(diagnostics* collector, ...)
{
    if (!collector)
        return;
    va_list codes;
    va_start(codes, collector);
    for (int c = va_arg(codes, int); c != 0; c = va_arg(codes, int)) {
        if (c == collector->code) {
            collector->code = 0;
            collector->state = 0;
            break;
        }
    }
    va_end(codes);
}

diagnostics& globaldiagnostics()
{
    static diagnostics global;
    return global;
}
