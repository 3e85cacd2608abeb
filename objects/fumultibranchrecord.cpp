// The record of an n-formula object: arguments, own store and one
// "@COMPONENT" line per component in list order; the count and order of
// the components alone give the branches and the default action.
#include <istream>
#include <ostream>
#include <string>

#include "formula/recordio.h"
#include "objects/compositerecord.h"
#include "objects/compositeslots.h"
#include "objects/fumultibranch.h"
#include "objects/slotcomp.h"

void fumultibranch::save(std::ostream& out)
{
    writetag(out);
    writeheader(out);
    saveargsandstore(out, *this);
    for (slotcomp* c : components) {
        out << "@COMPONENT\n";
        c->save(out);
    }
    writeend(out);
}

bool fumultibranch::learn(std::istream& in)
{
    if (!readheader(in))
        return false;
    std::string line;
    while (readrecordline(in, line, 80)) {
        switch (matchany(line.c_str(), "@@END", "@ARGS", "@@VARMAN", "@COMPONENT", nullptr)) {
        case 1:
            relabel();
            countvalues();
            return true;
        case 2:
            learnargs(in, *this);
            break;
        case 3:
            if (!learnstore(in, *this))
                return false;
            break;
        case 4:
            if (slotcomp* c = readslotcomponent(in, "fumultibranch::learn")) {
                c->owner = this;
                components.push_back(c);
            }
            break;
        default:
            libreaderror(line.c_str(), "fumultibranch::learn");
            return false;
        }
    }
    return false;
}
