#include "objects/contextcmds.h"

#include <algorithm>
#include <cstring>

#include "formula/compile.h"
#include "formula/evalstate.h"
#include "objects/context.h"
#include "objects/contextlist.h"
#include "objects/diagshow.h"
#include "objects/fu1.h"
#include "objects/fudaba.h"
#include "objects/librarylist.h"
#include "platform/core/files.h"
#include "screen/boxsettings.h"
#include "screen/filenames.h"
#include "screen/keys.h"
#include "screen/msgbox.h"
#include "screen/palette.h"
#include "screen/uiutil.h"

bool collisionmode = false;

namespace {

const char* currentname()
{
    const char* name = libraryname(currentlibrary);
    return name ? name : "";
}

bool listed(const componentlist& list, const fu1* object)
{
    return std::find(list.begin(), list.end(), object) != list.end();
}

bool resident(const fu* object)
{
    for (listnode* node = context ? context->head : nullptr; node; node = node->next)
        if (node == object)
            return true;
    return false;
}

void forget(fu1* object)
{
    context->remove(object);
    delete object;
}

const char incorporationhelptext[] =
    "\n You are about to incorporate a user defined object \n\r in the current context. This list has the object and \n\r all foreign components called by it. All items in this \n\r list will be incorporated. If you disagree, browse the \n\r list and remove some by pressing <del> on them. \n\r This will clear them from this incorporation list \n\r only, without deleting them in the local context. \n\n\r There's more on building libraries in \"lib3.wri\".\n";

const char collisionhelptext[] =
    "\n The <+>-command cannot execute as long as \n\r incorporation would lead to name collisions. \n\r In this environment, you are expected to \n\r delete one copy of each pair with conflic- \n\r ting identity. Deleting them from this list \n\r will also delete them from the local context, \n\r thus making incorporation possible. \n\n\r An object's \"identity\" is the combination \n\r of its name, number of arguments, number of \n\r values.\n";

void incorporationhelp()
{
    infohelp(incorporationhelptext, 1, 1);
}

void collisionhelp()
{
    infohelp(collisionhelptext, 1, 1);
}

// The incorporation list shown and asked about until '1' or Esc; true
// when the list as it stands then was incorporated.
bool confirmincorporation(fu1* object, componentlist& list)
{
    for (;;) {
        setboxcolors(0, 0, 15, 15, 15);
        showcomponentlist(list, " objects to be incorporated: ", "/", incorporationhelp);
        for (;;) {
            int key = tell("\n incorporating \"%s\" :\n\n\r The object and its components will become part of \"%s\". \n\r Please delete all components that should NOT be incorporated! \n\n\r <1>       OK incorporate the list that was displayed \n\r <enter>   edit the list again\n\r <esc>     cancel\n",
                           object->name, currentname());
            if (key == key::esc || key == 0)
                return false;
            if (key == '1') {
                naturalizelist(list);
                return true;
            }
            if (key == key::enter)
                break;
        }
    }
}

}  // namespace

bool calledcomponents(fu1* object, componentlist& list)
{
    if (!residentcomponents(object, list))
        return false;
    list.insert(list.begin(), object);
    return true;
}

bool residentcomponents(fu* object, componentlist& list)
{
    list.clear();
    // A full implementation of this object starts a pass of its own, so
    // the list is this object's and not the last compiled formula's.
    if (!object->implement(2, 0))
        return false;
    for (fu* found : pass().components) {
        // Only the context's objects are fu1 (the object itself may not be).
        if (found == object || !resident(found))
            continue;
        fu1* component = static_cast<fu1*>(found);
        if (!listed(list, component))
            list.push_back(component);
    }
    return true;
}

void countownforeign(const chain& list, long& own, long& foreign)
{
    own = foreign = 0;
    for (listnode* node = list.head; node; node = node->next)
        ++(isown(static_cast<fu1*>(node)) ? own : foreign);
}

componentlist foreignobjects(const chain& list)
{
    componentlist found;
    for (listnode* node = list.head; node; node = node->next)
        if (!isown(static_cast<fu1*>(node)))
            found.push_back(static_cast<fu1*>(node));
    return found;
}

componentlist foreigncomponents(const componentlist& list)
{
    componentlist found;
    for (fu1* object : list)
        if (!isown(object) && !listed(found, object))
            found.push_back(object);
    return found;
}

