#include "plots/curvecolor.h"

#include "screen/boxsettings.h"
#include "screen/keys.h"
#include "screen/msgbox.h"
#include "screen/msgbuffer.h"

namespace {
constexpr curvecolorentry colours[curvecolorcount] = {
    {0, 0, 0, 16, 'B', "Black"},      {255, 0, 0, 12, 'r', "red"},        {0, 255, 0, 2, 'g', "green"},
    {0, 0, 255, 9, 'b', "blue"},      {255, 0, 255, 13, 'm', "magenta"}, {0, 255, 255, 3, 'l', "lightblue"},
    {128, 128, 0, 6, 'w', "brown"},
};
}

const curvecolorentry* curvecolor = nullptr;

void makecurvecolors()
{
    curvecolor = colours;
}

void dropcurvecolors()
{
    curvecolor = nullptr;
}

int choosecolor(const char* prompt)
{
    const curvecolorentry* table = curvecolor ? curvecolor : colours;
    for (;;) {
        msgbuffer m(0, 0, 0, 0, 2048);
        m.addf("\n%s\n\n\r", prompt);
        for (int i = 0; i < curvecolorcount; ++i)
            m.addf(" <%c>  %s \n\r", char(table[i].key), table[i].name);
        int k = m.show();
        m.hide();
        for (int i = 0; i < curvecolorcount; ++i)
            if (k == table[i].key)
                return i;
        if (k == key::esc)
            return -1;
        setfootercode(10);
        msgstyle(1);
        msgbox("\n There is no such color. \n\r Repeating input: \n");
    }
}
