#include "numerics/nlwindow.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <memory>
#include <vector>

#include "calculator/calcfunm.h"
#include "calculator/calculator.h"
#include "formula/services.h"
#include "math/vecfuncs.h"
#include "numerics/nlminimizer.h"
#include "numerics/nlsolver.h"
#include "numerics/nlviews.h"
#include "screen/askinput.h"
#include "screen/boxframe.h"
#include "screen/boxsettings.h"
#include "screen/keys.h"
#include "screen/linelist.h"
#include "screen/menustate.h"
#include "screen/msgbox.h"
#include "screen/msgbuffer.h"
#include "screen/popup.h"
#include "screen/screen.h"

namespace {

NLminimizer* minimizerof(nliter& e)
{
    return e.kind() == 13 ? static_cast<NLminimizer*>(&e) : nullptr;
}

// The Jacobi line of the solver's status and block lines.
void jacobiline(NLsolver& s)
{
    if (s.qr.rank == std::min(s.n, s.mactive))
        cprintf(" Jacobi matrix: regular            ");
    else
        cprintf(" Jacobi matrix: singular of rank %2d", s.qr.rank);
}

// A menu item: its key in colour 4, its text in colour 1.
void keyitem(const char* key, const char* text)
{
    textcolor(4);
    cprintf("%s", key);
    textcolor(1);
    cprintf("%s", text);
}

}  // namespace

void nlstatusline(nliter& e, int colour)
{
    clrline(0, 0);
    if (e.state == nluserbreak) {
        textcolor(4);
        cprintf(" Iteration nr. %ld aborted (user break)\n\r", long(e.counter) + 1);
        return;
    }
    textcolor(colour);
    cprintf(" Iteration %-15ld       Step length = %-.6g\n\r", long(e.counter), e.laststeplength(false));
    if (NLminimizer* mi = minimizerof(e)) {
        cprintf(" F(x) = %-23.15g    Increment = %-.6g\n\r", e.value(), e.lastgain());
        cprintf(mi->mu == 0 ? " Hesse matrix: was pos. def. " : " Hesse matrix: was indefinite");
        cprintf("          lamda = %-.6g\n\n\r", e.lamda);
    } else {
        cprintf(" Distance = %-19.10g  Improvement = %-.6g\n\r", e.value(), e.lastgain());
        jacobiline(static_cast<NLsolver&>(e));
        cprintf("    lamda = %-.6g\n\n\r", e.lamda);
    }
    e.lastdisplay = 1;
}

void nlblockline(nliter& e, int first, double walk, double startvalue)
{
    clrline(0, 0);
    textcolor(9);
    first = std::min(first, e.counter);
    cprintf(" Iterations %11ld..%-11ld Block walk = %-.6g\n\r", long(first), long(e.counter), walk);
    if (NLminimizer* mi = minimizerof(e)) {
        cprintf(" F(x) = %-23.13g      Increment = %-.6g\n\r", e.value(), e.value() - startvalue);
        cprintf(mi->mu == 0 ? " Latest Hesse matrix: pos. def.    " : " Latest Hesse matrix: indefinite   ");
    } else {
        cprintf(" Distance = %-19.10g      Improvement = %-.6g\n\r", e.value(), startvalue - e.value());
        jacobiline(static_cast<NLsolver&>(e));
    }
    cprintf("  Latest lamda = %-.6g\n\n\r", e.lamda);
    e.lastdisplay = 2;
}

void nlmainmenu()
{
    newlineifneeded();
    clrline(0, 0);
    keyitem(" <enter>  ", "run to termination             ");
    keyitem(" <esc>    ", "quit\n\r");
    keyitem(" <1>", "      single iteration               <a>dopt position\n\r");
    keyitem(" <u>", "      user defined single step       <v>iew...\n\r");
    keyitem(" <n>", "      several steps                  <o>ptions...");
    cursorupn(3);
    gotoxy(1, wherey());
}

