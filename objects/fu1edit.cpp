// The edit transaction of fu1 and the kinds built on it: the former
// version waits in the shared save area until the edit is kept or undone.
#include <cstring>
#include <new>

#include "formula/destroyparser.h"
#include "formula/evalstate.h"
#include "formula/parser.h"
#include "formula/varman.h"
#include "objects/comment.h"
#include "objects/edithooks.h"
#include "objects/fu1.h"

editsave editstate;

namespace {
// Deletes the kept parser and its store.
void dropkept()
{
    if (editstate.keptparser && editstate.keptparser->vars == editstate.keptvars)
        editstate.keptparser->vars = nullptr;
    destroyparser(editstate.keptparser);
    delete editstate.keptvars;
    editstate.keptparser = nullptr;
    editstate.keptvars = nullptr;
}

// The comment as it was when the edit began.
void restorenote(fu1& object)
{
    if (!editstate.hadnote) {
        delete object.note;
        object.note = nullptr;
    } else if (object.note) {
        object.note->settext(editstate.note.c_str());
    } else {
        object.note = new (std::nothrow) comment(editstate.note.c_str());
    }
}
}

void fu1::edittitle()
{
    seteditcaption(" Edit a 1-Formula-Function ");
}

bool fu1::edititems(attrlines& lines)
{
    return additem(lines, 70, std::string(text()) + "\n\n\r");
}

// The edited version works on a copy of the own store.
bool fu1::beginedit()
{
    if (!editstate.text && !(editstate.text = new (std::nothrow) char[editbuffersize]))
        return false;
    varman* copy = ownvars ? new (std::nothrow) varman(*ownvars) : nullptr;
    if (ownvars && !copy)
        return false;
    dropkept();
    std::strncpy(editstate.text, text(), editbuffersize - 1);
    editstate.text[editbuffersize - 1] = 0;
    editstate.nargs = nargs;
    editstate.nvalues = nvalues;
    editstate.keptparser = myparser;
    editstate.keptvars = ownvars;
    myparser = nullptr;
    ownvars = copy;
    std::memcpy(editstate.argletters, argletters, sizeof argletters);
    editstate.wasimplemented = isimplemented();
    editstate.hadnote = note != nullptr;
    editstate.note = note ? note->text() : "";
    stamp = 0;
    editstate.changed = false;
    return true;
}

// Without the parser the former text, letters and static values return
// and the object is implemented again at its next use: the parser at hand
// holds other code.
bool fu1::restoreedit(uint8_t withparser)
{
    setformula(editstate.text, editstate.argletters);
    if (withparser) {
        dropparser(myparser);
        delete ownvars;
        myparser = editstate.keptparser;
        ownvars = editstate.keptvars;
        editstate.keptparser = nullptr;
        editstate.keptvars = nullptr;
    } else {
        replacestore(editstate.keptvars ? new (std::nothrow) varman(*editstate.keptvars) : nullptr);
    }
    nargs = editstate.nargs;
    nvalues = editstate.nvalues;
    restorenote(*this);
    stamp = 0;
    if (withparser && editstate.wasimplemented)
        setimplemented();
    editstate.changed = false;
    return false;
}

// The kept version marks the object changed, so that it is saved (also a
// foreign copy) and listed among the changes.
bool fu1::commitedit()
{
    dropkept();
    bool noted = editstate.note != (note ? note->text() : "");
    bool edited = std::strcmp(editstate.text, text()) != 0 || nargs != editstate.nargs ||
                  nvalues != editstate.nvalues || std::strcmp(editstate.argletters, argletters) != 0;
    if (noted)
        setmark('C');
    if (edited || !noted)
        setmark('e');
    // Callers of the former identity must look for it again; the object's
    // own code was compiled for the new one by the editor's check.
    if (nargs != editstate.nargs || nvalues != editstate.nvalues) {
        bool ready = isimplemented();
        nextgeneration();
        if (ready)
            setimplemented();
    }
    endeditcheck(*this, 2);
    return true;
}

int fu1::edit()
{
    newversion();
    return editfunction(*this);
}
