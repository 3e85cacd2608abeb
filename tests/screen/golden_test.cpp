// Golden screens: the cell-grid text and the pixels of scripted screens,
// compared with the committed files in golden/.  VEMO_UPDATE_GOLDEN=1
// rewrites them; the files of each run are left in the build folder.

#include <filesystem>
#include <fstream>

#include "platform/core/glyphs.h"
#include "platform/core/surface.h"
#include "screenfixture.h"
#include "screen/boxframe.h"
#include "screen/graphics.h"
#include "screen/msgbox.h"
#include "screen/palette.h"
#include "screen/popup.h"
#include "screen/screensave.h"
#include "screen/statusbox.h"
#include "tests/screen/goldenfiles.h"

namespace fs = std::filesystem;

namespace {

void checkgolden(const std::string& name)
{
    fs::path outdir = fs::path(VEMO_BIN_DIR) / "golden";
    fs::create_directories(outdir);
    std::ofstream(outdir / (name + ".txt"), std::ios::binary) << platform::celltext();
    ASSERT_TRUE(platform::mainsurface().writepng(outdir / (name + ".png")));
    checkgoldenfiles(outdir, name);
}

// UTF-8 text as cell bytes of the OEM code page.
std::string oem(const char* utf8)
{
    std::string out;
    for (const unsigned char* s = reinterpret_cast<const unsigned char*>(utf8); *s;) {
        char32_t c = *s++;
        if (c >= 0xE0) {
            c = (c & 0x0F) << 12 | (s[0] & 0x3F) << 6 | (s[1] & 0x3F);
            s += 2;
        } else if (c >= 0xC0) {
            c = (c & 0x1F) << 6 | (s[0] & 0x3F);
            s += 1;
        }
        int b = 0;
        while (b < 256 && glyphunicode(uint8_t(b), true) != c)
            b++;
        out += char(b < 256 ? b : '?');
    }
    return out;
}

}

using golden = screenfixture;

TEST_F(golden, textscreenedgecases)
{
    textcolor(4);
    textbackground(14);
    gotoxy(1, 30);
    cputs(std::string(80, '=').c_str());
    gotoxy(1, 30);
    cputs((std::string(80, '-') + "12345").c_str());  // wraps and scrolls once
    cprintf("<%d,%d", wherex(), wherey());
    textbackground(15);

    window(10, 5, 20, 8);
    clrwindow(7);
    gotoxy(1, 1);
    cputs("A");
    gotoxy(12, 1);  // ignored
    cputs("B");
    window(0, 1, 80, 30);  // ignored
    cputs("C");
    window(1, 1, 200, 50);
    textcolor(1);
    gotoxy(1, 1);
    for (int i = 1; i <= 28; i++)
        cprintf("%d", pushcursor() % 10);
    popcursor();
    textcolor(16);
    gotoxy(1, 2);
    cprintf("colorof(0)=%d colorof(308)=%d colorof(309)=%d colorof(-1)=%d", colorof(0), colorof(308), colorof(309),
            colorof(-1));
    {
        pixxman store(10, 18, 500, 500);
        long first = store.newhandle(), second = store.newhandle();
        gotoxy(1, 3);
        cprintf("handles %ld %ld", first, second);
    }
    cellrect r;
    {
        screensave all(-1, -1, -1, -1);
        r = all.area();
        clrscr(4);
    }
    gotoxy(40, 3);
    cprintf("screensave(-1,...) %d,%d,%d,%d", r.left, r.top, r.right, r.bottom);

    window(30, 10, 50, 14);
    textbackground(11);
    clrwindow(0);
    for (int i = 1; i <= 7; i++)
        cprintf("line %d\n\r", i);
    checkgolden("textscreen");
}

TEST_F(golden, boxdrawingframesjoin)
{
    const char* lines[] = {
        "┌─┬─┐╔═╦═╗╒═╤═╕╓─╥─╖",
        "│ │ │║ ║ ║│ │ │║ ║ ║",
        "├─┼─┤╠═╬═╣╞═╪═╡╟─╫─╢",
        "└─┴─┘╚═╩═╝╘═╧═╛╙─╨─╜",
        "█▀▄▌▐░▒▓ ■",
    };
    textcolor(16);
    textbackground(15);
    for (int i = 0; i < 5; i++) {
        gotoxyabs(2, 2 + i);
        cputs(oem(lines[i]).c_str());
    }
    textcolor(14);
    textbackground(1);
    for (int i = 0; i < 4; i++) {
        gotoxyabs(2, 8 + i);
        cputs(oem(lines[i]).c_str());
    }
    checkgolden("boxframes");
}

TEST_F(golden, graphicsrepaintfromthegrid)
{
    gotoxyabs(2, 2);
    cputs("Cell graphics");
    setdrawcolor(4);
    gmoveto(20, 60);
    glineto(400, 300);
    glineto(40, 500);
    setdrawcolor(2);
    grectangle(450, 60, 700, 200);
    setdrawcolor(1);
    gtriangle(500, 300, 760, 330, 600, 520);
    gtextout(795, 250, 16, 17, "graphic font");
    std::vector<uint32_t> drawn = pixels();
    flushcells();
    setpixels(0);
    repaintmain();
    EXPECT_EQ(pixels(), drawn);
    checkgolden("graphics");
}

TEST_F(golden, framedboxeswithtitlesfootersandlegends)
{
    setboxlegend("F1 help  F2 save  F3 a legend line far too long for the box\n\rsecond legend line");
    setboxtitle(" Outer ");
    setfootercode(7);
    boxframe outer(3, 2, 60, 20, 0, 0, 2);
    cputs("interior text that wraps at the interior's right edge of the outer box\n\rnext line");
    setboxcolors(4, 14, 1, 0, 2);
    setboxtitle(" a title wider than this box ");
    eschint(4);
    boxframe inner(30, 8, 50, 14);
    clrwindow(0);
    cputs("nested");
    setboxlegend("");
    checkgolden("framedboxes");
}

TEST_F(golden, popupssizedandplacedbytheirtext)
{
    popup ok("\n   OK   \n");
    setpopupy(1);
    setpopupwidth(0);
    popup corner("\n top right \n");
    msgstyle(1);
    setboxtitle(" E R R O R ");
    setfootercode(10);
    setpopupy(28);
    popup low("\n a message taller than the room below \n\r second line\n\r third line\n");
    setpopupy(19);
    popup wrapped(std::string(100, 'w').c_str());
    checkgolden("popups");
}

TEST_F(golden, nestedstatusbox)
{
    statusbox box(55, 26, 80, 30, 15, 4, 14, 6);
    box.printf("\n computing...");
    gotoxy(1, 1);
    cputs("under the status box");
    box.printf("\n computing curve %d \n", 2);
    checkgolden("statusbox");
    box.close();
    box.close();
}