componentlist findcollisions(componentlist& incorporation, const chain& list)
{
    componentlist pairs;
    for (auto at = incorporation.begin(); at != incorporation.end();) {
        fu1* foreign = *at;
        fu1* own = foreign->origin != 0
                       ? findresidentat(list, foreign->name, foreign->nargs, foreign->nvalues, 0)
                       : nullptr;
        if (!own) {
            ++at;
            continue;
        }
        pairs.push_back(own);
        pairs.push_back(foreign);
        at = incorporation.erase(at);
    }
    return pairs;
}

void naturalizelist(const componentlist& list)
{
    for (fu1* object : list) {
        object->origin = 0;
        object->setmark('+');
    }
}

void deletelisted(pcontext& list, const componentlist& doomed)
{
    for (fu1* object : doomed) {
        logchange(logdeleted, object);
        list.remove(object);
        delete object;
    }
}

bool dropcollision(fu1* object)
{
    if (!collisionmode || !resident(object))
        return false;
    logchange(logdeleted, object);
    forget(object);
    nextgeneration();
    touch(0);
    return true;
}

bool naturalize(fu1* object)
{
    if (object->origin == 0)
        return true;
    componentlist called;
    if (object->typenumber() == typeids::fuconst) {
        called.push_back(object);
    } else if (!calledcomponents(object, called)) {
        readdiagnostics(object, true);
        return false;
    }
    componentlist list = object->typenumber() == typeids::fuconst ? called : foreigncomponents(called);
    if (list.empty()) {
        unexpectederror(" empty list of foreign objects (naturalize) ");
        return false;
    }
    componentlist collisions = findcollisions(list, *context);
    if (collisions.empty())
        return confirmincorporation(object, list);
    int key = tell("\n attempted incorporation of \"%s\": \n\n\r failed because certain components caused name collisions \n\r with the local objects. \n\r <esc>    OK\n\r <enter>  show a list of conflicting objects\n",
                   object->name);
    if (key == key::enter) {
        collisionmode = true;
        setboxcolors(0, 0, 15, 15, 15);
        showcomponentlist(collisions, " name collisions: ", "/", collisionhelp);
        collisionmode = false;
    }
    return false;
}

bool savewithcount(pcontext& list, const std::string& path, bool foreign, bool ask, savemode mode)
{
    if (ask && !foreign) {
        long own, others;
        countownforeign(list, own, others);
        std::string name = path.substr(path.rfind('/') + 1);
        if (tell("\n\r The library \"%s\" will contain %ld objects.\n\r (the %ld foreign objects will not be included) \n\n\r <enter>     OK\n\r <esc>       cancel\n",
                 name.c_str(), own, others) == key::esc)
            return false;
    }
    return writelib(path, list, foreign, mode, mode == savemode::context ? &list.kept : nullptr);
}

bool pcontext::SAVE()
{
    const char* name = libraryname(currentlibrary);
    if (currentlibrary == 0 || !name) {
        unexpectederror("Pcontext::SAVE()");
        return false;
    }
    if (!savewithcount(*this, librarypath(currentlibrary), isdesktop(), true, savemode::context))
        return false;
    touch(currentlibrary);
    changerecclear();
    return true;
}

bool newlibrary()
{
    if (!context || context->count == 0) {
        setfootercode(10);
        msgstyle(1);
        msgbox("\n cannot create a file from an empty context! \n\r");
        return false;
    }
    std::string oldname = currentname();
    setboxtitle(" creating a new Library ");
    bool active = tell("\n are you creating \n\n\r <1>  an active library (with extension -.lib) \n\r <2>  an inactive backup (with extension -.lb) ? \n") == '1';
    char buffer[limits::newnamelength + 8] = "";
    std::string name = newfilename(buffer, nullptr, active ? "lib" : "lb");
    if (name.empty())
        return false;
    // The name resolves in the work directory ignoring letter case, as
    // every library file does; the file is made under the spelling typed.
    std::string path = resolvefile(workdirectory(), name);
    // A context of foreign copies alone makes an empty library.
    if (!savewithcount(*context, path, false, true, savemode::copy))
        return false;
    if (active) {
        int n = addlibrary(name);
        if (n != 0 && database)
            database->addlibrary(n);
    }
    tell("\n a copy of the current context \"%s\" has been saved \n\r as a new library \"%s\" . You are still in \"%s\" \n",
         oldname.c_str(), name.c_str(), oldname.c_str());
    return true;
}

