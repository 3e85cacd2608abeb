// Start-up of the text screen: desktop metrics, fonts from the command line
// and the initial state.
#include <cstdlib>
#include <cstring>

#include "base/report.h"
#include "platform/core/priority.h"
#include "platform/core/surface.h"
#include "screen/graphics.h"
#include "screen/host.h"
#include "screen/screen.h"
#include "screen/screendump.h"
#include "screen/screenhost.h"
#include "screen/screenstate.h"

screenstate scr;

namespace {

bool isswitch(char c)
{
    return c == '-' || c == '/';
}

const char* skipblanks(const char* p)
{
    while (*p == ' ' || *p == '\t')
        p++;
    return p;
}

// The text after the switch's letter, or null when the switch is absent.
const char* findswitch(char letter, const char* p)
{
    while (p && *p) {
        while (*p && !isswitch(*p))
            p++;
        if (!*p)
            return nullptr;
        if (p[1] == letter)
            return p + 2;
        while (*p && *p != ' ' && *p != '\t')
            p++;
        p = skipblanks(p);
    }
    return nullptr;
}

void freewords(char** words, int n)
{
    for (int i = 0; i < n; i++)
        std::free(words[i]);
}

// A font from "-F" or "-f": exactly four words, else the message and the
// defaults.
fontspec fontoption(char letter, const char* commandline, const fontspec& defaults)
{
    char* words[4];
    int n = getoption(letter, commandline, 4, words);
    fontspec spec = defaults;
    if (n == 4) {
        spec.oem = std::strcmp(words[0], "OEM") == 0;
        spec.height = std::atoi(words[1]);
        spec.width = std::atoi(words[2]);
        spec.weight = std::atoi(words[3]);
        if (spec.weight <= 0)
            spec.weight = 400;
        if (spec.width < 2)
            spec.width = 8;  // no usable cell width: the fallback
    } else if (n >= 0) {
        reportf(reportkind::message,
                "Invalid font options found in command line will be ignored !\n\r"
                "Expecting -f or /f followed by \"OEM\" or \"ANSI\" and three numeric\n\r"
                "parameters, the 4 words being separated by blanks.\n\r"
                "Found a total of %d parameters instead.",
                n);
    }
    if (n > 0)
        freewords(words, n);
    return spec;
}

}

int getoption(char letter, const char* commandline, int count, char** words)
{
    const char* p = findswitch(letter, commandline);
    if (!p)
        return -1;
    int n = 0;
    for (p = skipblanks(p); *p && n < count && !isswitch(*p); p = skipblanks(p)) {
        const char* end = p;
        while (*end && *end != ' ' && *end != '\t')
            end++;
        words[n++] = strndup(p, size_t(end - p));
        p = end;
    }
    return n;
}

bool setpriority(const char* commandline, std::string& error)
{
    char* word;
    int n = getoption('p', commandline, 1, &word);
    int cls = platform::priorityclass::normal;
    if (n == 1) {
        if (word[0] == 'h')
            cls = platform::priorityclass::high;
        else if (word[0] == 'i')
            cls = platform::priorityclass::idle;
        std::free(word);
    }
    return platform::setprocessclass(cls, error);
}

void screeninit(const char* commandline)
{
    desktopmetrics(scr.desktopw, scr.desktoph, scr.workarea);
    scr.curx = scr.cury = 1;
    setautojump(true);
    scr.fg = 16;
    scr.bg = 15;
    bool wide = scr.desktopw >= 900;
    fontspec textdefault{wide ? 18 : 16, wide ? 10 : 8, 400, true};
    fontspec graphicdefault{wide ? 16 : 12, wide ? 10 : 8, wide ? 600 : 400, true};
    const char* line = commandline ? commandline : "";
    scr.text = std::make_unique<font>(fontoption('F', line, textdefault));
    scr.graphic = std::make_unique<font>(fontoption('f', line, graphicdefault));
    scr.winleft = scr.wintop = 1;
    scr.winright = scr.cols;
    scr.winbottom = scr.rows;
    scr.cellh = scr.text->cellheight();
    scr.cellw = scr.text->cellwidth();
    scr.smallh = scr.graphic->cellheight();
    scr.smallw = scr.graphic->cellwidth();
    scr.careton = false;
    scr.carethide = scr.caretfreeze = 0;
    scr.caretshape = 1;
    scr.depth = 0;
    scr.nowrapflag = false;
    graphicsreset();
    screensurface(screenpixwidth(), screenpixheight());
    setkeycodepage(scr.text->oem());
    platform::setcelltextsource(screendump);
}

void screendone()
{
    scr.text.reset();
    scr.graphic.reset();
}

const font& textfont()
{
    return *scr.text;
}

const font& graphicfont()
{
    return *scr.graphic;
}

bool fontisoem()
{
    return scr.text && scr.text->oem();
}

bool fontisansi()
{
    return scr.text && !scr.text->oem();
}
