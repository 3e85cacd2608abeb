#include "screen/linelist.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <new>

#include "base/limits.h"
#include "base/objcount.h"
#include "screen/screen.h"

namespace {
constexpr int linelistclass = 37;
}

linelist::linelist() : maxlength(limits::linemaxlength)
{
    objcount(linelistclass);
}

linelist::linelist(const linelist& other)
    : count(other.count), capacity(other.capacity), prefixbytes(other.prefixbytes),
      maxlength(other.maxlength), widest(other.widest), split(other.split)
{
    objcount(linelistclass);
    if (capacity == 0)
        return;
    lines = new (std::nothrow) char*[capacity + 1]();
    if (!lines) {
        count = 1;
        capacity = 0;
        failed = true;
        return;
    }
    for (int i = 1; i < other.count; i++) {
        size_t n = prefixbytes + strlen(other.text(i)) + 1;
        lines[i] = new (std::nothrow) char[n];
        if (!lines[i]) {
            count = int16_t(i);
            failed = true;
            return;
        }
        memcpy(lines[i], other.lines[i], n);
    }
}

linelist::~linelist()
{
    objcount(-linelistclass);
    clear();
    delete[] lines;
}

void linelist::clear()
{
    if (isempty())
        return;
    for (int i = 1; i < count; i++) {
        delete[] lines[i];
        lines[i] = nullptr;
    }
    count = 1;
    widest = 1;
}

int16_t linelist::freeslot() const
{
    return count <= capacity ? count : 0;
}

int16_t linelist::grow()
{
    int newcapacity = capacity + limits::linegrowstep;
    if (newcapacity > limits::linelistmax)
        return 0;
    char** bigger = new (std::nothrow) char*[newcapacity + 1]();
    if (!bigger)
        return 0;
    if (lines)
        std::copy(lines, lines + capacity + 1, bigger);
    delete[] lines;
    lines = bigger;
    capacity = int16_t(newcapacity);
    return freeslot();
}

bool linelist::append(char* line)
{
    int16_t slot = freeslot();
    if (slot == 0)
        slot = grow();
    if (slot == 0)
        return false;
    lines[slot] = line;
    count++;
    int n = int(strlen(line + prefixbytes));
    widest = int16_t(std::min<int>(maxlength, std::max<int>(widest, n)));
    return true;
}

bool linelist::addline(const char* text)
{
    if (!text)
        return false;
    size_t n = strnlen(text, size_t(maxlength));
    char* line = new (std::nothrow) char[prefixbytes + n + 1];
    if (!line)
        return false;
    memset(line, 0, size_t(prefixbytes));
    memcpy(line + prefixbytes, text, n);
    line[prefixbytes + n] = 0;
    if (append(line))
        return true;
    delete[] line;
    return false;
}

bool linelist::addsegment(const char* text, int length, int indent)
{
    if (indent + length > limits::segmentmax)
        return false;
    char line[limits::segmentmax + 1];
    memset(line, ' ', size_t(indent));
    memcpy(line + indent, text, size_t(length));
    line[indent + length] = 0;
    return addline(line);
}

int linelist::addtext(const char* text)
{
    if (!text)
        return 0;
    const char* start = text;
    int length = 0, indent = 0;
    const char* p = text;
    for (;;) {
        if (indent + length >= maxlength) {
            if (!addsegment(start, length, indent))
                return 0;
            while (*p == '\r')
                p++;
            if (*p == '\n')
                p++;
            indent = length = 0;
            start = p;
            continue;
        }
        char c = *p;
        if (c == 0)
            return indent + length == 0 ? 1 : addsegment(start, length, indent);
        p++;
        if (c == '\n') {
            if (!addsegment(start, length, indent))
                return 0;
            indent += length;
        } else if (c == '\r') {
            indent = 0;
        } else {
            length++;
            continue;
        }
        length = 0;
        start = p;
    }
}

int linelist::addlinef(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    int r = addlinev(format, args);
    va_end(args);
    return r;
}

int linelist::addlinev(const char* format, va_list args)
{
    char* buffer = textbuffer();
    vsnprintf(buffer, limits::textbuffersize, format, args);
    return split ? addtext(buffer) : addline(buffer);
}

char* linelist::join() const
{
    if (isempty())
        return nullptr;
    size_t total = 0;
    for (int i = 1; i < count; i++)
        total += strlen(text(i));
    char* out = new (std::nothrow) char[total + size_t(capacity)];
    if (!out)
        return nullptr;
    char* end = out;
    for (int i = 1; i < count; i++)
        end = stpcpy(end, text(i));
    return out;
}
