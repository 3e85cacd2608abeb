#include "screen/inputeval.h"

#include <cmath>
#include <memory>

#include "formula/compile.h"
#include "formula/diagnostics.h"
#include "formula/evalstate.h"
#include "formula/parser.h"
#include "screen/inputdialogs.h"
#include "screen/tellthem.h"

int32_t inputstate = 0;

namespace {
std::unique_ptr<parser> entry;
}

parser& inputparser()
{
    makeinputparser();
    return *entry;
}

void makeinputparser()
{
    if (!entry)
        entry = std::make_unique<parser>();
}

void dropinputparser()
{
    entry.reset();
}

bool inputok(const parser& p)
{
    return p.type != 0 && p.isimplemented() && shared.error == 0;
}

int32_t evaluateinput(const char* text, double& value, bool showerrors)
{
    if (lastinputkey == key::esc)
        return inputstates::cancelled;
    if (!*text)
        return inputstates::empty;
    parser& p = inputparser();
    p.answer = value;
    evalexpression(p, text, false);
    if (inputok(p)) {
        value = p.answer;
        return inputstates::taken;
    }
    diagnostics& d = globaldiagnostics();
    if (showerrors && d.state != diagstate::none)
        tellthem(&d);
    return inputstates::novalue;
}

long checkedwhole(double result, long old, long low, long high)
{
    if (inputstate != inputstates::taken)
        return old;
    if (!(result >= double(low) && result <= double(high))) {
        inputstate = inputstates::range;
        return old;
    }
    return long(std::trunc(result));
}
