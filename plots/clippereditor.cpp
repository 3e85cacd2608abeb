#include "plots/clippereditor.h"

#include <cstring>
#include <string>

#include "base/limits.h"
#include "formula/parser.h"
#include "objects/codelist.h"
#include "objects/diagshow.h"
#include "objects/edithooks.h"
#include "screen/boxframe.h"
#include "screen/boxsettings.h"
#include "screen/hoststate.h"
#include "screen/infowin.h"
#include "screen/keys.h"
#include "screen/msgbox.h"
#include "screen/screen.h"
#include "screen/winstring.h"

namespace {

constexpr keycode keyup = 328, keydown = 336, keydel = 339;
constexpr int panelback = 15, hintcolour = 4, wordcolour = 8;
constexpr double mostchanges = 65535;

// A key hint and its word; the hint in the word colour when it is off.
void hint(const char* key, const char* word, bool on = true)
{
    colorprintf(on ? hintcolour : wordcolour, "%s", key);
    colorprintf(wordcolour, "%s", word);
}

// Takes c out of the run that starts at head.
void unlink(clipper*& head, clipper* c)
{
    if (head == c) {
        head = c->following();
    } else {
        for (clipper* p = head; p; p = p->following())
            if (p->next == c)
                p->next = c->next;
    }
    c->next = nullptr;
}

void appendto(clipper*& head, clipper* c)
{
    if (!head) {
        head = c;
        return;
    }
    clipper* last = head;
    while (last->following())
        last = last->following();
    last->next = c;
}

struct clippereditor {
    clipper*& own;
    clipper*& shared;
    clippereditstate& s;
    const clipperorigin& origin;
    const char* names;
    bool changed = false;

    uint32_t privatecount() const { return cliplistcount(own); }
    clipper* current() const { return clipperat(s.current, own, shared); }
    formulaclipper* currentformula() const { return dynamic_cast<formulaclipper*>(current()); }
    bool currentisshared() const { return s.current > privatecount(); }

