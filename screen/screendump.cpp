#include "screen/screendump.h"

#include "platform/core/glyphs.h"
#include "screen/screen.h"
#include "screen/screenhost.h"
#include "screen/tgwscreen.h"

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
