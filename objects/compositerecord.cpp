#include "objects/compositerecord.h"

#include <cstdio>
#include <cstring>
#include <istream>
#include <new>
#include <ostream>
#include <string>

#include "base/limits.h"
#include "formula/recordio.h"
#include "formula/varman.h"
#include "objects/fu1.h"
#include "objects/saveable.h"
#include "objects/slotcomp.h"

void saveargsandstore(std::ostream& out, fu1& object)
{
    out << "@ARGS\n" << object.argletters << '\n';
    if (object.ownvars)
        object.ownvars->save(out);
}

void learnargs(std::istream& in, fu1& object)
{
    std::string line;
    readrecordline(in, line, 80);
    std::snprintf(object.argletters, sizeof object.argletters, "%.*s", int(limits::arglistlength), line.c_str());
    object.nargs = int16_t(std::strlen(object.argletters));
}

bool learnstore(std::istream& in, fu1& object)
{
    varman* store = new (std::nothrow) varman;
    if (!store || !store->learn(in)) {
        delete store;
        return false;
    }
    object.replacestore(store);
    return true;
}
