// The keys of the context list and the component list.
#include <cstring>
#include <memory>
#include <string>

#include "formula/evalstate.h"
#include "formula/varman.h"
#include "objects/codelist.h"
#include "objects/comment.h"
#include "objects/context.h"
#include "objects/contexthelp.h"
#include "objects/contextlist.h"
#include "objects/diagshow.h"
#include "objects/fu1.h"
#include "objects/install.h"
#include "objects/librarylist.h"
#include "objects/varedit.h"
#include "objects/varlist.h"
#include "screen/boxsettings.h"
#include "screen/keys.h"
#include "screen/msgbox.h"
#include "screen/uiutil.h"

namespace {

constexpr int keyins = 338, keydel = 339, keyf2 = 316, ctrlw = 23;

std::unique_ptr<comment> transfer;

// Changes to a foreign copy are lost at the next context change.
void foreignwarning(const fu1* object)
{
    if (object->origin == 0)
        return;
    const char* home = libraryname(object->origin);
    if (!home)
        home = "?";
    setboxtitle(" W A R N I N G ");
    setfootercode(10);
    msgstyle(1);
    tell("\n This is a foreign object from \"%s\". \n\r Whatever changes you make will be lost upon context change. \n\r To make permanent changes to this object you must switch to \n\r its home context \"%s\" before editing. \n",
         home, home);
}

void refillat(contextlist& list, const fu1* object)
{
    int32_t line = list.current;
    if (list.refill())
        list.showobject(object, line);
}

// Implements anew (mode 1 if needed, 2 completely) and shows a diagnosis.
bool implementshown(fu1* object, int mode)
{
    bool done = object->implement(uint8_t(mode), 0);
    readdiagnostics(object, true);
    return done;
}

// i: an implemented object loses its implementation, another is
// implemented (a diagnosis shown).
void toggleimplemented(contextlist& list, fu1* object)
{
    if (object->isimplemented()) {
        clearimplemented(object);
        list.redraw();
    } else {
        implementshown(object, 1);
        refillat(list, object);
    }
}

void viewcomponents(contextlist& list, fu1* object)
{
    int type = object->typenumber();
    if (type == typeids::fuconst || type == typeids::fuvector) {
        msgbox("\n This object has no components ! \n", 1000);
        return;
    }
    showcomponents(object);
    refillat(list, object);
}

void editcomment(contextlist& list, fu1* object)
{
    foreignwarning(object);
    bool made = !object->note;
    if (made)
        object->note = new comment;
    std::string before = object->note->text();
    object->note->editfor(object);
    if (object->note->text() != before) {
        object->setmark('C');
    } else if (made) {
        delete object->note;
        object->note = nullptr;
    }
    list.redraw();
}

void pickcomment(const fu1* object)
{
    if (!object->hascomment()) {
        msgstyle(1);
        msgbox("\n Cannot pick up comment for transfer because \n\r this object has no comment \n");
        return;
    }
    transfer = std::make_unique<comment>(*object->note);
    okbox();
}

void dropcomment(contextlist& list, fu1* object)
{
    if (!transfer || transfer->length() == 0) {
        msgstyle(1);
        msgbox("\n There has no transfer comment been <p>icked up yet! \n");
        return;
    }
    if (object->hascomment() && !isyes(msgbox("\n Overwrite previous comment ? (y/n) \n")))
        return;
    if (!object->note)
        object->note = new comment;
    object->note->assign(*transfer);
    okbox();
    object->setmark('C');
    list.redraw();
}

// Edits the object after the foreign warning; true when it changed.
bool editobject(fu1* object)
{
    foreignwarning(object);
    std::string marks = object->marks;
    object->edit();
    if (marks == object->marks)
        return false;
    object->setmark('e');
    return true;
}

void renamed(contextlist& list, fu1* object)
{
    std::string old = displayname(object);
    if (!renameobject(*object))
        return;
    logchange(logrenamed, object, old.c_str());
    nextgeneration();
    touch(0);
    if (contextstate::sorted)
        refillat(list, object);
    else
        list.redraw();
}

void editvariable(fu1* object)
{
    int k = msgbox(" enter/edit a variable: \n\n\r Which one ?");
    if (k > 0 && k < 128 && varman::letternumber(char(k)) >= 0 && varedit(char(k), object))
        object->setmark('w');
}

void ownvariables(const fu1* object, const char* none)
{
    if (listvariables(object->ownvars, nullptr) == 0)
        msgbox(none, 500);
}

void duplicate(contextlist& list, fu1* object)
{
    std::unique_ptr<fu1> copy(object->clone());
    if (!copy || copy->failed || !renameobject(*copy)) {
        msgfailed();
        return;
    }
    if (object->hascomment() && isyes(msgbox("\n copy the comment, too ? (y/n) \n")))
        copy->note = new comment(*object->note);
    copy->origin = 0;
    fu1* made = copy.release();
    context->append(made);
    made->setmark('n');
    touch(0);
    refillat(list, made);
}

void incorporate(contextlist& list, fu1* object)
{
    if (object->origin == 0) {
        msgstyle(1);
        msgbox("\n only foreign objects can be incorporated ! \n");
        return;
    }
    if (naturalize(object))
        touch(0);
    refillat(list, object);
}

void insertcalculator(contextlist& list, fu1* object)
{
    if (!list.cancreatecalc) {
        msgstyle(1);
        msgbox("\n Command unavailable from here while the database is open ! \n");
        return;
    }
    if (createcalculator && createcalculator(object))
        okbox(500);
    else
        msgfailed();
}

}  // namespace

