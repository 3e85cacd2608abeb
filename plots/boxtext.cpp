#include "plots/boxtext.h"

#include <cstdarg>
#include <cstdio>

namespace {
constexpr size_t capacity = 2047;
}

void boxtext::add(const char* format, ...)
{
    char line[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    text += line;
    if (text.size() > capacity)
        text.resize(capacity);
}
