// The record of a Runge-Kutta function: arguments, own store, the
// returned derivative level, the initial-values formula (runtime initial
// values) and the "@RKITERATOR" block, with the start values only when
// they are constants.
#include <istream>
#include <new>
#include <ostream>
#include <string>

#include "calculator/furk.h"
#include "calculator/rk.h"
#include "calculator/rkiterator.h"
#include "formula/recordio.h"
#include "math/valtable.h"
#include "objects/compositerecord.h"
#include "objects/compositeslots.h"
#include "objects/slotcomp.h"

void furk::save(std::ostream& out)
{
    if (!complete())
        return;
    writetag(out);
    writeheader(out);
    saveargsandstore(out, *this);
    if (returnorder)
        out << "@RETURNORDER\n" << returnorder << '\n';
    if (runtime) {
        out << "@INIVALSFURK\n";
        initial->save(out);
    }
    RKiterator(*solver).save(out, !runtime);
    writeend(out);
}

namespace {
// A 16-bit count at the head of the next line; the rest is skipped.
bool readorder(std::istream& in, uint16_t& value)
{
    std::string line;
    if (!readrecordline(in, line, 100))
        return false;
    char* end = nullptr;
    unsigned long v = std::strtoul(line.c_str(), &end, 10);
    if (end == line.c_str() || v > 0xffff)
        return false;
    value = uint16_t(v);
    return true;
}
}  // namespace

bool furk::learn(std::istream& in)
{
    if (!readheader(in))
        return false;
    std::string line;
    while (readrecordline(in, line, 80)) {
        switch (matchany(line.c_str(), "@ARGS", "@@VARMAN", "@RKITERATOR", "@INIVALSFURK", "@RETURNORDER", "@@END",
                         nullptr)) {
        case 1:
            learnargs(in, *this);
            break;
        case 2:
            if (!learnstore(in, *this))
                return false;
            if (solver)
                solver->vars = ownvars;
            break;
        case 3: {
            RK* rk = new (std::nothrow) RK;
            if (!rk)
                return false;
            RKiterator block(*rk);
            bool read = block.learn(in);
            adopt(rk, rk->table);
            if (!read || !table)
                return false;
            runtime = !block.startvalues;
            if (!initial && !(initial = new (std::nothrow) slotcomp))
                return false;
            initial->owner = this;
            labelinitial(initial);
            break;
        }
        case 4:
            delete initial;
            if (!(initial = readslotcomponent(in, "furk::learn")))
                return false;
            initial->owner = this;
            labelinitial(initial);
            break;
        case 5:
            if (!readorder(in, returnorder)) {
                libreaderror(line.c_str(), "furk::learn");
                return false;
            }
            break;
        case 6:
            if (!initial && (initial = new (std::nothrow) slotcomp)) {
                initial->owner = this;
                labelinitial(initial);
            }
            countvalues();
            if (solver)
                solver->vars = ownvars;
            return true;
        default:
            libreaderror(line.c_str(), "furk::learn");
            return false;
        }
    }
    return false;
}
