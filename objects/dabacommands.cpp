#include "objects/dabacommands.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "base/limits.h"
#include "formula/functable.h"
#include "objects/context.h"
#include "objects/contextlist.h"
#include "objects/dabalist.h"
#include "objects/dabaops.h"
#include "objects/excerpt.h"
#include "objects/fu1.h"
#include "objects/fudaba.h"
#include "objects/idable.h"
#include "screen/askinput.h"
#include "screen/boxsettings.h"
#include "screen/inputdialogs.h"
#include "screen/keys.h"
#include "screen/msgbox.h"
#include "screen/screen.h"

namespace {

// Brings the database up to date (in the order in force, or in mode) and
// shows the list at the current position.
void refresh(dabalist& list, sortmode mode = sortmode::none)
{
    fudaba& db = list.db;
    db.update(mode == sortmode::none ? db.order() : mode, false);
    long i = db.findcurrent();
    list.showat(i >= 0 ? i : db.position.index);
}

std::string entryname(const dabarec& e)
{
    return fullname(e.name, e.values);
}

bool yes(int key)
{
    return key == 'y' || key == 'Y';
}

// Asks the target library; "" for none.  create tells that the name is
// not in the library list yet.
std::string asktarget(bool& create)
{
    char answer[limits::newnamelength + 1] = "";
    std::snprintf(answer, sizeof answer, "%s", targetlibrary.c_str());
    if (keyedinput(answer, limits::newnamelength, int16_t(screenrows() - 2), " target context ? ") == key::esc) {
        targetlibrary.clear();
        return "";
    }
    targetlibrary = answer;
    if (targetlibrary.empty())
        return "";
    std::string name = libraryfilename(targetlibrary);
    if (name.empty()) {
        msginvalidinput();
        return "";
    }
    create = librarynumber(name.c_str()) == 0;
    if (create && !yes(tell("\n Create a new library ? (y/n) \n"))) {
        targetlibrary.clear();
        return "";
    }
    return name;
}

// "C": a typed function name and, where needed, its argument count.
bool askcall(excerpt& e)
{
    char typed[limits::typedcalllength + 1] = "";
    if (!asktext(" Input a function name, such as  sort##, det, myFunc#3 ", typed, limits::typedcalllength))
        return false;
    std::string name;
    for (const char* p = typed; *p; p++)
        if (*p != ' ')
            name += *p;
    if (name.empty())
        return false;
    bool hashes = name.size() > 2 && name.compare(name.size() - 2, 2, "##") == 0;
    if (hashes)
        name.resize(name.size() - 2);
    const funcrow* f = findfunction(name.c_str());
    if (f && takeshashes(*f) && hashes) {
        e.name = name + "##";
        e.arguments = anyarguments;
        return true;
    }
    e.name = name;
    if (f && !takeshashes(*f)) {
        e.arguments = int16_t(f->argc == anyargs ? anyarguments : f->argc);
        return true;
    }
    double count = 0;
    if (!asknumber(" number of arguments ? ", count) || !(count >= -32768 && count <= 32767))
        return false;
    e.arguments = int16_t(count);
    return true;
}

}  // namespace

void dabadisplay(const dabarec* e)
{
    if (!e)
        return;
    std::unique_ptr<fu1> object(obtain(e->name, e->arguments, e->values, e->library));
    if (!object) {
        msgfailed();
        return;
    }
    if (e->library != 0)
        object->origin = uint16_t(e->library);
    object->show();
}

// The revolver makes the calculator (createcalculator, contextlist.h) and
// says why when it cannot.
void dabacalculator(dabalist& list)
{
    const dabarec* e = list.entryat();
    if (!e)
        return;
    std::unique_ptr<fu1> object(obtain(e->name, e->arguments, e->values, e->library));
    if (!object || !createcalculator)
        msgfailed();
    else if (createcalculator(object.get()))
        okbox(500);
}

void dabagoto(dabalist& list)
{
    fudaba& db = list.db;
    const dabarec* at = list.entryat();
    if (!at)
        return;
    dabarec e = *at;
    // Compilations in the visited context may sort by name.
    sortmode keep = db.order();
    if (e.library != 0 && e.library == currentlibrary) {
        setboxtitle(" N O T I C E ");
        msgbox("\n Program will address the RESIDENT object instead ! \n", 1000);
        e.library = 0;
    }
    db.setcurrent(list.index());
    if (e.library == 0) {
        databaseisopen = true;
        showcontext(residentobject(e.name, e.arguments, e.values));
        refresh(list, keep);
        return;
    }
    int home = currentlibrary;
    pcontext* kept = context;
    context = new pcontext;
    localobjects = context;
    db.residenttracking = false;
    if (opencontext(e.library) >= 0) {
        // Later openings keep the list's own position: the object may be
        // gone by then.
        for (fu1* object = residentobject(e.name, e.arguments, e.values);; object = nullptr) {
            showforeignlibrary = true;
            databaseisopen = true;
            showcontext(object);
            if (leavecontext(" Back to Database Main List "))
                break;
        }
    } else {
        msgfailed();
    }
    delete context;
    context = kept;
    localobjects = kept;
    currentlibrary = home;
    db.residenttracking = true;
    refresh(list, keep);
}

