// The dialogues of "r0", "rf", "mi" and "ma" on a calculator.
#include <cmath>
#include <memory>

#include "calculator/calcfunm.h"
#include "calculator/calculator.h"
#include "calculator/fuwrapper.h"
#include "formula/evalstate.h"
#include "formula/services.h"
#include "numerics/extremesearch.h"
#include "numerics/toolcmds.h"
#include "numerics/toolpoint.h"
#include "numerics/zerosearch.h"
#include "screen/boxsettings.h"
#include "screen/keys.h"
#include "screen/msgbox.h"

namespace {
int displaymode(const calculator& c)
{
    return c.isdirectmode() && c.calling ? c.calling->mode : 0;
}

bool adoptkey(int k)
{
    return k == 'y' || k == 'Y' || k == key::enter || k == 328 || k == 336;
}
}

bool zerosearch(calculator& c, double target)
{
    std::unique_ptr<fuwrapper> holder;
    fu* f = toolfunction(c, holder);
    if (!f)
        return false;
    double x0 = c.argvalue(), result = x0;
    uint8_t code;
    {
        statusscope status("\n Search under way... ");
        code = findzero(*f, x0, &result, target, 0, 0);
    }
    holder.reset();
    if (code == zerocodes::nothing) {
        if (shared.error != evalbreak) {
            setfootercode(10);
            msgbox("\n Found nothing \n");
        }
        return false;
    }
    int name = searchresult(code, displaymode(c), target);
    int k = tell(" %s found at %c=%.15g \n\n\r Adopt (y/n) ?", searchname(name), c.argchar(), result);
    if (!adoptkey(k))
        return false;
    adoptargument(c, result);
    return true;
}

namespace {
// One search from x; false (nothing shown) on a user break.
bool searchfrom(extremesearch& s, fu& f, int sense, double x, double span, bool& found)
{
    s.reset();
    {
        statusscope status("\n Search under way... ");
        found = s.run(f, int16_t(sense), x, span);
    }
    return shared.error != evalbreak;
}

int failurereport(const extremesearch& s, int sense)
{
    const char* word = searchword(int16_t(sense), 1);
    switch (s.status) {
    case extremesearch::nodirection:
        return tell("\n The %simizer cannot start from this position !            \n\r", word);
    case extremesearch::noextremum:
        return tell("\n Unable to locate a %simum !                               \n\r (Try to start from another "
                    "position) \n\r",
                    word);
    default:
        return tell("\n Unsuccessful termination caused by leaving the function's domain ! \n\r (Try to move the "
                    "starting point closer to the target) \n\r");
    }
}

// A search from x whose failure is reported; false when it found nothing
// or met a user break.
bool searchorreport(extremesearch& s, fu& f, int sense, double x, double span)
{
    bool found = false;
    if (!searchfrom(s, f, sense, x, span, found))
        return false;
    if (!found)
        failurereport(s, sense);
    return found;
}

int extremumreport(const extremesearch& s, int sense, double start, double span, bool undo)
{
    return tell("\n Found a local %simum at (%.12g | %.12g) \n\n\r Distance from the starting point:  %g \n\r Target "
                "improvement span:  %g \n\r\n <enter>      go for further improvement \n\r <a>          adopt result "
                "and quit \n\r%s <esc>        cancel \n\r",
                searchword(int16_t(sense), 1), s.x, s.fbest, std::fabs(s.x - start), span,
                undo ? " <backspace>  undo the last step \n\r" : "");
}
}

bool goldensession(calculator& c, int sense)
{
    extremesearch s;
    double span = displaymode(c) != 0 ? 1e-5 : 0.0;
    std::unique_ptr<fuwrapper> holder;
    fu* f = toolfunction(c, holder);
    if (!f)
        return false;
    double start = c.argvalue();
    if (!evalat(*f, start).ok())
        return false;
    if (!searchorreport(s, *f, sense, start, span))
        return false;
    bool undo = false;
    double before = start;
    for (;;) {
        int k = extremumreport(s, sense, start, span, undo);
        if (k == 'a' || k == 'A')
            break;
        if (k == key::esc)
            return false;
        if (k == key::backspace && undo) {
            undo = false;
            if (!searchorreport(s, *f, sense, before, span))
                return false;
            continue;
        }
        if (k != key::enter)
            continue;
        double best = s.x, fbest = s.fbest;
        before = best;
        bool found = false;
        if (!searchfrom(s, *f, sense, best, span, found))
            return false;
        if (found && sense * s.fbest > sense * fbest) {
            undo = true;
            continue;
        }
        // Nothing better: the previous point stays.
        s.x = best;
        s.fbest = fbest;
        k = tell("\n COULD NOT IMPROVE ON PREVIOUS RESULT ! \n\r\n <enter>      adopt result and quit \n\r");
        if (k != key::enter)
            return false;
        break;
    }
    double x = s.x;
    holder.reset();
    adoptargument(c, x);
    return true;
}
