// A Runge-Kutta function made from a calculator in a Runge-Kutta mode.
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <string>

#include "calculator/calculator.h"
#include "calculator/furk.h"
#include "calculator/rk.h"
#include "math/valtable.h"
#include "objects/diagshow.h"
#include "objects/install.h"
#include "objects/namesyntax.h"
#include "objects/slotcomp.h"
#include "screen/inputdialogs.h"
#include "screen/keys.h"
#include "screen/msgbox.h"
#include "screen/screen.h"

namespace {

// The name loop: a valid name, its extension and argument list ignored;
// false on Esc.
bool askfunctionname(furk& object)
{
    for (;;) {
        cprintf(" Enter the function name: ");
        char text[2 * limits::namelength + 80] = {};
        if (lineinput(text, int16_t(sizeof text - 1)) == key::esc)
            return false;
        parsenameinput(text);
        if (!isvalidname(parsedname.name)) {
            tell("\n Not valid as a function name. Repeating input: \n");
            continue;
        }
        if (parsedname.hasextension || parsedname.hasarglist) {
            std::string notice;
            char line[200];
            if (parsedname.hasextension) {
                std::snprintf(line, sizeof line, " Ignoring the extension \"%s\" . \n\r", parsedname.extension);
                notice += line;
            }
            if (parsedname.hasarglist) {
                std::snprintf(line, sizeof line, " Ignoring the argument list \"%s\". \n\r", parsedname.arglist);
                notice += line;
            }
            std::snprintf(line, sizeof line, "\n Using the name only:  \"%s\" \n", parsedname.name);
            tell("%s%s", notice.c_str(), line);
        }
        object.setname(parsedname.name);
        return true;
    }
}

}  // namespace

fu1* installrkfunction(calculator& source)
{
    if (!source.solver || !source.initvalues)
        return nullptr;
    std::unique_ptr<furk> made(new (std::nothrow) furk);
    if (!made || made->failed)
        return nullptr;
    RK* rk = new (std::nothrow) RK(*source.solver);
    std::shared_ptr<valtable> values(rk ? new (std::nothrow) valtable(*source.initvalues) : nullptr);
    if (!rk || !values || rk->failedflag) {
        delete rk;
        return nullptr;
    }
    // The copy's own store becomes the object's, lent back to it.
    varman* store = rk->varsshared ? nullptr : rk->vars;
    rk->vars = nullptr;
    made->replacestore(store);
    made->adopt(rk, values);
    if (!(made->initial = new (std::nothrow) slotcomp))
        return nullptr;
    made->initial->owner = made.get();
    furk::labelinitial(made->initial);
    char letters[2] = {rk->shape.independent, 0};
    std::memcpy(made->argletters, letters, sizeof letters);
    made->nargs = 1;
    if (!made->complete() || !askfunctionname(*made))
        return nullptr;
    made->countvalues();
    made->implement(1, 0);
    readdiagnostics(made.get(), true);
    checkidentity(*made, 1);
    return enterobject(made.release());
}
