#include "math/cnumber.h"

#include <charconv>
#include <cstdlib>
#include <cstring>
#include <locale.h>

int printnumber(char* buffer, size_t size, double value, int digits)
{
    if (size == 0)
        return 0;
    char text[64];
    auto done = std::to_chars(text, text + sizeof text, value, std::chars_format::general, digits);
    size_t length = size_t(done.ptr - text);
    if (length >= size)
        length = size - 1;
    std::memcpy(buffer, text, length);
    buffer[length] = 0;
    return int(length);
}

namespace {
locale_t clocale()
{
    static locale_t c = newlocale(LC_NUMERIC_MASK, "C", nullptr);
    return c;
}
}

bool scannumber(const char* text, double& value, const char** end)
{
    char* stop = nullptr;
    value = strtod_l(text, &stop, clocale());
    if (end)
        *end = stop;
    return stop != text;
}
