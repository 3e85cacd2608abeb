#include "numerics/sumenviron.h"

#include <memory>
#include <new>

#include "formula/services.h"
#include "math/seraccel.h"
#include "math/seriesterm.h"
#include "objects/fuinfinite.h"
#include "objects/sumhelp.h"
#include "objects/sumrecord.h"
#include "objects/sumrun.h"
#include "objects/sumshow.h"
#include "screen/boxframe.h"
#include "screen/boxsettings.h"
#include "screen/hoststate.h"
#include "screen/keys.h"
#include "screen/monotony.h"
#include "screen/msgbox.h"
#include "screen/screen.h"
#include "screen/winstring.h"

void monotonydata(seriesterm* f, double* array, int n, double first, double step)
{
    statusscope status("computing...");
    for (int k = 0; k < n; ++k)
        array[k] = f->calcx(first + k * step);
}

namespace {

constexpr int monotonycount = 100;

// Two-key commands: the second key of "+", "-" and "u" joins the first.
constexpr int twokeys(int first, int second) { return first << 8 | second; }

struct environment {
    sumcalc& calc;
    sumrecord& r;
    boxframe& box;
    std::unique_ptr<seraccel> accel;
    double monotony[monotonycount] = {};

    void paint(bool active) { summenu(r, active, box, calc.base.index); }

    void clearruns()
    {
        r.accdone = false;
        r.infstate = r.finstate = 0;
        r.runstate = 0;
        paint(true);
    }

    // A number entry; false when nothing was taken.
    bool ask(double& value, const char* prompt)
    {
        double v = winreadnumber(value, prompt);
        if (winreadstate != readstate::number)
            return false;
        value = v;
        return true;
    }

