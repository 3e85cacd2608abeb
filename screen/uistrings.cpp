#include "screen/uiutil.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <new>

#include "base/limits.h"

char* strnew(const char* text)
{
    if (!text)
        return nullptr;
    size_t n = strlen(text) + 1;
    char* copy = new (std::nothrow) char[n];
    if (copy)
        memcpy(copy, text, n);
    return copy;
}

char* newstrf(const char* format, ...)
{
    static char scratch[limits::newstrfbuffer];
    va_list args;
    va_start(args, format);
    vsnprintf(scratch, sizeof scratch, format, args);
    va_end(args);
    return strnew(scratch);
}

void appendchar(char* text, char c)
{
    size_t n = strlen(text);
    text[n] = c;
    text[n + 1] = 0;
}

char* stripblanks(char* text)
{
    removechar(text, ' ');
    return text;
}

int removechar(char* text, char c)
{
    char* out = text;
    int removed = 0;
    for (const char* in = text; *in; in++) {
        if (*in == c)
            removed++;
        else
            *out++ = *in;
    }
    *out = 0;
    return removed;
}

char* padstr(char* text, int width, char fill)
{
    int n = int(strlen(text));
    while (n < width)
        text[n++] = fill;
    text[n] = 0;
    return text;
}

int listlength(const void* first)
{
    int n = 0;
    for (const void* node = first; node; node = *static_cast<const void* const*>(node))
        n++;
    return n;
}