void nltermmenu()
{
    keyitem(" <enter>  ", "adopt the new position and quit\n\r");
    keyitem(" <esc>    ", "back to the main window\n\r");
    keyitem(" <v>      ", "show further details\r");
}

void nlhelp(int kind, int situation)
{
    menus().disable(39998);
    bool solver = kind == 14;
    const char* longname = solver ? "nonlinear solver" : "nonlinear min/maximizer";
    const char* shortname = solver ? "solver" : "min/maximizer";
    const char* document = solver ? "solver" : "minimize";
    msgbuffer m(0, 0, 0, 0, 2048);
    if (situation == 0) {
        m.addf("\n You're in the %s's main window. \n\r Mostly, you will press <enter> here to quickly \n\r"
               " proceed to the termination window. \n\r    You can run single iterations by pressing \n\r"
               " <1> or <n> here, then come back with <F1> for \n\r more information. Or else, read \"%s.wri\". \n",
               longname, document);
    } else if (situation == 3) {
        m.addf(" This is the %s's termination window. It reports which ter- \n\r"
               " mination condition has been triggered (first line in red) and issues a \n\r"
               " diagnose (second statement in red) as best it can. Mostly, you will just \n\r"
               " press <enter> here which closes the %s and loads the current \n\r"
               " position back to the calculator. \n\r"
               " You may as well cancel and close with <esc>.  At times, the program's \n\r"
               " diagnosis may be incorrect. Therefore, it presents its \"evidence\" in \n\r"
               " blue between the red lines, so those familiar with the algorithm \n\r"
               " can make their own judgement, or access further information with <v>.",
               longname, shortname);
    } else {
        bool single = situation == 1;
        const char* what = single ? "a single iteration" : "an iteration block";
        const char* during = single ? "this iteration" : "the iteration block";
        const char* walk = single ? "Step length" : "Block walk";
        m.addf("\n You have just performed %s. \n\r These results are being displayed: \n\n\r", what);
        if (solver)
            m.addf(" \"Distance\" is the Euclidean distance between the targets and \n\r"
                   " the current solver position, which you can view by pressing \n\r"
                   " <v><x>. It is being measured in the target space, thus disre- \n\r"
                   " garding values which you've unmarked as targets, and taking \n\r"
                   " into account any value weighting that you may have defined. \n\r"
                   " \"Improvement\" tells by how much \"Distance\" has decreased \n\r during %s. \n\r",
                   during);
        else
            m.addf(" \"F(x)\" is the current value of the function to be optimized. \n\r"
                   " \"%s\" is the change F(x) underwent during %s. \n\r", "Increment", during);
        m.addf(" \"%s\" is the Euclidean distance of the positions before \n\r and after %s. Distance"
               " calculation here disregards \n\r any argument scaling.\n\r", walk, during);
        if (!solver)
            m.addf(" <v><x> will display the current position. \n\r");
        m.addf("\n \"<a>dopt position\" will load the current position back to the\n\r calculator. \n\r");
    }
    setpopupx(1);
    if (situation == 0 || situation == 3)
        setpopupy(1);
    else
        setpopupheight(0);
    msgstyle(3);
    setboxtitle(" I N F O ");
    m.show();
    menus().enable(39998);
}

int nltermreport(nliter& e)
{
    setboxtitle(" Termination Report ");
    setfootercode(11);
    setboxcolors(0, 0, 14, 0, 0);
    boxframe box(10, int16_t(screenrows() - 22), int16_t(screencols()), int16_t(screenrows()));
    if (!box.drawn())
        return key::esc;
    clrwindow(11);
    textbackground(11);
    gotoxy(1, 1);
    nlstatusline(e, 1);
    linelist status, detail, verdict;
    e.report(&status, &detail, &verdict);
    auto show = [](const linelist& l, int colour, const char* format) {
        std::unique_ptr<char[]> text(l.join());
        if (!text || !*text.get())
            return;
        textcolor(colour);
        cprintf(format, text.get());
    };
    show(status, 4, "\r %s\n\r");
    show(detail, 1, "%s\n\r");
    show(verdict, 4, "%s\n\n\r");
    nltermmenu();
    for (;;) {
        int key = getkey();
        if (key == key::f1)
            nlhelp(e.kind(), 3);
        else if (key == 'v' || key == 'V')
            e.kind() == 13 ? minviewoptions(e) : solviewoptions(e);
        else
            return key;
    }
}