    void rundirect(bool resuming);
    bool runaccelerated();
    bool run(bool resuming);
    bool settype(char mode, bool altplus);
    void setstep();
    void setlast();
    void setangle(double& angle, const char* prompt);
    bool install();
    int command(int key);
};

void environment::rundirect(bool resuming)
{
    if (!r.infinite && !resuming && (r.last < r.first || r.runstate == 2)) {
        double last = winreadnumber(r.last, " Last index for finite summation ? ");
        if (winreadstate == readstate::cancelled)
            return;
        if (winreadstate == readstate::number)
            r.last = last;
        if (r.last < r.first) {
            setboxtitle(" E R R O R ");
            msgstyle(1);
            msgbox("\n Empty run - Last index < first index \n");
            return;
        }
    }
    paint(false);
    if (!resuming)
        r.reset();
    sumerror(sumrunshow(calc.term, r, box));
    paint(true);
}

// True when the accelerator cannot be made: the environment ends.
bool environment::runaccelerated()
{
    if (!accel)
        accel.reset(new (std::nothrow) seraccel);
    if (!accel) {
        closemonotony();
        return true;
    }
    accel->lead = accel->oscillead = r.leadin;
    accel->slowdiv = 2;
    r.reset();
    int code;
    {
        statusscope status("computing...");
        code = sumrun(calc.term, &r, accel.get());
    }
    r.accdone = code == sumcomplete;
    if (r.lastmode != r.mode)
        r.runstate = 0;
    r.lastmode = r.mode;
    r.accresult = r.result;
    sumerror(code);
    paint(true);
    flushkeys();
    return false;
}

// True when the environment ends.
bool environment::run(bool resuming)
{
    if (r.acceleratedinfinite())
        return runaccelerated();
    rundirect(resuming);
    return false;
}

bool environment::settype(char mode, bool altplus)
{
    r.mode = mode;
    if (mode == '-')
        r.altplus = altplus;
    return run(false);
}

void environment::setstep()
{
    double step = r.step;
    if (!ask(step, " New value for \"Step\" ? "))
        return;
    if (!(step > 0)) {
        msgbox("Expecting a positive value");
        return;
    }
    r.step = step;
    clearruns();
}

void environment::setlast()
{
    if (!ask(r.last, " Last index for finite summation ? "))
        return;
    unsigned char& state = r.infinite ? r.finstate : r.runstate;
    double done = r.infinite ? r.finindex : r.doneindex;
    if (state == 2)
        state = 1;
    if (r.last <= done)
        state = 0;
    paint(true);
}

void environment::setangle(double& angle, const char* prompt)
{
    if (!ask(angle, prompt))
        return;
    if (r.hasfactor())
        clearruns();
    else
        paint(true);
}

// True when the environment ends.
bool environment::install()
{
    if (!r.infinite) {
        msgstyle(1);
        msgbox("\n Automatic installation of finite sums is not supported. \n\r"
               " Switch to <i>nfinite mode or use the revolver's \n\r \"ui\" command for finite sums.\n");
        return false;
    }
    suminstall(&calc.base, &r);
    int after = calc.afterinstall ? calc.afterinstall() : 0;
    if (after == 0) {
        paint(true);
        return false;
    }
    closemonotony();
    if (after == 2)
        box.forget();
    return true;
}

constexpr int endenviron = -1, nosuch = -2;

// 0 go on, endenviron: leave returning true.
int environment::command(int k)
{
    switch (k) {
    case key::f1:
        summenuhelp();
        return 0;
    case key::shiftf1:
        monotonyhelp();
        return 0;
    case 'm':
        monotonydata(calc.term, monotony, monotonycount, r.first, r.step);
        showmonotony(monotony, monotonycount);
        return 0;
    case 'o':
        convcriteria(r);
        paint(true);
        return 0;
    case 'f':
    case 'i':
    case 'M':
        if (k == 'M' || (k == 'f') == r.infinite) {
            r.swapmode();
            paint(true);
        }
        return 0;
    case key::enter:
        if (!r.acceleratedinfinite() && r.runstate == 1)
            return run(true) ? endenviron : 0;
        switch (r.mode) {
        case '+':
        case '-':
        case 'c':
        case 'e':
        case 's':
            return run(false) ? endenviron : 0;
        }
        unexpectederror("\n sumenviron() \n");
        return 0;
    case 'S':
        setstep();
        return 0;
    case 'F':
        if (ask(r.first, " First index ? ")) {
            r.breakpoint = r.first - 1.0;
            clearruns();
        }
        return 0;
    case 'L':
        setlast();
        return 0;
    case 'r':
        setangle(r.rot, " New value for \"rot\" ? ");
        return 0;
    case 'p':
        setangle(r.phase, " New value for \"phase\" ? ");
        return 0;
    case 'A':
        r.accel = !r.accel;
        paint(true);
        return 0;
    case 'c':
    case 's':
    case 'e':
        return settype(char(k), true) ? endenviron : 0;
    case twokeys('+', '+'):
        return settype('+', true) ? endenviron : 0;
    case twokeys('+', '-'):
        return settype('-', true) ? endenviron : 0;
    case twokeys('-', '+'):
        return settype('-', false) ? endenviron : 0;
    case twokeys('u', 'i'):
        return install() ? endenviron : 0;
    }
    return nosuch;
}

int readcommand()
{
    int k = getkey();
    if (k == '+' || k == '-' || k == 'u') {
        int second = getkey();
        if (second == key::esc)
            return 0;
        return twokeys(k, second);
    }
    return k;
}

}  // namespace

bool sumenviron(sumcalc& c)
{
    if (!c.record || !c.term)
        return false;
    sumrecord& r = *c.record;
    setboxtitle(" <+> (Summation Menu) ");
    boxframe box(10, 8, int16_t(screencols()), int16_t(screenrows()), 0, 15);
    environment e{c, r, box, {}, {}};
    e.paint(true);
    for (;;) {
        int k = readcommand();
        if (k == key::esc || host().stop) {
            closemonotony();
            return r.hasresult();
        }
        if (k == 0)
            continue;
        int done = e.command(k);
        if (done == endenviron)
            return true;
        if (done == nosuch) {
            msgstyle(1);
            msgbox("\n No such command ! \n", 500);
        }
    }
}
