#include "objects/compositeparts.h"

#include <new>

#include "formula/diagnostics.h"
#include "formula/evalstate.h"
#include "formula/fingerprint.h"
#include "formula/parser.h"
#include "formula/varman.h"
#include "objects/comment.h"
#include "objects/compositefu.h"
#include "objects/edithooks.h"
#include "objects/install.h"
#include "objects/slotcomp.h"
#include "screen/boxsettings.h"
#include "screen/textlist.h"

void dropunusedstore(fu& object, const markset& marks, std::span<slotcomp* const> components)
{
    if (!object.ownvars || object.ownvars->declarestatics(marks) != 0)
        return;
    for (slotcomp* c : components)
        if (c->code && c->code->vars == object.ownvars)
            c->code->vars = nullptr;
    delete object.ownvars;
    object.ownvars = nullptr;
}

bool fingerprintparts(fu& object, const std::function<bool()>& parts)
{
    if (!shared.print)
        return false;
    if (!object.isimplemented()) {
        shared.print->addobject(0);
        return object.implement(4, 0);
    }
    uint32_t bytes = shared.print->nbytes();
    uint32_t records = shared.print->nrecords();
    if (!parts())
        return false;
    object.fpregister(bytes, records);
    return true;
}

bool fingerprintcomponents(fu& object, std::span<slotcomp* const> components)
{
    return fingerprintparts(object, [components] {
        for (slotcomp* c : components)
            if (!c->implement())
                return false;
        return true;
    });
}

int beginimplement(compositefu& object, uint8_t force)
{
    if (!object.complete())
        return -1;
    if (!object.diag && !(object.diag = new (std::nothrow) diagnostics))
        return -1;
    if (object.isimplemented() && force == 1)
        return 1;
    object.stamp = 0;
    object.diag->clear();
    object.countvalues();
    return 0;
}

int showcomposite(fu1& object, const char* caption, const std::vector<std::string>& lines)
{
    textpage page;
    page.setbounds(20, 7, 0, 0);
    objectinfolines(object, page);
    for (const std::string& line : lines)
        page.addtext(line.c_str());
    if (object.hascomment())
        page.addtext((std::string("\n\r") + object.note->text()).c_str());
    pagecolors(171);
    setfootercode(11);
    setboxtitle(caption);
    return page.show();
}
