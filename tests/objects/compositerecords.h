// Library records of the composite kinds for the tests, as the writer
// spells them.
#pragma once

#include <cstring>
#include <sstream>
#include <string>

#include "formula/evalstate.h"
#include "objects/context.h"
#include "objects/fu.h"
#include "objects/slotcomp.h"
#include "tests/objects/libfixture.h"

namespace compositerecords {

inline std::string head(const char* tag, const char* name, const char* args, int nvalues)
{
    std::ostringstream r;
    r << tag << '\n' << name << '\n' << std::strlen(args) << '\n' << nvalues << "\n@DATA\n@ARGS\n" << args << '\n';
    return r.str();
}

inline std::string finitsum(const char* name, const char* args, char index, const char* start, const char* stop,
                            const char* step, const char* summand, int nvalues = 1)
{
    return head("@@FUFINITSUM", name, args, nvalues) + "@SUMVAR\n" + index + "\n@STARTAT\n" + start + "\n@STOPAT\n" + stop +
           "\n@INCREMENT\n" + step + "\n@SUMMAND\n" + summand + "\n@@END FUFINITSUM\n";
}

inline std::string conditional(const char* name, const char* args, const char* condition, const char* one,
                               const char* two, int nvalues = -1)
{
    if (nvalues < 0)
        nvalues = 1 + int(std::strchr(one, ',') != nullptr);
    return head("@@FUCONDITIONAL", name, args, nvalues) + "@CONDITION\n" + condition + "\n@ALTERTRUE\n" + one +
           "\n@ALTERFALSE\n" + two + "\n@@END FUCONDITIONAL\n";
}

inline std::string parin(const char* name, const char* args, char param, const char* left, const char* right,
                         const char* integrand, const char* precision = "12", const char* maxiter = "1000",
                         int nvalues = 1)
{
    return head("@@FUPARIN", name, args, nvalues) + "@INTEGVAR\n" + param + "\n@LEFT\n" + left + "\n@RIGHT\n" + right +
           "\n@INTEGRAND\n" + integrand + "\n@PRECISION\n" + precision + "\n@MAXITER\n" + maxiter +
           "\n@@END FUPARIN\n";
}

}  // namespace compositerecords

// The context opened on a library of composite objects, reports off.
struct compositelibrary : libdir {
    void start(const std::string& library)
    {
        jitreportsleft = -1;
        shared.reportswitch = 0;
        put("DESKTOP.LIB", library);
        open();
    }
    void TearDown() override
    {
        slotcomp::dropspare();
        libdir::TearDown();
    }
    // The object of the kind with the name.
    template <class kind>
    kind* find(const char* name)
    {
        for (int i = 1; i <= context->count; ++i) {
            auto* f = dynamic_cast<kind*>(context->at(i));
            if (f && std::strcmp(f->name, name) == 0)
                return f;
        }
        return nullptr;
    }
};
