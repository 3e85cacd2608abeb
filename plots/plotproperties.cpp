// The " Edit Plot Properties " box of a ready fastplot: the window, the
// parameter range and the clippers are edited on copies that Enter keeps.
#include "plots/fastplotcommands.h"

#include <algorithm>
#include <memory>
#include <string>

#include "calculator/calculator.h"
#include "calculator/rknames.h"
#include "plots/autowindow.h"
#include "plots/clippereditor.h"
#include "plots/fastplot.h"
#include "plots/windowcmds.h"
#include "screen/boxframe.h"
#include "screen/boxsettings.h"
#include "screen/helptopics.h"
#include "screen/keys.h"
#include "screen/msgbox.h"
#include "screen/popup.h"
#include "screen/screen.h"

namespace {

constexpr int label = 8, editable = 12, value = 9, unavailable = 7;

const char* displaymodename(int mode)
{
    static const char* const names[] = {"Value", "1. Derivative", "2. Derivative", "3. Derivative", "Curvature"};
    if (mode >= 0 && mode <= 4)
        return names[mode];
    return mode == 9 ? "Diffop" : "";
}

struct editcopy {
    fastplot& p;
    drect world;
    double low, high;
    bool changed = false;
};

void paint(const editcopy& e)
{
    const fastplot& p = e.p;
    const calculator& c = *p.calc;
    bool param = p.isparametric();
    clrwindow(15);
    gotoxy(1, 1);
    colorprintf(editable, "\n <C>");
    colorprintf(label, " omputation Mode: ");
    colorprintf(value, "%s\n\r", modename(c.mode));
    if (c.mode == calcmode::direct) {
        colorprintf(editable, " <d>");
        colorprintf(label, " -Mode:           ");
        colorprintf(value, "%s\n\r", displaymodename(p.stamp.derivative));
    } else {
        colorprintf(unavailable, " <d> -Mode: none\n\r");
    }
    colorprintf(editable, " <t>");
    colorprintf(label, " ype of Plot:     ");
    colorprintf(value, "%s\n\r", modename(int(p.spec.type)));
    colorprintf(editable, " <a>");
    colorprintf(label, "x Assignments:    ");
    for (uint16_t k = 0; k < p.spec.curves(); ++k)
        colorprintf(value, "%s%s  over  %s\n\r", k ? "                      " : "", p.yname(k).c_str(),
                    p.xname(k).c_str());
    colorprintf(label, " Parameter");
    colorprintf(param ? editable : label, " <r>");
    colorprintf(label, "ange:");
    if (param)
        colorprintf(value, "  %10g <= %s <= %-10g\n\r", e.low, p.paramname().c_str(), e.high);
    else
        colorprintf(label, " See \"window\" \n\r");
    colorprintf(unavailable, " <T>arget value: none\n\r");
    colorprintf(editable, " <w>");
    colorprintf(label, "indow:                ");
    colorprintf(value, "%10g <= %s <= %-8g\n\r", e.world.left, p.xname(0).c_str(), e.world.right);
    colorprintf(value, "                          %10g <= %s <= %-8g\n\r", e.world.bottom, p.yname(0).c_str(),
                e.world.top);
    colorprintf(editable, " <c>");
    colorprintf(label, "lippers:");
    colorprintf(value, " %d\n\r", int(p.spec.clippercount()));
}

void explain(const char* text)
{
    msgstyle(3);
    setfootercode(10);
    setpopupx(1);
    setpopupy(1);
    setpopupwidth(0);
    setpopupheight(int16_t(screenrows() / 2));
    msgbox(text);
}

const char* explanation(const fastplot& p, keycode k)
{
    bool direct = p.calc->mode == calcmode::direct;
    switch (k) {
    case 'C':
        return "\n The computation mode can only be changed by the revolver's \n\r \"dd\"-command. Anyway, a plot "
               "won't actualize in a different \n\r computation mode! \n\r";
    case 'd':
        return direct ? "\n To actualize the plot for a different derivative mode, \n\r return to the calculator and "
                        "switch it to the desired mode. \n\r Then press <shift>+<space> to actualize. Most likely, "
                        "the \n\r window will not contain the plot any more and need editing. \n\r"
                      : "\n There are no derivative submodes available for the \n\r Runge-Kutta computation modes. "
                        "You can use no other derivatives \n\r than those, if any, of the value display.\n";
    case 't':
        return "\n A plot cannot be actualized for a different type. You need \n\r to create a new plot. In the "
               "underlying menue, use <del>, \n\r followed by <space>, <e>, <p> or <c>. \n";
    case 'T':
        return "\n There is a target value only for contour plots. \n\r";
    case 'a':
        return p.isparametric()
                   ? "\n The ax assignments of a parametric plot cannot be changed. \n\r Use <p> of the underlying "
                     "menu instead, to create a new plot. \n"
                   : "\n The ax assignments of a non-parametric plot are set by the bar \n\r positions in the "
                     "calculator's argument and value display. Return to \n\r the calculator, change these "
                     "positions, then press <shift>+<space> \n\r and the plot will actualize.\n";
    case 'r':
        return p.isparametric() ? nullptr
                                : "\n The parameter range of a simple plot coincides \n\r with its horizontal window "
                                  "span. It can be edited \n\r independently in designer plots. \n\r Here, you can "
                                  "just edit the window with <w>.\n";
    }
    return nullptr;
}

// The keys that edit a copy; true when the box must be painted again.
bool edit(editcopy& e, keycode k)
{
    fastplot& p = e.p;
    switch (k) {
    case 'r':
        if (!paramrange(e.low, e.high) || isemptyrange(e.low, e.high)) {
            e.low = p.spec.rangelow;
            e.high = p.spec.rangehigh;
            return true;
        }
        e.changed = true;
        return true;
    case 'w':
        if (!inputwindow(e.world) || e.world.isempty()) {
            e.world = p.world;
            return true;
        }
        e.changed = true;
        return true;
    case 'c':
        fastplotclippers(*p.calc, p.spec.clippers);
        if (p.spec.clippers)
            p.spec.owns = 1;
        e.changed = true;
        return true;
    case key::f1: {
        static infoholder holder;
        helpspacemenu(holder);
        return false;
    }
    }
    return false;
}

}  // namespace

bool editplotproperties(fastplot& p)
{
    if (p.state() != 3 || !p.calc)
        return false;
    editcopy e{p, p.world, p.spec.rangelow, p.spec.rangehigh};
    setboxtitle(" Edit Plot Properties ");
    setfootercode(9);
    int top = std::max(1, 19 - std::max<int>(1, p.spec.curves()));
    auto box = std::make_unique<boxframe>(10, int16_t(top), int16_t(screencols() - 9), int16_t(screenrows()), 0, 15);
    paint(e);
    for (;;) {
        keycode k = getkey();
        if (k == key::esc)
            return false;
        if (k == key::enter)
            break;
        if (const char* text = explanation(p, k))
            explain(text);
        else if (edit(e, k))
            paint(e);
    }
    if (e.changed) {
        p.world = e.world;
        p.spec.rangelow = p.isparametric() ? e.low : e.world.left;
        p.spec.rangehigh = p.isparametric() ? e.high : e.world.right;
    }
    return e.changed;
}
