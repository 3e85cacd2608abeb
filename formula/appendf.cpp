#include "formula/appendf.h"

#include <cstdarg>
#include <cstdio>

#include "base/limits.h"

void appendf(std::string& out, const char* format, ...)
{
    char buffer[limits::textbuffersize];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    out += buffer;
}
