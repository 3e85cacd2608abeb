// The implementation pass behind a compilation, and the evaluation of an
// expression typed by the user.
#include <string>

#include "base/report.h"
#include "formula/compile.h"
#include "formula/diagnostics.h"
#include "formula/evalstate.h"
#include "formula/fingerprint.h"
#include "formula/parser.h"
#include "formula/services.h"

implpass& pass()
{
    static implpass state;
    return state;
}

namespace {
void implementfailed(diagnostics& dia, fu* component)
{
    dia.set(31, diagstate::component, 0, " Implementierung failed due to problem in \"%s\" \n\r",
            fullname(component).c_str());
    dia.object = component;
}
}

bool postcompile(parser& p, int marker)
{
    implpass& s = pass();
    diagnostics& dia = p.diag ? *p.diag : globaldiagnostics();
    if (int(s.callerlibs.size()) > shared.calllimit) {
        dia.set(30, diagstate::internal, 0,
                " More than %d nested implementations. \n\r Occurred with \"%s\" in postcompile(). \n\r Implementation aborted to avoid stack overflow ",
                int(shared.calllimit), s.current ? fullname(s.current).c_str() : "");
        return false;
    }
    size_t last = s.components.size();
    for (size_t i = size_t(marker < 0 ? 0 : marker); i < last; ++i) {
        fu* component = s.components[i];
        fu* outer = s.current;
        s.current = component;
        s.callerlibs.insert(s.callerlibs.begin(), originlibrary(component));
        chain* context = shared.resolution;
        bool ok = implementcomponent(component, shared.passmode);
        shared.resolution = context;
        s.callerlibs.erase(s.callerlibs.begin());
        s.current = outer;
        if (!ok) {
            implementfailed(dia, component);
            return false;
        }
    }
    return true;
}

double evalexpression(parser& p, const char* text, bool allowseveral)
{
    diagnostics& global = globaldiagnostics();
    global.clear();
    p.diag = &global;
    short type = p.compile(text, nullptr, compilemode::noqueue);
    if (type != 0 && (allowseveral || p.valuecount == 1)) {
        shared.print->reset();
        bool ready = p.implement();
        shared.print->disable();
        if (!ready)
            return 0.0;
        busyscope busy;
        return p.calc0();
    }
    if (type != 0 && !allowseveral && p.valuecount != 1) {
        report(reportkind::message, "\n Expression must be single-valued ! \n", " B A D    I N P U T ");
        p.type = 0;
    }
    return 0.0;
}