void nlcopyposition(double* target, nliter& e)
{
    std::vector<double> u(e.n + 1);
    e.unscaled(u.data());
    std::copy(u.begin() + 1, u.end(), target);
}

void nladopt(nliter& e, calculator& c)
{
    std::vector<double> u(e.n);
    nlcopyposition(u.data(), e);
    for (int i = 0; i < e.n && c.binding.cells[i]; i++)
        *c.binding.cells[i] = u[i];
    okbox();
}

fu* startpoint(calculator& c, std::vector<double>& start)
{
    std::fill(start.begin(), start.end(), 0.0);
    if (!c.calling || !c.calling->called)
        return nullptr;
    bindargs(c.calling->called->argletters, &c.binding, c.argstore());
    for (size_t i = 0; i < start.size() && c.binding.cells[i]; i++)
        start[i] = *c.binding.cells[i];
    return c.calling->called;
}

bool editepsilon(nliter& e, double& epsilon, const char* prompt)
{
    double v = epsilon;
    if (!asknumber(prompt, v))
        return false;
    if (!(v > 0)) {
        msgstyle(1);
        setboxtitle(" INPUT REJECTED ");
        msgbox("\n Epsilon must be positive. \n\r No changes made. \n");
        return false;
    }
    epsilon = v;
    e.logf("user changed %s to %g", prompt, v);
    okbox();
    return true;
}

void msgnotyet()
{
    msgstyle(1);
    msgbox("\n Feature not available before the first iteration ! \n", 1000);
}

int nlviewkey(nliter& e, int third, int logkey)
{
    for (;;) {
        int key = getkey();
        if (key < 256)
            key = std::tolower(key);
        if (key == 's' && e.counter < 1) {
            msgnotyet();
        } else if (key == 'x' || key == 's' || key == third || key == key::esc) {
            return key;
        } else if (key == logkey && e.log) {
            nlshowlog(e);
            return 0;
        } else {
            msgnosuchcommand();
        }
    }
}

namespace {

// Whether a little-progress state of an open-ended minimizer run may be
// ignored: the latest steps still gained or moved noticeably.
bool stillmoving(NLminimizer& mi)
{
    return mi.recentgain() > 0.001 || mi.recentpath() > 0.01;
}

// One step as a computation: STOP reaches it between evaluations.  The
// keys read between steps stay outside, where Esc is a plain key.
int stoppablestep(nliter& e)
{
    busyscope busy;
    return e.singlestep();
}

int runlog(nliter& e, int count, const char* caption)
{
    setboxtitle(caption);
    setfootertext(" press any key to interrupt ");
    boxframe box(1, int16_t(screenrows() - 15), int16_t(screencols()), int16_t(screenrows()));
    if (!box.drawn())
        return 0;
    clrwindow(1);
    textbackground(1);
    textcolor(7);
    gotoxy(1, 1);
    NLminimizer* mi = minimizerof(e);
    for (;;) {
        int state = nlrunning;
        while (state == nlrunning) {
            state = stoppablestep(e);
            if (state == nllittleprogress && (count > 0 || (mi && stillmoving(*mi))))
                state = e.state = nlrunning;
            cprintf("   %11ld  %20.10g %20.10g %20.10g\n\r", long(e.counter), e.value(), e.lastgain(),
                    e.laststeplength(false));
            if (count == 1)
                return 1;
            if (count > 1)
                count--;
            if (kbhit()) {
                flushkeys();
                box.footerprintf(" <esc> quit    <enter> resume ");
                if (getkey() == key::esc)
                    return 2;
                box.footerprintf(" press any key to interrupt ");
            }
        }
        if (count == 1)
            return 1;
        // The first overstepped bound of a run that does not yet speed up
        // is given one more chance.
        if (mi && state == nlunbounded && ringtrend(mi->values, -1, 2) < 5 && !mi->boundretry) {
            mi->boundretry = true;
            continue;
        }
        return 3;
    }
}

}  // namespace

