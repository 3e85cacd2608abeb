// What a fastplot notices of the calculator's changes: its flags, the
// check before it is recomputed and the undo of the marked changes.
#include "calculator/calculator.h"
#include "calculator/rk.h"
#include "calculator/rknames.h"
#include "calculator/valuebox.h"
#include "plots/fastplot.h"
#include "screen/boxsettings.h"
#include "screen/keys.h"
#include "screen/msgbox.h"
#include "screen/msgbuffer.h"

#include <cctype>
#include <cstring>
#include <string>

bool fastplot::updateflags()
{
    plotstamp now = calcstamp(*calc, stamp.letter);
    uint8_t c = stillcurrent(stamp, now, spec.type), b = barvalid(stamp, now, spec.type);
    bool changed = c != current || b != bar;
    current = c;
    bar = b;
    return changed;
}

namespace {

struct changelist {
    std::string text;
    uint16_t count = 0, undoable = 0;
    void add(const char* line, bool canundo = false)
    {
        text += line;
        ++count;
        undoable += canundo;
    }
};

changelist listchanges(const plotstamp& a, const plotstamp& b, uint32_t type, int valuecount)
{
    changelist l;
    bool direct = a.mode == uint32_t(calcmode::direct);
    if (a.othersum != b.othersum)
        l.add("    The nonselected arguments\n\r");
    if (!cellsmatch(a.cell, b.cell)) {
        if (a.cell.check != b.cell.check)
            l.add("    Implementation of calculator or components \n\r");
        if (a.cell.low != b.cell.low)
            l.add("    Embedded #static variables or other constants \n\r");
        if (a.cell.high != b.cell.high)
            l.add("    Values of global variables \n\r");
    }
    if (a.derivative != b.derivative && direct)
        l.add(" *  The derivative order\n\r", true);
    if (a.letter != b.letter)
        l.add(" *  The argument selection\n\r", true);
    if (a.selection != b.selection && type != plottype::parametric) {
        bool back = a.selection <= valuecount;
        l.add(back ? " *  The value selection\n\r" : "    The value selection\n\r", back);
    }
    if (a.initsum != b.initsum && !direct)
        l.add("   The initial values\n\r");
    return l;
}

bool askimpossible()
{
    msgstyle(1);
    return tell("\n Plot actualization seems impossible, since the list of calculator \n\r arguments has been "
                "changed since the plot was created. Press\n\n\r <esc>   to cancel \n\r <enter> to proceed "
                "anyway\n\r") == key::enter;
}

int asknotice(const changelist& l)
{
    msgbuffer m(0, 0, 0, 0, 2048);
    msgstyle(1);
    setboxtitle(" N O T I C E ");
    m.addf("\n The plot might not behave as you're expecting. \n\r Since its creation, the following has been "
           "changed: \n\n\r%s\n\r",
           l.text.c_str());
    if (l.undoable)
        m.addf(" The %d marked items can have their changes undone. \n\n\r", l.undoable);
    m.addf(" Press...\n\n\r <esc>   to cancel\n\r <enter> to proceed anyway\n\r");
    if (l.undoable)
        m.addf(" <u>     to undo the marked changes \n\r");
    return m.show();
}

}  // namespace

bool fastplot::canactualize(int threshold)
{
    if (state() < 3)
        return true;
    plotstamp now = calcstamp(*calc, stamp.letter);
    if (now.mode != stamp.mode) {
        msgstyle(1);
        const char* name = modename(int(stamp.mode));
        tell("\n The plot cannot be actualized, unless you switch back \n\r to the mode it was created in: "
             "\"%s\"\n\r",
             name ? name : "");
        return false;
    }
    if (now.lettersum != stamp.lettersum)
        return askimpossible();
    bool direct = stamp.mode == uint32_t(calcmode::direct);
    if (!direct && (now.order != stamp.order || now.dimension != stamp.dimension)) {
        bool order = now.order != stamp.order;
        msgstyle(1);
        tell("\n Plot actualization is impossible, after you've changed \n\r \"%s\" which used to be %d.\n",
             order ? "Order" : "Dimension", order ? stamp.order : stamp.dimension);
        return false;
    }
    changelist l = listchanges(stamp, now, spec.type, calc->valuecount());
    if (l.count <= threshold)
        return true;
    int k = asknotice(l);
    if (k == key::esc)
        return false;
    if (l.undoable && (k == 'u' || k == 'U')) {
        undo();
        calc->proceed(false);
        return false;
    }
    return true;
}

void fastplot::undo()
{
    if (!computed)
        return;
    plotstamp now = calcstamp(*calc, stamp.letter);
    bool direct = calc->isdirectmode();
    if (direct && now.derivative != stamp.derivative)
        calc->diffoperator(stamp.derivative);
    char letter = char(stamp.letter);
    if (calcstamp(*calc).letter != stamp.letter) {
        if (direct) {
            const char* letters = calc->argstring();
            const char* at = letters && letter ? std::strchr(letters, letter) : nullptr;
            if (at)
                calc->argindex() = uint16_t(at - letters + 1);
        } else if (calc->solver) {
            calc->solver->shape.independent = letter;
            calc->loadargbox();
        }
    }
    if (now.selection != stamp.selection && stamp.selection <= calc->valuecount())
        calc->valueindex() = stamp.selection;
}
