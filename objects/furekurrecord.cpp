// The record of a recursion object: arguments, own store and one line
// per component.
#include <istream>
#include <ostream>
#include <string>

#include "formula/recordio.h"
#include "objects/compositerecord.h"
#include "objects/compositeslots.h"
#include "objects/furekur.h"
#include "objects/slotcomp.h"

void furekur::save(std::ostream& out)
{
    if (!complete())
        return;
    writetag(out);
    writeheader(out);
    saveargsandstore(out, *this);
    for (int i : {ini, whilepart, body, untilpart, evalpart, itermax}) {
        out << (i == body && formulakey ? "@FORMULA" : info[i].recordkey) << '\n';
        slot[i]->save(out);
    }
    writeend(out);
}

bool furekur::learn(std::istream& in)
{
    if (!readheader(in))
        return false;
    // Keys in matching order, with the component each reads; "@FORMULA"
    // is the body of older records.
    static const int component[] = {-1, -1, ini, -1, whilepart, body, untilpart, evalpart, itermax, body};
    std::string line;
    while (readrecordline(in, line, 80)) {
        int key = matchany(line.c_str(), "@@END", "@ARGS", "@INI", "@@VARMAN", "@WHILE", "@BODY", "@UNTIL", "@EVAL",
                           "@ITERMAX", "@FORMULA", nullptr);
        switch (key) {
        case 1:
            countvalues();
            return true;
        case 2:
            learnargs(in, *this);
            break;
        case 4:
            if (!learnstore(in, *this))
                return false;
            break;
        case 0:
            libreaderror(line.c_str(), "furekur::learn");
            return false;
        default: {
            if (key == 6 || key == 10)
                formulakey = key == 10;
            slotcomp*& c = slot[component[key - 1]];
            delete c;
            if (!(c = readslotcomponent(in, "furekur::learn")))
                return false;
            labelslots();
        }
        }
    }
    return false;
}
