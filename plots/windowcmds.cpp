#include "plots/windowcmds.h"

#include <cctype>

#include "plots/mouseframe.h"
#include "plots/plotservices.h"
#include "screen/boxframe.h"
#include "screen/inputdialogs.h"
#include "screen/menustate.h"
#include "screen/msgbox.h"
#include "screen/screen.h"
#include "screen/winbox.h"

uint16_t keyboardhintcount = 3;

namespace {


constexpr char keepfixedtext[] = "You have checked the option \n\n\r   \"Keep %s fixed\"\n\n\rThis option is ignored. "
                                 "It is effective\n\ronly for magnifying or compressing !";

// One border: the prompt with the value it has now, then the typed
// number; false on Esc.
bool askborder(double& value, const char* prompt)
{
    cprintf("%s%.10g", prompt, value);
    value = numberbox(value, nullptr);
    return inputstate != inputstates::cancelled;
}

// Runs the mouse frame dialog for the frame f over the view v; the
// answer in upper case.  A push ignores the keep modes: that is told (in
// a native box or the text screen's) and the mode set back.
int askframe(const drect& f, const drect& v, bool nativebox)
{
    zoomrecord.keepmode = 1;
    zoomrecord.shifted = isshifted(f, v);
    drawend();
    int key = std::toupper(mouseframedialog(zoomrecord));
    drawbegin();
    if (key == 'V' && zoomrecord.keepmode > 1) {
        const char* axis = zoomrecord.keepmode == 2 ? "X" : "Y";
        if (nativebox)
            msgboxf(keepfixedtext, axis);
        else
            tell(keepfixedtext, axis);
        zoomrecord.keepmode = 1;
    }
    return key;
}

}  // namespace

drect answeredwindow(int answer, const drect& f, const drect& v, const drect& w)
{
    switch (answer) {
    case 'G':
        return mapcorners(w, relcorners(f, v));
    case 'K':
        return mapcorners(w, relcorners(v, f));
    case 'V':
        return mapcorners(w, relcorners(shiftframe(f, v), v));
    default:
        return zerowindow;
    }
}

drect zoomwindow(const screenrect& frame, const screenrect& view, const drect& w)
{
    drect f = todrect(frame), v = todrect(view);
    int key = askframe(f, v, false);
    if (key != 'G' && key != 'K' && key != 'V')
        return zerowindow;
    return keepaxes(w, answeredwindow(key, f, v, w), zoomrecord.keepmode);
}

drect framewindow(const drect& f, const drect& p, const drect& m)
{
    int key = askframe(f, p, true);
    drect g = f;
    if (zoomrecord.keepmode == 2) {
        g.left = p.left;
        g.right = p.right;
    } else if (zoomrecord.keepmode == 3) {
        g.top = p.top;
        g.bottom = p.bottom;
    }
    return answeredwindow(key, g, p, m);
}

bool inputwindow(drect& w)
{
    setboxtitle(" input plot window coordinates: ");
    boxframe box(10, int16_t(screenrows() - 13), int16_t(screencols() - 10), int16_t(screenrows() - 2));
    textcolor(box.framecolor);
    textbackground(box.background);
    clrwindow(box.background);
    gotoxy(1, 1);
    drect r = w;
    if (!askborder(r.left, " Left border (abscissa) ? "))
        return false;
    if (inputstate == inputstates::taken && !askborder(r.right, " Right border (abscissa) ? "))
        return false;
    if (!askborder(r.bottom, " Lower border (ordinate) ? "))
        return false;
    if (inputstate == inputstates::taken && !askborder(r.top, " Upper border (ordinate) ? "))
        return false;
    w = r;
    return true;
}

void keyboardhint()
{
    if (keyboardhintcount == 0)
        return;
    menus().disable(helpmenuitem);
    msgstyle(3);
    msgbox("\n The revolver environment is exclusively keyboard operated - with \n\r the exception of up to three "
           "clickable buttons that may show up in \n\r connection with \"fastplots\". Their function will be obvious "
           "or\n\r easy to try out.\n\r    Use the mouse for editing plots whenever a plot is visible on \n\r the "
           "screen - <shift><F1> may then be pressed for details. You can \n\r click the menu's STOP item anytime to "
           "interrupt lengthy calcula- \n\r tions, or its Help item for context related help. It has the same \n\r "
           "effect as pressing <F1>.\n\r The plot environment proper has been redesigned in Windows style. \n\r",
           0);
    keyboardhintcount--;
    menus().setmode();
}