int deleteforeignobjects(pcontext& list)
{
    componentlist doomed = foreignobjects(list);
    deletelisted(list, doomed);
    return int(doomed.size());
}

void deleteforeign()
{
    long own, foreign;
    countownforeign(*context, own, foreign);
    if (foreign == 0) {
        msgbox("\n delete all foreign material - \n\r  nothing left to delete ! \n");
        return;
    }
    int key;
    do {
        setboxtitle(" Confirm Deleting ");
        key = tell("\n You are deleting all foreign material from \"%s\" \n\r   (those are the objects marked by an asterisk). \n\r\n Objects to be deleted: %ld \n\r Objects that will be left: %ld \n\n\r <1>     OK\n\r <esc>   cancel\n",
                   currentname(), foreign, own);
    } while (key == key::enter);
    if (key != '1')
        return;
    int deleted = deleteforeignobjects(*context);
    if (deleted > 0) {
        nextgeneration();
        touch(0);
    }
    tell("\n %ld objects deleted \n", long(deleted));
}

namespace {
void emptycontext()
{
    context->clear();
    logchange(logalldeleted, nullptr);
    nextgeneration();
    touch(0);
}
}

bool clearcontext()
{
    if (!isdesktop()) {
        msgstyle(1);
        msgbox("\n Command available only in DESKTOP.LIB ! \n");
        return false;
    }
    if (context->count == 0) {
        tell("\n \"%s\" has already been empty! \n", desktoplibrary);
        return true;
    }
    setboxtitle(" clearing the local Context ");
    int key = tell("\n the whole contents of \"%s\" will be deleted. \n\r Shall we save it to a file first ? (y/n/esc) \n\r",
                   desktoplibrary);
    if (isyes(key)) {
        if (!newlibrary()) {
            msgbox("\n Command aborted. No changes done, \n\r no new files created. \n");
            return false;
        }
        emptycontext();
        return true;
    }
    if (key != 'n' && key != 'N')
        return false;
    emptycontext();
    tell("\n %s has been deleted \n", desktoplibrary);
    return true;
}

bool changecontext()
{
    setboxcolors(0, 0, colorof(221), colorof(222), colorof(223));
    setboxtitle(" Change context ");
    setfootertext(" press <enter> to confirm ");
    libfilelist list;
    int chosen = list.choose();
    if (chosen == currentlibrary) {
        tell("\n \"%s\" is where you already are! \n", currentname());
        return false;
    }
    if (chosen > 0 && leavecontext(" Change Context ")) {
        context->clear();
        opencontext(chosen);
        long count = context->count;
        list.close();
        setboxtitle(" Context has been changed ");
        setfootercode(10);
        tell("\n you are now in \"%s\" \n\r objects read: %ld              \n", currentname(), count);
        return true;
    }
    list.close();
    msgbox("\n context change: was aborted \n");
    return false;
}

namespace {
const char contextinfo[] =
    "\n The local context is the set of user defined objects \n\r in memory: those of the current library and copies \n\r"
    " of foreign objects (marked by an asterisk in the \n\r context list) that were called from other libraries. \n\r"
    " <F2> saves it to the current library's file. \n\r A change of context asks to save what has changed. \n\n\r"
    " Find more on contexts in \"ref2.wri\". \n";
}

void savecontextcmd()
{
    if (context && context->SAVE())
        okbox();
}

void listcontextcmd()
{
    showcontext(nullptr);
}

bool contextmenu()
{
    for (;;) {
        setboxtitle(" <F4> Submenu ");
        setfootertext(" Command, <F1> or <esc> ");
        int key = tell("\n You are in \"%s\". \n\n\r <S>  save the local context as ... \n\r <c>  change context \n\r <e>  erase all foreign objects \n\r <n>  new local context (clear %s) \n\r <v>  view the list of library files \n\r <F2> save the local context \n",
                       currentname(), desktoplibrary);
        switch (key) {
        case key::f1: infohelp(contextinfo, 0, 0); continue;
        case 318: continue;  // F4: the box again
        case 316: savecontextcmd(); return true;
        case 'S': newlibrary(); return true;
        case 'c': changecontext(); return false;
        case 'e': deleteforeign(); return true;
        case 'n': clearcontext(); return true;
        case 'v': listlibraries(); return true;
        default: return true;
        }
    }
}
