#include "platform/core/codepage.h"

#include "platform/core/glyphs.h"

namespace platform {

int codepagebyte(int ch, bool oem)
{
    if (ch >= 0 && ch < 0x80)
        return ch;
    // The ANSI table shows unused bytes as blanks; a blank is ASCII, so
    // never found here.
    for (int b = 0x80; b < 0x100; ++b)
        if (glyphunicode(static_cast<unsigned char>(b), oem) == static_cast<char32_t>(ch))
            return b;
    return -1;
}

}  // namespace platform
