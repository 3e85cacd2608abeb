#include "calculator/notepad.h"

#include <vector>

#include "calculator/calcdisplay.h"
#include "calculator/calculator.h"
#include "formula/compile.h"
#include "formula/diagnostics.h"
#include "formula/evalstate.h"
#include "formula/parser.h"
#include "objects/diagshow.h"
#include "screen/boxframe.h"
#include "screen/boxsettings.h"
#include "screen/inputdialogs.h"
#include "screen/keys.h"
#include "screen/lineeditor.h"
#include "screen/mathedit.h"
#include "screen/screen.h"
#include "screen/statusbox.h"

namespace {
constexpr int linelength = 206;

void evaluateline(const char* line)
{
    parser& p = inputparser();
    msgcomputing();
    double v = evalexpression(p, line, true);
    if (statusbox* box = programstatus())
        box->close();
    flushkeys();
    cleardiagif(p.diag, 58, 62, 0);
    if (p.diag && p.diag->state != 0)
        showdiagnostics(p.diag);
    if (!inputok(p))
        return;
    p.answer = v;
    cprintf("\n\r %.15g\n\r", v);
    if (p.valuecount > 1 && shared.result) {
        printvalues(shared.result, p.valuecount);
        cputs("\n\r");
    }
}
}

void calcnotepad(const calculator* current)
{
    if (current && !current->isempty())
        inputparser().answer = current->shownvalue();
    setboxcolors(3, 1, 14, 12, 14);
    setfootercode(7);
    setboxtitle(" Calculation Notepad ");
    boxframe box(5, 9, int16_t(screencols() - 5), int16_t(screenrows()));
    textcolor(1);
    textbackground(15);
    clrwindow(15);
    gotoxy(1, 1);
    std::vector<char> line(linelength + 1);
    editorslot notepad(notepadeditor());
    for (;;) {
        cellrect w = getwindow();
        if (wherexwin() != 1)
            newline();
        if (whereywin() > w.bottom - w.top) {
            scrollup(1);
            gotoxy(1, w.bottom - w.top);
        }
        line[0] = 0;
        keycode k = inputbox(line.data(), linelength, 0, 4, 15, 15);
        if (k == key::esc || !line[0])
            break;
        evaluateline(line.data());
    }
}
