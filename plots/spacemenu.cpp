// The "<space> - Commands" menu of a calculator's fastplots.
#include "plots/fastplotcommands.h"

#include <memory>

#include "calculator/calculator.h"
#include "math/valtable.h"
#include "plots/fastplot.h"
#include "screen/boxframe.h"
#include "screen/boxsettings.h"
#include "screen/helptopics.h"
#include "screen/infowin.h"
#include "screen/keys.h"
#include "screen/msgbox.h"
#include "screen/screen.h"

namespace {

constexpr keycode delkey = 339;

// Keys that close the menu and run one command.
struct closing {
    keycode key;
    void (*run)(calculator&);
};
const closing closingkeys[] = {
    {'1', swapplots}, {'a', adaptwindow}, {'s', savewindow}, {delkey, removeplots}, {'S', plotstatistics}};

struct menuline {
    const char* key;
    const char* text;
};

// What the menu was opened on, for the changes made inside it.
struct spacemenustate {
    calculator& c;
    drect world{};
    double rangelow = 0, rangehigh = 0;
    bool changed = false;
    bool general = true;   // the next F1 shows the general help
    std::unique_ptr<boxframe> box;

    fastplot* ready() const { return c.plotready() ? c.currentplot() : nullptr; }
};

void line(const menuline& l, bool applies)
{
    colorprintf(applies ? 4 : 7, "%s", l.key);
    colorprintf(8, "%s", l.text);
}

void paint(const spacemenustate& m)
{
    fastplot* p = m.ready();
    bool plot = p != nullptr;
    textbackground(15);
    clrwindow(15);
    gotoxy(1, 1);
    line({" <space>         ", "Create a simple Default Plot \n\r"}, true);
    line({" <p>             ", "Create a parametric Plot \n\r"}, m.c.valuecount() > 1);
    colorprintf(7, " <c>             Create a Contour Plot \n\r");
    line({" <1>             ", "Promote to #1 \n\r"}, plot && m.c.plotnumber == 2);
    line({" <shift>+<space> ", "Actualize in current Window \n\r"}, plot);
    line({" <a>             ", "Adapt Window to Curve \n\r"}, plot);
    line({" <s>             ", "Save Window \n\r"}, plot);
    line({" <l>             ", "Load Window \n\r"}, m.c.owner && !m.c.owner->plotwindow.isempty());
    line({" <e>             ", plot ? "Edit in Detail \n\r" : "Create a simple Plot / enter Window \n\r"}, true);
    line({" <del>           ", "Remove \n\r"}, plot);
    line({" <S>             ", "Statistics \n\n\r"}, plot);
    textbackground(18);
    colorprintf(8, " Use the mouse to edit the plot window, thereby\n\r creating plot #2. Use the revolver's \"ppn\" and\n\r"
                   " \"pp+\"-commands to create a printable plot, or to add\n\r curves. \n\r For more help, press <F1> "
                   "here. <shift><F1> has more\n\r on how to use the mouse. ");
    textbackground(15);
}

void open(spacemenustate& m)
{
    setboxtitle(" <space> - Commands ");
    setfootercode(7);
    m.box = std::make_unique<boxframe>(12, 10, int16_t(screencols() - 11), int16_t(screenrows()), 0, 15);
    paint(m);
}

void close(spacemenustate& m)
{
    infoclose("whelpspacemenu");
    m.box.reset();
}

void help(spacemenustate& m, keycode k)
{
    static infoholder general, menu, mouse;
    if (k == key::shiftf1)
        helpmouseframe(mouse);
    else if (m.general)
        helpfastplot(general);
    else
        helpspacemenu(menu);
    if (k == key::f1)
        m.general = !m.general;
}

// The plot's window and range as the menu found them: a change left
// without computing would not match the curve.
void restore(spacemenustate& m)
{
    fastplot* p = m.ready();
    if (!m.changed || !p)
        return;
    p->world = m.world;
    p->spec.rangelow = m.rangelow;
    p->spec.rangehigh = m.rangehigh;
}

// Enter after "e" changed the plot: computed again, or the old window and
// range put back when the user keeps the plot as it was.
void actualize(spacemenustate& m)
{
    fastplot* p = m.ready();
    if (!m.changed || !p)
        return;
    calculator& c = m.c;
    if (!p->canactualize(0)) {
        restore(m);
        return;
    }
    if (p->table && tablevalid(p->stamp, calcstamp(c), p->spec.type) && p->table->count() >= 2) {
        msgstyle(0);
        int k = msgbox("\n Create new sample (y/n) ? \n");
        if (k == 'y' || k == 'Y')
            p->table->reset();
    }
    p->checktable();
    p->computed = 0;
    if (!p->compute()) {
        msgfailed();
        c.plotnumber = 1;
    }
    c.plotredraw = 1;
    c.proceed(false);
}

// One key of the menu; true when it ended the menu.
bool command(spacemenustate& m, keycode k)
{
    calculator& c = m.c;
    fastplot* p = m.ready();
    switch (k) {
    case ' ':
        close(m);
        if (shiftdown()) {
            refreshfastplot(c);
            return true;
        }
        c.argwarning();
        if (c.plotcount() > 0)
            removeplots(c);
        simpleplot(c, drect{});
        return true;
    case 'e':
        if (p) {
            m.changed = editplotproperties(*p) || m.changed;
            return false;
        }
        close(m);
        c.argwarning();
        enterwindowplot(c);
        return true;
    case 'p':
        if (c.valuecount() < 2) {
            msgstyle(1);
            msgbox("\n Cannot create a parametric plot from a single valued calculator ! \n");
            return false;
        }
        close(m);
        c.argwarning();
        parametricplot(c);
        return true;
    case 'c':
        msgnotimplemented();
        return false;
    case 'l':
        if (!c.owner || c.owner->plotwindow.isempty()) {
            loadwindow(c);   // tells that none was saved
            return false;
        }
        close(m);
        loadwindow(c);
        return true;
    case key::f1:
    case key::shiftf1:
        help(m, k);
        return false;
    case key::esc:
        close(m);
        restore(m);
        c.redraw();
        return true;
    case key::enter:
        close(m);
        actualize(m);
        return true;
    }
    for (const closing& entry : closingkeys)
        if (entry.key == k) {
            close(m);
            entry.run(c);
            return true;
        }
    return false;
}

}  // namespace

void spacemenu(calculator& c)
{
    if (!c.cancompute(true))
        return;
    spacemenustate m{c, {}, 0, 0, false, true, nullptr};
    if (fastplot* p = c.currentplot()) {
        m.world = p->world;
        m.rangelow = p->spec.rangelow;
        m.rangehigh = p->spec.rangehigh;
    }
    open(m);
    for (;;) {
        keycode k = getkey();
        if (command(m, k))
            return;
        if (!m.box)
            open(m);
        else
            paint(m);
    }
}
