#include "screen/screendump.h"

#include "platform/core/glyphs.h"
#include "screen/screen.h"
#include "screen/screenhost.h"
#include "screen/tgwscreen.h"

namespace {
void appendutf8(std::string& s, char32_t c)
{
    if (c < 0x80) {
        s += char(c);
    } else if (c < 0x800) {
        s += char(0xC0 | c >> 6);
        s += char(0x80 | (c & 0x3F));
    } else {
        s += char(0xE0 | c >> 12);
        s += char(0x80 | (c >> 6 & 0x3F));
        s += char(0x80 | (c & 0x3F));
    }
}
}

std::string screendump()
{
    std::string out;
    if (!vscreen)
        return out;
    screenlock lock;
    bool oem = fontisoem();
    for (int y = 1; y <= vscreen->rows(); y++) {
        for (int x = 1; x <= vscreen->columns(); x++) {
            const screencell* c = vscreen->cellat(x, y);
            char32_t u = c->kind == cellchar ? glyphunicode(c->character(), oem) : U' ';
            appendutf8(out, u == 0 ? U' ' : u);
        }
        out += '\n';
    }
    return out;
}
