#include "screen/numlist.h"

#include <algorithm>
#include <cstring>

#include "formula/evalstate.h"
#include "formula/parser.h"
#include "formula/varman.h"
#include "screen/askinput.h"
#include "screen/inputdialogs.h"
#include "screen/msgbox.h"
#include "screen/palette.h"
#include "screen/screen.h"

namespace {

const char legend[] = " <e>           edit \n\r <s>+<key>     save to global variable\n\r <esc> <enter> quit";

// 33 columns right of the left frame, more when a legend line needs them.
int16_t leftedge()
{
    size_t widest = 0;
    for (const char* p = legend; *p; p += strspn(p, "\n\r")) {
        size_t n = strcspn(p, "\n\r");
        widest = std::max(widest, n);
        p += n;
    }
    return int16_t(screencols() - std::max<int>(33, int(widest) + 1));
}

}  // namespace

numlist::numlist(double* values_, int32_t first, int32_t last)
    : list2way(leftedge(), 1, int16_t(screencols()), int16_t(screenrows()), first, last, 3, legend,
               uint8_t(colorof(201)), uint8_t(colorof(202)), colorof(203), colorof(204), colorof(205),
               colorof(206)),
      values(values_)
{
    if (!bad)
        showtop();
}

void numlist::formatline()
{
    linef(" %4d     %.15g", int(current), values[current]);
}

void numlist::otherkey(int& key)
{
    if (last < first)   // no values
        return;
    if (key == ' ' || key == 'e')
        editvalues();
    else if (key == 's')
        savevalue();
}

// Edits the current value; Up and Down end the edit, move the bar and edit
// the next value.
void numlist::editvalues()
{
    do {
        inputparser().answer = values[current];
        asknumber(" edit value ", values[current]);
    } while (stepedit(lastaskkey()));
}

void numlist::savevalue()
{
    int k = msgbox("\n Which variable ? \n");
    if (shared.globals && varman::letternumber(char(k)) >= 0 && k < 128)
        shared.globals->setvalue(char(k), values[current]);
}

int32_t shownumlist(double* values, int32_t first, int32_t last)
{
    numlist list(values, first, last);
    list.run();
    return listline;
}