void dabasort(dabalist& list)
{
    fudaba& db = list.db;
    db.setcurrent(list.index());
    sortmode mode = asksortmode(db.order());
    if (mode != db.order()) {
        db.remember(0, list.index());
        db.sort(mode);
    }
    refresh(list);
}

void dabarecall(dabalist& list, int memory)
{
    long i = list.db.recall(memory);
    if (i < 0) {
        msgstyle(1);
        msgbox("\n no position in memory \n", 500);
        return;
    }
    list.db.remember(0, list.index());
    list.showat(i);
}

void dabacopy(dabalist& list, bool move)
{
    fudaba& db = list.db;
    const dabarec* at = list.entryat();
    if (!at)
        return;
    dabarec e = *at;
    int source = e.library;
    if (move && source != 0 && source == currentlibrary) {
        if (!residentobject(e.name, e.arguments, e.values)) {
            tell("\n While you are in \"%s\" you cannot access the underlying \n\r file. There isn't a resident copy of \"%s\" either. \n\r You've probably deleted or renamed it! \n",
                 libraryname(source), entryname(e).c_str());
            return;
        }
        if (tell("\n Program will move the RESIDENT object instead ! \n\r <1>     OK \n\r <Esc>   cancel \n") != '1') {
            msgbox("\n Command aborted \n", 800);
            return;
        }
        source = 0;
    }
    std::unique_ptr<fu1> object(obtain(e.name, e.arguments, e.values, source));
    if (!object) {
        msgfailed();
        return;
    }
    sortmode keep = db.order();
    db.setcurrent(list.index());
    object->origin = 0;
    bool create = false;
    std::string target = asktarget(create);
    uint16_t serial = 0;
    int written = writeinto(*object, target, create, serial);
    if (written == 0) {
        refresh(list, keep);
        return;
    }
    if (move && eraseobject(e.name, e.arguments, e.values, source))
        db.touchlibrary(source);
    db.position.entry.library = int16_t(written);
    db.position.entry.serial = serial;
    db.remember(0, list.index());
    refresh(list, keep);
}

void dabaerase(dabalist& list)
{
    fudaba& db = list.db;
    const dabarec* at = list.entryat();
    if (!at)
        return;
    dabarec e = *at;
    int answer;
    if (e.library != 0 && e.library == currentlibrary) {
        answer = tell("\n Program will delete the RESIDENT copy of \"%s\" ! \n\r <y>     OK \n\r <esc>   cancel \n",
                      entryname(e).c_str());
        e.library = 0;
    } else {
        setboxtitle(" Confirm deletion ");
        answer = tell("\n delete \"%s\" ? (y/n) \n", entryname(e).c_str());
    }
    if (!yes(answer))
        return;
    db.setcurrent(list.index());
    if (eraseobject(e.name, e.arguments, e.values, e.library)) {
        db.touchlibrary(e.library);
        refresh(list);
    }
}

void dabafind(dabalist& list)
{
    fudaba& db = list.db;
    const dabarec* at = list.entryat();
    if (!at)
        return;
    db.setexcerpt(nullptr);
    auto e = std::make_unique<excerpt>(db);
    e->position.mode = sortmode::caseinsensitive;
    setboxtitle(" Grep / Callfinder ");
    int key = tell("\n <f>...(searches all libraries) \n\r        choose one: \n\n\r ...<t>ext    text search, case sensitive \n\r ...<i>       text search, case insensitive \n\r ...<c>alls   find calls of \"%s\" \n\r ...<C>alls   find calls of ... \n",
                   entryname(*at).c_str());
    if (key == 't' || key == 'i') {
        char text[limits::greptextlength + 1] = "";
        if (!asktext(" enter search string: ", text, limits::greptextlength) || !text[0])
            return;
        e->target = excerpt::kind::text;
        e->name = text;
        e->casesensitive = key == 't';
    } else if (key == 'c') {
        e->target = excerpt::kind::entry;
        e->callentry = *at;
    } else if (key != 'C' || !askcall(*e)) {
        return;
    } else {
        e->target = excerpt::kind::call;
    }
    db.setexcerpt(std::move(e));
    db.markexcerptstale();
    dabatab(list);
}

void dabatab(dabalist& list)
{
    fudaba& db = list.db;
    if (!db.currentexcerpt) {
        msgstyle(1);
        msgbox("\n There has no excerpt list been created yet \n", 500);
        return;
    }
    db.currentexcerpt->refresh();
    const dabarec* chosen = showexcerpt(*db.currentexcerpt);
    long i = chosen ? db.find(*chosen) : -1;
    if (i >= 0)
        list.showat(i);
    else
        list.redraw();
}

void excerptsort(excerptlist& list)
{
    excerpt& e = list.found;
    e.position.entry = list.entryat() ? *list.entryat() : dabarec();
    e.position.index = list.index();
    sortmode mode = asksortmode(e.current);
    if (mode != e.current)
        e.sort(mode);
    long i = e.find(e.position.entry);
    list.showat(i >= 0 ? i : e.position.index);
}
