// The records of fu1: "@ARGS", "@FORMULA" and an optional "@@VARMAN" block.
#include <istream>
#include <new>
#include <ostream>

#include "base/limits.h"
#include "formula/recordio.h"
#include "formula/varman.h"
#include "objects/fu1.h"

namespace {
constexpr size_t keylinelength = 79;
}

void fu1::save(std::ostream& out)
{
    if (!formula || !*formula)
        return;
    writetag(out);
    writeheader(out);
    out << "@ARGS\n" << argletters << "\n@FORMULA\n" << formula << '\n';
    if (ownvars)
        ownvars->save(out);
    writeend(out);
}

// The value count follows the formula text; where the text alone cannot
// tell it, the header's count stays.  A header error (reported) does not
// stop the reading: the body's own errors are reported too.  The library
// reader passes over a record read so, as it does not write back whole.
bool fu1::learn(std::istream& in)
{
    readheader(in);
    const int16_t headervalues = nvalues;
    std::string line;
    bool cut = false;
    while (readrecordline(in, line, keylinelength)) {
        switch (matchany(line.c_str(), "@@END", "@ARGS", "@FORMULA", "@@VARMAN", nullptr)) {
        case 1:
            return true;
        case 2:
            readrecordline(in, line, limits::arglistlength);
            if (int(line.size()) != nargs)
                libreaderror(line.c_str(), "nofargs-mismatch in fu1::learn");
            setformula(nullptr, line.c_str());
            if (nvalues == 0)
                nvalues = headervalues;
            break;
        case 3:
            readrecordline(in, line, limits::formulalength, &cut);
            if (cut) {
                libreaderror(line.c_str(), "fu1::learn");
                return false;
            }
            setformula(line.c_str(), argletters);
            if (nvalues == 0)
                nvalues = headervalues;
            break;
        case 4: {
            varman* store = new (std::nothrow) varman;
            if (!store || !store->learn(in)) {
                delete store;
                return false;
            }
            replacestore(store);
            break;
        }
        default:
            libreaderror(line.c_str(), "fu1::learn");
            return false;
        }
    }
    return false;
}