void droptransfercomment()
{
    transfer.reset();
}

void contextlist::deleteobject(int& key)
{
    fu1* object = objectat();
    if (!object)
        return;
    if (!isyes(tell("\n Do you really want to delete \"%s\" (y/n) ? \n", object->fullname().c_str())))
        return;
    logchange(logdeleted, object);
    if (context->count < 2) {
        context->clear();
        lines.clear();
        key = key::esc;
    } else {
        context->remove(object);
        delete object;
        if (refill())
            redraw();
    }
    nextgeneration();
    touch(0);
}

void contextlist::filterkey(int& key)
{
    if (key == key::esc)
        key = key::enter;
    else if (key == keydel)
        deleteobject(key);
}

void contextlist::otherkey(int& key)
{
    fu1* object = objectat();
    if (!object)
        return;
    switch (key) {
    case 'v': object->show(); break;
    case 'V': viewcomponents(*this, object); break;
    case 'i': toggleimplemented(*this, object); break;
    case 'I':
        if (implementshown(object, 2))
            showcomponents(object);
        refillat(*this, object);
        break;
    case 'c': showobjectcode(object); break;
    case 'C': editcomment(*this, object); break;
    case 'p': pickcomment(object); break;
    case 'd': dropcomment(*this, object); break;
    case 'e': {
        int nargs = object->nargs, nvalues = object->nvalues;
        if (editobject(object) && (object->nargs != nargs || object->nvalues != nvalues)) {
            nextgeneration();
            touch(0);
        }
        redraw();
        break;
    }
    case 'r': renamed(*this, object); break;
    case 'w': editvariable(object); break;
    case 'W':
        showvariablesof(object);
        redraw();
        break;
    case ctrlw: ownvariables(object, "\n no variables defined \n\r"); break;
    case keyins: insertcalculator(*this, object); break;
    case '+': incorporate(*this, object); break;
    case 's':
        contextstate::sorted = !contextstate::sorted;
        refillat(*this, object);
        break;
    case '2': duplicate(*this, object); break;
    case keyf2: savecontextcmd(); break;
    case key::f1: contextkeyhelp(kind); break;
    }
}

void complist::filterkey(int& key)
{
    if (key == key::esc) {
        key = key::enter;
        return;
    }
    if (key != keydel || !candelete)
        return;
    fu1* object = objectat();
    if (!object)
        return;
    components.erase(std::remove(components.begin(), components.end(), object), components.end());
    if (collisionmode)
        dropcollision(object);
    if (!refill()) {
        key = key::esc;
        return;
    }
    redraw();
    key = nokey;
}

void complist::otherkey(int& key)
{
    fu1* object = objectat();
    if (!object)
        return;
    switch (key) {
    case 'v': object->show(); return;
    case 'c': showobjectcode(object); return;
    case 'W':
        showvariablesof(object);
        redraw();
        return;
    case 'i': toggleimplemented(*this, object); return;
    case ctrlw: ownvariables(object, "\n no variables defined so far \n\r"); return;
    case key::f1: componentkeyhelp(candelete, canedit, help); return;
    }
    if (!canedit)
        return;
    switch (key) {
    case 'C': editcomment(*this, object); break;
    case 'w': editvariable(object); break;
    case 'e': {
        int nargs = object->nargs, nvalues = object->nvalues;
        if (!editobject(object))
            break;
        nextgeneration();
        if (object->nargs == nargs && object->nvalues == nvalues) {
            redraw();
            break;
        }
        if (object->origin == 0)
            touch(0);
        setboxtitle(" W A R N I N G ");
        msgstyle(2);
        std::string what;
        if (object->nargs != nargs)
            what += "\n You've changed the number of arguments. \n\r";
        if (object->nvalues != nvalues)
            what += "\n You've changed the number of values. \n\r";
        tell("%s This will cause \"%s\" to drop out of the implementation \n\r of calculator %d !\n\r", what.c_str(),
             object->fullname().c_str(), revolvercalculator);
        redraw();
        break;
    }
    }
}
