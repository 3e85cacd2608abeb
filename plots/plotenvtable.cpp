// The key table of the plot on display: what each key and panel button
// does with the normal (or pen) cursor and with the help cursor.
#include "plots/plotenv.h"

#include <memory>

#include "objects/librarylist.h"
#include "platform/core/input.h"
#include "plots/fastplotwindow.h"
#include "plots/paint.h"
#include "plots/painting.h"
#include "plots/plot.h"
#include "plots/envcommands.h"
#include "plots/plotkeys.h"
#include "plots/plotpanel.h"
#include "plots/printoptionsdialog.h"
#include "plots/screenmap.h"
#include "plots/startprinter.h"
#include "screen/helptopics.h"
#include "screen/host.h"
#include "screen/keys.h"
#include "screen/maus.h"
#include "screen/menustate.h"
#include "screen/popup.h"
#include "screen/winbox.h"

namespace {

using action = void (*)(plot& p, int key);

struct envrow {
    int key;
    action normal;
    action help;
};

plotpsp* current(plot& p)
{
    return p.activemapping();
}

bool shownempty(plot& p)
{
    plotpsp* s = p.shownpsp();
    return !s || perspectiveempty(*s);
}

// The upper buttons: only on a perspective that shows curves, and not in
// the clipboard.
bool upperready(plot& p)
{
    return !shownempty(p) && notinclipboard(p);
}

void repaint(plot& p)
{
    if (plotpsp* s = current(p))
        paintperspective(*s);
}

template <void (*topic)(infoholder&)>
void helpof(plot&, int)
{
    topic(plotenvhelp());
}

void cutcopy(plot& p, int)
{
    if (!shownempty(p) || p.clipboardshown)
        p.cutcopy();
}

void insert(plot& p, int)
{
    if (!shownempty(p) && p.clipboardshown)
        p.paste();
    else
        postkey(plotkey::tab);
}

void helpinsert(plot& p, int)
{
    (p.clipboardshown ? helpinsertbutton : helpcutcopy)(plotenvhelp());
}

void deletepsp(plot& p, int)
{
    p.deletepsp();
}

void firstorlast(plot& p, int key)
{
    if (p.perspectives.count == 0)
        return;
    bool first = key == plotkey::home;
    p.currentpsp = first ? 1 : uint16_t(p.perspectives.count);
    p.insertbefore = first && p.clipboardshown;
    if (!p.clipboardshown)
        repaint(p);
}

void step(plot& p, int key)
{
    p.steppsp(key == plotkey::up ? -1 : 1);
}

void gotopsp(plot& p, int)
{
    int n = gotonumber & 0xffff;
    if (n < 1 || n > p.perspectives.count)
        return;
    bool changed = n != p.currentpsp;
    p.currentpsp = uint16_t(n);
    if (p.clipboardshown)
        p.leaveclipboard();
    else if (changed)
        repaint(p);
}

void stepcurve(plot& p, int key)
{
    if (!upperready(p))
        return;
    stepactivecmd(*current(p), key == '+' ? 1 : -1);
    repaint(p);
}

void gridaxes(plot& p, int)
{
    if (upperready(p))
        printoptionsdialog(p);
}

void print(plot& p, int)
{
    if (upperready(p))
        p.writetransfer();
}

void vemdraw(plot& p, int)
{
    if (upperready(p))
        startprinter(current(p), workdirectory());
}

void statistics(plot& p, int)
{
    statisticscmd(p);
}

void edit(plot& p, int)
{
    if (upperready(p))
        runeditcmd(p);
}

void pen(plot& p, int)
{
    if (!upperready(p))
        return;
    canplot* g = curgraph();
    if (!g || !g->canmousecreate()) {
        winmsgbox("Command unavailable for \n\rthe selected curve!", "");
        return;
    }
    setcursormode(cursormode() == panelcursor::pen ? panelcursor::arrow : panelcursor::pen);
}

void helppen(plot& p, int key)
{
    helpof<helppenbutton>(p, key);
    setcursormode(panelcursor::arrow);
}

void helpmode(plot&, int)
{
    setcursormode(panelcursor::help);
}

void nothing(plot&, int) {}

// A frame dragged over the plot area becomes a new perspective.  The press
// has come with the key: a click without a move ends the drag at once.
void frame(plot& p, int)
{
    if (shownempty(p) || cursormode() != panelcursor::arrow)
        return;
    screenrect f;
    if (frametracker().drawframe(f.left, f.top, f.right, f.bottom, plotarea(), p.shownwindow(), true))
        p.aaktion(f);
}

// A pen click: a sibling curve through the world point where the button
// went down.
void penclick(plot& p, int)
{
    autoprint* e = curentry();
    if (shownempty(p) || cursormode() != panelcursor::pen || !e)
        return;
    platform::pixpoint at = platform::input().leftpress();
    screenmap m(e->mappedwindow(), plotarea());
    mousecreatecmd(*current(p), m.xtoworld(at.x), m.ytoworld(at.y));
    putpointer(at.x, at.y);
}

void helpclick(plot& p, int key)
{
    helpof<helpplotenv>(p, key);
    setcursormode(panelcursor::arrow);
}

const envrow rows[] = {
    {plotkey::f1, helpof<helpplotenv>, helpof<helpplotenv>},
    {plotkey::shiftf1, helpof<helpmouseframe>, helpof<helpmouseframe>},
    {plotkey::tab, cutcopy, cutcopy},
    {plotkey::ins, insert, helpinsert},
    {plotkey::del, deletepsp, helpof<helpdeletebutton>},
    {plotkey::home, firstorlast, helpof<helpvertdoublearrows>},
    {plotkey::end, firstorlast, helpof<helpvertdoublearrows>},
    {plotkey::up, step, helpof<helpvertarrows>},
    {plotkey::down, step, helpof<helpvertarrows>},
    {'g', gotopsp, gotopsp},
    {'+', stepcurve, helpof<helpcurveselect>},
    {'-', stepcurve, helpof<helpcurveselect>},
    {'A', gridaxes, helpof<helpgridaxes>},
    {'P', print, helpof<helpprintbutton>},
    {'s', vemdraw, helpof<helpprintutilbutton>},
    {'S', statistics, statistics},
    {'e', edit, helpof<helpeditbutton>},
    {'d', pen, helppen},
    {plotkey::help, helpmode, nothing},
    {plotkey::leftdown, frame, nothing},
    {plotkey::leftup, penclick, helpclick},
    // The panel's presses in help mode on a tab and on the "Mapping" label.
    {panelkey::tabhelp, helpof<helpwindowsymbols>, helpof<helpwindowsymbols>},
    {panelkey::mappinghelp, helpof<helpmappingnumber>, helpof<helpmappingnumber>},
};

const envrow* rowof(int key)
{
    for (const envrow& r : rows)
        if (r.key == key)
            return &r;
    return nullptr;
}

int readkey(plot& p)
{
    redrawpanel();
    std::unique_ptr<popup> box;
    if (shownempty(p))
        box = std::make_unique<popup>("\n\n      Empty perspective\n\n\r  Press <del> to delete it ! ");
    runmode = 1;
    menus().setmode();
    return getkeymarked();
}

}  // namespace

int plotenvcommand(plot& p, bool& help)
{
    for (;;) {
        int key = readkey(p);
        help = cursormode() == panelcursor::help;
        if (key != 'd' && key != plotkey::esc && !ismousecode(key))
            setcursormode(panelcursor::arrow);
        const envrow* row = rowof(key);
        if (!row)
            return key;
        (help ? row->help : row->normal)(p, key);
    }
}
