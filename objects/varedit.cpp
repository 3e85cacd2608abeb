#include "objects/varedit.h"

#include <string>

#include "base/report.h"
#include "base/serial.h"
#include "formula/evalstate.h"
#include "formula/fingerprint.h"
#include "formula/markset.h"
#include "formula/parser.h"
#include "formula/varman.h"
#include "objects/fu.h"
#include "objects/fu1.h"
#include "objects/saveable.h"
#include "screen/inputdialogs.h"
#include "screen/msgbox.h"
#include "screen/screen.h"

namespace {

bool islocal(char cls)
{
    return cls == classstatic || cls == classconst;
}

std::string titleof(char letter, const varman* own, char cls)
{
    std::string title;
    if (own) {
        title = std::string(" local variable ") + letter + "  (#" + markset::classname(cls) + ") ";
    } else {
        title = std::string(" global variable ") + letter;
        if (!shared.globals || !shared.globals->classof(letter))
            title += "  (undefined) ";
    }
    return title;
}

// Edits the letter in own when it is #static or #const there, else in the
// global store.
bool editin(char letter, varman* own, fu* object)
{
    if (varman::letternumber(letter) < 0)
        return false;
    char cls = own ? own->classof(letter) : classnone;
    varman* store = islocal(cls) ? own : shared.globals;
    if (!store)
        return false;
    if (store != own)
        own = nullptr;
    double value = store->value(letter);
    inputparser().answer = value;
    entrybox(&value, int16_t(screencols()), int16_t(screenrows() - 2), titleof(letter, own, cls).c_str());
    if (inputstate == inputstates::empty) {
        if (!own)
            store->clearclass(letter);
    } else if (inputstate == inputstates::taken) {
        store->setvalue(letter, value);
        if (own)
            store->record(letter)->cls = cls;
    } else {
        return false;
    }
    nextserial();
    if (own && object) {
        object->serial = newserial();
        // The object's own values changed: it is to be saved.
        if (auto* changed = dynamic_cast<fu1*>(object))
            changed->setmark('w');
    }
    return true;
}

}  // namespace

varman* varmanof(char letter, const fu* object)
{
    if (object && object->ownvars && islocal(object->ownvars->classof(letter)))
        return object->ownvars;
    return shared.globals;
}

bool varedit(char letter, fu* object)
{
    if (object && object->typenumber() == typeids::funmx)
        report(reportkind::unexpected, " varedit ");
    return editin(letter, object ? object->ownvars : nullptr, object);
}

bool vareditstore(char letter, varman* store)
{
    return store ? editin(letter, store, nullptr) : varedit(letter, nullptr);
}

void askvariable(fu* object)
{
    int k = msgbox(" enter/edit a variable: \n\n\r Which one ?");
    if (k > 0 && k < 128 && varman::letternumber(char(k)) >= 0)
        varedit(char(k), object);
}
