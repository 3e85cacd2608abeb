#include "objects/attrlines.h"

#include <cstring>

namespace {
constexpr int attrbytes = 4;
}

attrlines::attrlines()
{
    prefixbytes = attrbytes;
}

attrlines::~attrlines() = default;

uint32_t attrlines::getattr(int line) const
{
    if (line < 1 || line >= count)
        return 0;
    uint32_t code;
    memcpy(&code, lines[line], sizeof code);
    return code;
}

void attrlines::setattr(uint32_t code, int line)
{
    if (line >= 1 && line < count)
        memcpy(lines[line], &code, sizeof code);
}

void attrlines::setlineattrs(uint32_t code, int first, int last)
{
    for (int i = first; i <= last; i++)
        setattr(code, i);
}

bool attrlines::additem(uint32_t code, const char* text)
{
    int first = count;
    maxlength = width;
    bool ok = addtext(text) != 0;
    setlineattrs(code, first, count - 1);
    return ok;
}

void attrlines::selectitem(int line)
{
    item = getattr(line);
    offset = 0;
    while (line - offset > 1 && getattr(line - offset - 1) == item)
        offset++;
}

int attrlines::itemline() const
{
    for (int i = 1; i < count; i++)
        if (getattr(i) == item) {
            int line = i + offset;
            return line < count && getattr(line) == item ? line : i;
        }
    return 1;
}
