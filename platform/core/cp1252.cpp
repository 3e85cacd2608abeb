#include "platform/core/cp1252.h"

#include "platform/core/glyphs.h"

namespace platform {

int tocp1252(int ch)
{
    if (ch >= 0 && (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF)))
        return ch;
    // Bytes 0x80 to 0x9F: the drawing table shows unused ones as blanks.
    for (int b = 0x80; b < 0xA0; ++b)
        if (ch != 0x20 && glyphunicode(static_cast<unsigned char>(b), false) == static_cast<char32_t>(ch))
            return b;
    return -1;
}

}  // namespace platform
