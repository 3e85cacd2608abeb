#include "screen/screendemo.h"

#include "screen/graphics.h"
#include "screen/screen.h"
#include "screen/tgwscreen.h"

namespace {

constexpr int enter = 13, f2 = 316, f3 = 317;

// Box-drawing frames in the OEM code page, single and double lines.
const char* const frames[] = {
    "\xDA\xC4\xC2\xC4\xBF\xC9\xCD\xCB\xCD\xBB\xD5\xCD\xD1\xCD\xB8\xD6\xC4\xD2\xC4\xB7",
    "\xB3 \xB3 \xB3\xBA \xBA \xBA\xB3 \xB3 \xB3\xBA \xBA \xBA",
    "\xC3\xC4\xC5\xC4\xB4\xCC\xCD\xCE\xCD\xB9\xC6\xCD\xD8\xCD\xB5\xC7\xC4\xD7\xC4\xB6",
    "\xC0\xC4\xC1\xC4\xD9\xC8\xCD\xCA\xCD\xBC\xD4\xCD\xCF\xCD\xBE\xD3\xC4\xD0\xC4\xBD",
    "\xDB\xDF\xDC\xDD\xDE\xB0\xB1\xB2 \xFE \x84\x94\x81\x8E\x99\x9A\xE1 \xE3\xE4\xEA\xF1\xF8\xFB\xFD",
};

void testscreen()
{
    window(1, 1, 80, 30);
    textcolor(16);
    textbackground(15);
    clrscr(0);
    for (int i = 0; i < 5; i++)
        writeat(frames[i], 3, 2 + i, 0, 0);
    for (int c = 1; c <= 20; c++) {
        textcolor(c == 16 ? 15 : 16);
        textbackground(c);
        gotoxyabs(3 + 3 * (c - 1), 9);
        cprintf("%2d ", c);
    }
    window(30, 12, 60, 16);
    textcolor(14);
    textbackground(1);
    clrwindow(0);
    for (int i = 1; i <= 7; i++)
        cprintf("window line %d\n\r", i);
    window(1, 1, 80, 30);
    setdrawcolor(4);
    gmoveto(20, 330);
    glineto(300, 520);
    glineto(560, 320);
    setdrawcolor(2);
    grectangle(620, 320, 760, 420);
    setdrawcolor(20);
    gtriangle(640, 440, 780, 460, 700, 530);
    gtextout(400, 20, 16, 17, "graphic font");
    flushcells();
    textcolor(16);
    textbackground(15);
    gotoxyabs(1, 28);
}

}

void screenecho(int code)
{
    if (code == enter)
        cputs("\n\r");
    else if (code == f2)
        testscreen();
    else if (code == f3)
        clrscr(0);
    else if (code >= 32 && code < 256)
        putch((unsigned char)code);
}
