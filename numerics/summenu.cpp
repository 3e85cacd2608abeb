// Painting the summation menu.
#include <cstdarg>
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

void put(int colour, const char* format, ...) __attribute__((format(printf, 2, 3)));
void put(int colour, const char* format, ...)
{
    textcolor(colour);
    va_list args;
    va_start(args, format);
    vcprintf(format, args);
    va_end(args);
}

bool current(const sumrecord& r, char mode, bool altplus)
{
    return r.mode == mode && (mode != '-' || r.altplus == altplus);
}

// One type line: its key and text, on the highlight while it is the
// current type.
void typeline(const menucolors& c, bool on, const char* key, const char* text)
{
    textbackground(on ? c.highlight : menuback);
    put(c.key, "%s", key);
    put(c.text, "%s", text);
    textbackground(menuback);
}

void angle(const menucolors& c, bool factor, const char* key, const char* text, double value)
{
    gotoxy(secondcolumn, whereywin());
    put(c.key, "%s", key);
    put(factor ? c.value : c.text, text, value);
}

void comparison(const sumrecord& r, const menucolors& c)
{
    if (!r.infinite || r.lastmode != r.mode)
        return;
    if (!r.accel && r.accdone)
        put(c.compare, " Accelerated result = %s\n\r", sumformat(r.accresult, r.mode));
    else if (r.accel && r.runstate != 0)
        put(c.compare, r.runstate == 2 ? " Not accel. result = %s\n\r" : " Partial sum = %s\n\r",
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
    put(c.key, " <F>");
    put(c.text, "irst Index: ");
    put(c.value, iswhole(r.first) ? "%c=%-16.0f" : "%c=%-16.8g", index, r.first);
    gotoxy(secondcolumn, 1);
    if (!r.infinite) {
        put(c.key, "<L>");
        put(c.text, "ast: ");
        put(c.value, "%-16.0f\n\r", r.last);
    } else {
        put(c.key, "<A>");
        put(c.text, "cceleration: ");
        put(4, "%s\n\r", r.accel ? "on" : "off");
    }
    put(c.key, " <S>");
    put(c.text, "tep: ");
    put(c.value, "%-16.8g", r.step);
    gotoxy(secondcolumn, 2);
    put(c.key, "<M>");
    put(c.text, "ode     ");
    put(4, "%s\n\r", r.infinite ? "<i>nfinite" : "<f>inite");
    put(c.text, r.infinite ? "\n Compute an infinite Series Limit:\n\r" : "\n Compute a finite Sum:\n\r");
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
    put(c.key, " <enter> ");
    put(c.text, " repeat / resume previous run \n\r");
    put(c.key, " <m> ");
    put(c.text, " Monotony test");
    if (r.infinite) {
        gotoxy(secondcolumn, whereywin());
        put(c.key, "<o>");
        put(c.text, "ptions\n\r");
        put(c.key, " \"ui\" ");
        put(c.text, " Installation assistant\n\r");
    } else {
        put(c.text, "\n\r");
    }
    comparison(r, c);
    if (r.hasresult()) {
        pushcursor();
        put(1, "%s", sumresult(r).c_str());
        popcursor();
    }
}
