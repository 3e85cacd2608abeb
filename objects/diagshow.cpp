#include "objects/diagshow.h"

#include "base/limits.h"
#include "formula/diagnostics.h"
#include "formula/parser.h"
#include "objects/fu.h"
#include "screen/boxsettings.h"
#include "screen/msgbox.h"
#include "screen/tellthem.h"
#include "screen/textlist.h"

diagnostics* collectorof(const fu* object)
{
    if (!object)
        return nullptr;
    if (object->diag)
        return object->diag;
    return object->myparser ? object->myparser->diag : nullptr;
}

namespace {
bool pending(const diagnostics& d, int ignore)
{
    return d.state != 0 && d.code != 0 && d.code != ignore;
}

// An error of an object implemented since is stale; a warning stays.
bool readcollector(diagnostics& d, bool implemented, bool show, int ignore)
{
    if (!pending(d, ignore))
        return false;
    if (d.state == diagstate::component) {
        if (show)
            componenterror(&d);
        return true;
    }
    if (d.iserror() && implemented)
        return false;
    if (show)
        tellthem(&d);
    return !implemented;
}
}

bool readdiagnostics(fu* object, bool show, int ignore)
{
    diagnostics* d = collectorof(object);
    if (!d) {
        // A constant has no parser of its own to miss.
        if (!object->myparser && object->typenumber() != typeids::fuconst)
            tell("\n readdiagnostics() finds: \n\r object has no \"myparser\" !\n");
        tell("\n readdiagnostics() finds no diagnostic-object! \n");
        return false;
    }
    return readcollector(*d, object->isimplemented(), show, ignore);
}

void showdiagnostics(diagnostics* collector)
{
    if (collector)
        readcollector(*collector, false, true, 0);
}

void componenterror(diagnostics* collector)
{
    if (!collector)
        return;
    textpage page;
    diagnostics* d = collector;
    fu* failing = nullptr;
    // The depth of nested implementations bounds the chain.
    for (int depth = 0; depth <= limits::maximplementdepth; ++depth) {
        page.addlinef("%s", d->message().c_str());
        if (d->state != diagstate::component || !d->object)
            break;
        failing = d->object;
        diagnostics* next = collectorof(failing);
        if (!next || next == d)
            break;
        d = next;
    }
    if (failing)
        page.addlinef("\n\r press <enter> to view \"%s\"'s formula... ", failing->fullname().c_str());
    setboxtitle(" component error ");
    setfootertext(" <esc> <enter> ");
    page.show();
    tellthem(d);
}

void objnotimplemented()
{
    msgstyle(1);
    tell("\n The object is not implemented ! \n");
}
