// The record of an infinite sum: arguments, own store, the "@SUMRECORD"
// block, the index letter and one line per component.
#include <cstring>
#include <istream>
#include <new>
#include <ostream>
#include <string>

#include "base/limits.h"
#include "formula/recordio.h"
#include "formula/varman.h"
#include "math/seraccel.h"
#include "objects/compositeslots.h"
#include "objects/fuinfinite.h"
#include "objects/slotcomp.h"
#include "objects/sumrecord.h"

namespace {
constexpr size_t sumkeylinelength = 80;
constexpr size_t skiplength = 100;
}

void fuinfinite::save(std::ostream& out)
{
    if (!complete())
        return;
    writetag(out);
    writeheader(out);
    out << "@ARGS\n" << argletters << '\n';
    if (ownvars)
        ownvars->save(out);
    settings->save(out);
    out << "@SUMVAR\n" << sumvar << '\n';
    for (int i = 0; i < slots; i++)
        if (slot[i]) {
            out << sumslots[i].recordkey << '\n';
            slot[i]->save(out);
        }
    writeend(out);
}

bool fuinfinite::learn(std::istream& in)
{
    if (!readheader(in))
        return false;
    std::string line;
    while (readrecordline(in, line, sumkeylinelength)) {
        int key = matchany(line.c_str(), "@@END", "@ARGS", "@@VARMAN", "@SUMRECORD", "@SUMVAR", "@SUMMAND",
                           "@STARTAT", "@STEP", "@ROT", "@PHASE", nullptr);
        switch (key) {
        case 1:
            // An incomplete record is told once here and not read.
            if (!complete())
                return false;
            countvalues();
            return true;
        case 2:
            readrecordline(in, line, limits::arglistlength);
            std::snprintf(argletters, sizeof argletters, "%s", line.c_str());
            nargs = int16_t(std::strlen(argletters));
            break;
        case 3: {
            varman* store = new (std::nothrow) varman;
            if (!store || !store->learn(in)) {
                delete store;
                return false;
            }
            delete ownvars;
            ownvars = store;
            break;
        }
        case 4:
            delete settings;
            settings = new (std::nothrow) sumrecord;
            if (!settings) {
                failed = 1;
                return false;
            }
            settings->ownerfu = this;
            if (!settings->learn(in))
                return false;
            if (!fitaccelerator()) {
                failed = 1;
                return false;
            }
            break;
        case 5:
            readrecordline(in, line, skiplength);
            sumvar = line.empty() ? 0 : line[0];
            break;
        case 6: case 7: case 8: case 9: case 10: {
            int which = key - 6;
            delete slot[which];
            slot[which] = readslotcomponent(in, "fuinfinite::learn");
            if (!slot[which])
                return false;
            labelslots();
            break;
        }
        default:
            libreaderror(line.c_str(), "fuinfinite::learn");
            return false;
        }
    }
    return false;
}