    void paint();
    void paintformula(const formulaclipper* f);
    void paintmode(const clipper& c);
    void implementcurrent();
    void showlisting();
    void removecurrent();
    int newclipper();
    void asklimit(bool upward);
    // False when the editor ends.
    bool command(keycode k);
};

void clippereditor::paint()
{
    s.currentshared = uint8_t(currentisshared());
    textbackground(panelback);
    clrwindow(panelback);
    gotoxy(1, 1);
    colorprintf(wordcolour, "Clipper nr.");
    colorprintf(hintcolour, " %u    ", unsigned(s.current));
    if (s.showshared)
        colorprintf(wordcolour, "%s", s.currentshared ? "(shared)" : "(private)");
    colorprintf(wordcolour, "\n\n\r");
    hint(" <up>      ", "", s.current < s.total);
    hint("<down>             ", "", s.current >= 2);
    formulaclipper* f = currentformula();
    bool implemented = f && f->isimplemented();
    int column = wherexwin();
    colorprintf(wordcolour, "%s", implemented ? "       " : "not    ");
    colorprintf(wordcolour, "mplemented");
    gotoxy(column + 4, whereywin());
    colorprintf(hintcolour, "<i>\n\n\r");
    hint(" <c>", "ode   ");
    if (s.deleteallowed)
        hint("<del>", "elete   ");
    hint(" <e>", "dit formula   ");
    if (s.newallowed)
        hint("<n>", "ew");
    colorprintf(wordcolour, "\n\n\r");
    paintformula(f);
    if (clipper* c = current())
        paintmode(*c);
}

void clippereditor::paintformula(const formulaclipper* f)
{
    if (!f || !*f->text()) {
        colorprintf(wordcolour, "\n                  ----  no formula  ----\n\n\r");
        return;
    }
    std::string text = f->text();
    size_t width = size_t(getwindow().right - getwindow().left + 1);
    if (width > 4 && text.size() > width - 2)
        text = text.substr(0, width - 5) + "...";
    colorprintf(hintcolour, " %s\n\n\r", text.c_str());
}

void clippereditor::paintmode(const clipper& c)
{
    bool searching = c.mode == clipper::searching;
    if (s.searchoffered && s.searchallowed) {
        colorprintf(wordcolour, "Working Mode: ");
        colorprintf(hintcolour, "<m>");
        colorprintf(searching ? wordcolour : hintcolour, "asking   ");
        colorprintf(hintcolour, "<s>");
        colorprintf(searching ? hintcolour : wordcolour, "earching\n\n\r");
    }
    if (!searching) {
        colorprintf(wordcolour, "Show curves where sign is ");
        colorprintf(hintcolour, "<+>");
        colorprintf(c.sign == -1 ? hintcolour : wordcolour, " positive   ");
        colorprintf(hintcolour, "<->");
        colorprintf(c.sign == -1 ? wordcolour : hintcolour, " negative\n\r");
    } else {
        colorprintf(wordcolour, "Search until n'th change of sign, where n is:\n\r ");
        hint("<u>", "pwards:  ");
        colorprintf(wordcolour, " %d\n\r", int(c.uplimit));
        hint(" <d>", "ownwards:");
        colorprintf(wordcolour, " %d\n\r", int(c.downlimit));
    }
}

void clippereditor::implementcurrent()
{
    formulaclipper* f = currentformula();
    if (!f)
        return;
    if (f->check(clipper::checkone, names)) {
        msgbox("\n Formula OK \n", 300);
        if (currentisshared())
            s.sharedchanged = 1;
    } else {
        showdiagnostics(f->diag);
    }
    changed = true;
}

void clippereditor::showlisting()
{
    formulaclipper* f = currentformula();
    if (f && f->isimplemented()) {
        showcode(*f->myparser);
        return;
    }
    msgstyle(1);
    msgbox("\n Must implement before displaying parser code! \n");
}

void clippereditor::removecurrent()
{
    clipper* c = current();
    if (!c)
        return;
    if (currentisshared()) {
        unlink(shared, c);
        s.sharedchanged = 1;
    } else {
        unlink(own, c);
    }
    delete c;
    changed = true;
    --s.total;
    if (s.current > s.total)
        s.current = s.total;
}

// The number of the new clipper, 0 when cancelled.
int clippereditor::newclipper()
{
    bool toshared = false;
    if (s.showshared) {
        setboxtitle("Creating a new Clipper");
        int k = tell("\n Share the new clipper with %u sibling curves (y/n) ? \n", unsigned(s.siblings));
        if (k == key::esc)
            return 0;
        toshared = k == 'y' || k == 'Y';
    }
    auto* c = new (std::nothrow) formulaclipper(origin);
    if (!c)
        return 0;
    if (!editclipperformula(*c)) {
        delete c;
        return 0;
    }
    if (toshared) {
        appendto(shared, c);
        s.sharedchanged = 1;
        return int(s.total + 1);
    }
    appendto(own, c);
    return int(privatecount());
}

void clippereditor::asklimit(bool upward)
{
    clipper* c = current();
    uint16_t& limit = upward ? c->uplimit : c->downlimit;
    double v = winreadnumber(limit, " Number of sign changes (0 will deactivate feature) ? ");
    if (winreadstate != readstate::number)
        return;
    if (!(v > -0.1 && v < mostchanges)) {
        msgbox(" expecting a small positive number ");
        return;
    }
    limit = uint16_t(v < 0 ? 0 : v);
    changed = true;
}

bool clippereditor::command(keycode k)
{
    clipper* c = current();
    switch (k) {
    case key::enter:
    case key::esc:
        return false;
    case keyup:
        if (s.current < s.total)
            ++s.current;
        return true;
    case keydown:
        if (s.current > 1)
            --s.current;
        return true;
    case 'i':
        implementcurrent();
        return true;
    case 'c':
        showlisting();
        return true;
    case keydel:
        if (!s.deleteallowed || !c)
            return true;
        removecurrent();
        return s.total > 0;
    case 'e':
        if (formulaclipper* f = currentformula(); f && editclipperformula(*f)) {
            changed = true;
            implementcurrent();
        }
        return true;
    case 'n': {
        if (!s.newallowed && !s.startwithnew)
            return true;
        s.startwithnew = 0;
        int number = newclipper();
        if (number == 0)
            return s.total > 0;
        ++s.total;
        s.current = uint32_t(number);
        changed = true;
        implementcurrent();
        return true;
    }
    default:
        break;
    }
    if (!c)
        return true;
    bool searching = c->mode == clipper::searching;
    if ((k == 'm' || k == 's') && s.searchoffered && s.searchallowed) {
        c->mode = k == 'm' ? clipper::masking : clipper::searching;
        changed = true;
    } else if ((k == '+' || k == '-') && !searching) {
        c->sign = int16_t(k == '+' ? -1 : 1);
        changed = true;
    } else if ((k == 'u' || k == 'd') && searching) {
        asklimit(k == 'u');
    }
    return true;
}

}  // namespace

bool editclipperformula(formulaclipper& c)
{
    std::string text = c.text();
    const char* title = text.empty() ? "Input a Clipper Formula" : "Edit a Clipper Formula";
    if (editline(text, limits::formulalength, title) != key::enter)
        return false;
    return c.setformula(text.c_str());
}

bool editclippers(clipper*& privatelist, clipper*& sharedlist, clippereditstate& state, const clipperorigin& origin,
                  const char* names)
{
    clippereditor e{privatelist, sharedlist, state, origin, names};
    state.total = cliplistcount(privatelist) + cliplistcount(sharedlist);
    if (state.current < 1 || state.current > state.total)
        state.current = 1;
    infoholder help;
    setinfotitle("Clipper Argument List");
    std::string text = clipperhelp(names, origin);
    auto* w = new infowin(text.c_str(), screencols() - 9, 10, "clipperhelp");
    if (w->window)
        help.hold(w);
    else
        infodrop(w);
    boxframe box(9, 10, int16_t(screencols() - 10), int16_t(screenrows()), 0, panelback);
    box.footerprintf(" <Enter> <Esc> \"done\" ");
    bool going = true;
    if (state.total == 0 && state.startwithnew)
        going = e.command('n');
    while (going && state.total > 0) {
        e.paint();
        keycode k = getkey();
        if (host().stop)
            break;
        going = e.command(k);
    }
    return e.changed;
}
