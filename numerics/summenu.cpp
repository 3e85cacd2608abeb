// Painting the summation menu.
#include <string>

#include "math/rounding.h"
#include "numerics/sumenviron.h"
#include "objects/sumrecord.h"
#include "objects/sumrun.h"
#include "screen/boxframe.h"
#include "screen/screen.h"

namespace {

constexpr int menuback = 15;
constexpr int secondcolumn = 42;   // the second item of the first two lines, rot and phase

struct menucolors {
    int key, text, value, highlight, compare;
};

bool current(const sumrecord& r, char mode, bool altplus)
{
    return r.mode == mode && (mode != '-' || r.altplus == altplus);
}

// One type line: its key and text, on the highlight while it is the
// current type.
void typeline(const menucolors& c, bool on, const char* key, const char* text)
{
    textbackground(on ? c.highlight : menuback);
    colorprintf(c.key, "%s", key);
    colorprintf(c.text, "%s", text);
    textbackground(menuback);
}

void angle(const menucolors& c, bool factor, const char* key, const char* text, double value)
{
    gotoxy(secondcolumn, whereywin());
    colorprintf(c.key, "%s", key);
    colorprintf(factor ? c.value : c.text, text, value);
}

void comparison(const sumrecord& r, const menucolors& c)
{
    if (!r.infinite || r.lastmode != r.mode)
        return;
    if (!r.accel && r.accdone)
        colorprintf(c.compare, " Accelerated result = %s\n\r", sumformat(r.accresult, r.mode));
    else if (r.accel && r.runstate != 0)
        colorprintf(c.compare, r.runstate == 2 ? " Not accel. result = %s\n\r" : " Partial sum = %s\n\r",
            sumformat(r.partial, r.mode));
}

}  // namespace

void summenu(sumrecord& r, bool active, boxframe& box, char index)
{
    menucolors c = active ? menucolors{4, 8, 1, 11, 2} : menucolors{7, 7, 16, 18, 6};
    box.footerprintf(" Close with <esc>      <F1> = Help ");
    textbackground(menuback);
    clrwindow(menuback);
    gotoxy(1, 1);
    colorprintf(c.key, " <F>");
    colorprintf(c.text, "irst Index: ");
    colorprintf(c.value, iswhole(r.first) ? "%c=%-16.0f" : "%c=%-16.8g", index, r.first);
    gotoxy(secondcolumn, 1);
    if (!r.infinite) {
        colorprintf(c.key, "<L>");
        colorprintf(c.text, "ast: ");
        colorprintf(c.value, "%-16.0f\n\r", r.last);
    } else {
        colorprintf(c.key, "<A>");
        colorprintf(c.text, "cceleration: ");
        colorprintf(4, "%s\n\r", r.accel ? "on" : "off");
    }
    colorprintf(c.key, " <S>");
    colorprintf(c.text, "tep: ");
    colorprintf(c.value, "%-16.8g", r.step);
    gotoxy(secondcolumn, 2);
    colorprintf(c.key, "<M>");
    colorprintf(c.text, "ode     ");
    colorprintf(4, "%s\n\r", r.infinite ? "<i>nfinite" : "<f>inite");
    colorprintf(c.text, r.infinite ? "\n Compute an infinite Series Limit:\n\r" : "\n Compute a finite Sum:\n\r");
    bool factor = r.hasfactor();
    typeline(c, current(r, '+', true), " \"++\"", " unmodified\n\r");
    typeline(c, current(r, '-', true), " \"+-\"", " alternating (start with +)");
    angle(c, factor, "<r>", "ot   = %-17.15g\n\r", r.rot);
    typeline(c, current(r, '-', false), " \"-+\"", " alternating (start with -)");
    angle(c, factor, "<p>", "hase = %-17.15g\n\r", r.phase);
    typeline(c, r.mode == 's', " <s> ", (" with factor sin(" + std::string(1, index) + "*rot+phase)\n\r").c_str());
    typeline(c, r.mode == 'c', " <c> ", (" with factor cos(" + std::string(1, index) + "*rot+phase)\n\r").c_str());
    typeline(c, r.mode == 'e', " <e> ",
             (" with factor exp(i*(" + std::string(1, index) + "*rot+phase))\n\r").c_str());
    colorprintf(c.key, " <enter> ");
    colorprintf(c.text, " repeat / resume previous run \n\r");
    colorprintf(c.key, " <m> ");
    colorprintf(c.text, " Monotony test");
    if (r.infinite) {
        gotoxy(secondcolumn, whereywin());
        colorprintf(c.key, "<o>");
        colorprintf(c.text, "ptions\n\r");
        colorprintf(c.key, " \"ui\" ");
        colorprintf(c.text, " Installation assistant\n\r");
    } else {
        colorprintf(c.text, "\n\r");
    }
    comparison(r, c);
    if (r.hasresult()) {
        pushcursor();
        colorprintf(1, "%s", sumresult(r).c_str());
        popcursor();
    }
}