int minrunlog(nliter& e, int count)
{
    return runlog(e, count, " Iteration         F(x)             increment            step ");
}

int solrunlog(nliter& e, int count)
{
    return runlog(e, count, " Iteration         Distance         increment            step ");
}

namespace {

// How a main window's command ended: the window stays, the position was
// adopted (the window closes), or the log window could not be opened.
enum nlend { nlstay, nladopted, nlfailed };

// Enter (several false: until termination) or 'n' (asks how many steps):
// the run, the termination report when a state is set, the block lines.
nlend nlrunblock(nliter& e, calculator& c, bool several, void (*afterreport)(nliter& e, int key))
{
    int count = 0;
    if (several) {
        double v = 1;
        if (!asknumber(" How many iterations ? ", v) || !(v >= 1))
            return nlstay;
        count = int(std::min(v, 2e9));
    }
    std::vector<double> blockstart(e.n + 1), current(e.n + 1);   // 1-based
    nlcopyposition(blockstart.data() + 1, e);
    int first = e.counter;
    double startvalue = e.value();
    int code = e.kind() == 13 ? minrunlog(e, count) : solrunlog(e, count);
    if (code == 0)
        return nlfailed;
    if (code == 3) {
        int key = nltermreport(e);
        if (key == key::enter) {
            nladopt(e, c);
            return nladopted;
        }
        if (afterreport)
            afterreport(e, key);
    }
    if (code == 2) {
        textcolor(4);
        cprintf(" Sequence terminated by user interrupt\n\r");
    }
    nlcopyposition(current.data() + 1, e);
    nlblockline(e, first + 1, vecdist(blockstart.data(), current.data(), 1, e.n), startvalue);
    nlmainmenu();
    return nlstay;
}

// '1': one step, the report when it sets a state, the status lines.
nlend nlsinglestep(nliter& e, calculator& c)
{
    if (stoppablestep(e) != nlrunning && nltermreport(e) == key::enter) {
        nladopt(e, c);
        return nladopted;
    }
    nlstatusline(e, 2);
    nlmainmenu();
    return nlstay;
}

bool nlcommands(nliter& e, calculator& c, const nlwindowparts& parts)
{
    textcolor(1);
    cprintf("%s%.15g\n\r", parts.initial, e.value());
    nlmainmenu();
    for (;;) {
        int key = getkey();
        if (key < 256)
            key = std::tolower(key);
        nlend end = nlstay;
        if (key == key::enter || key == 'n') {
            end = nlrunblock(e, c, key == 'n', parts.afterreport);
        } else if (key == '1') {
            end = nlsinglestep(e, c);
        } else if (key == 'u') {
            if (!parts.userstep)
                msgnotimplemented();
            else if (parts.userstep(e))
                end = nlsinglestep(e, c);
        } else if (key == 'a') {
            nladopt(e, c);
        } else if (key == 'v') {
            e.kind() == 13 ? minviewoptions(e) : solviewoptions(e);
        } else if (key == 'o') {
            parts.options(e);
        } else if (key == key::f1) {
            nlhelp(e.kind(), e.lastdisplay);
        } else if (key == key::esc) {
            return true;
        }
        if (end != nlstay)
            return end == nladopted;
    }
}

}  // namespace

bool nlmainwindow(nliter& e, calculator& c, const nlwindowparts& parts)
{
    setboxtitle(parts.title);
    setfootercode(11);
    boxframe box(7, 8, int16_t(screencols() - 6), int16_t(screenrows()));
    if (!box.drawn())
        return false;
    clrwindow(15);
    textbackground(15);
    gotoxy(1, 1);
    return nlcommands(e, c, parts);
}
