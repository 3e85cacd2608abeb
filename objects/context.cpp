#include "objects/context.h"

#include <cstring>

#include "base/report.h"
#include "formula/evalstate.h"
#include "objects/contextlist.h"
#include "objects/fu1.h"
#include "screen/hoststate.h"
#include "screen/keys.h"
#include "screen/msgbox.h"
#include "screen/statusbox.h"

pcontext* context = nullptr;
chain* localobjects = nullptr;
int currentlibrary = 0;
void (*touchlibrary)(int library) = nullptr;

void touch(int library)
{
    if (touchlibrary)
        touchlibrary(library);
}

// The first object of list of that identity and origin (any for -1)
// other than skip.
static fu1* lookup(const chain& list, const char* name, int nargs, int nvalues, int origin, const fu* skip)
{
    for (listnode* node = list.head; node; node = node->next) {
        fu1* object = static_cast<fu1*>(node);
        if (object != skip && object->nargs == nargs && object->nvalues == nvalues
            && (origin < 0 || object->origin == origin) && std::strcmp(object->name, name) == 0)
            return object;
    }
    return nullptr;
}

fu1* findresident(const chain& list, const char* name, int nargs, int nvalues)
{
    return lookup(list, name, nargs, nvalues, -1, nullptr);
}

fu1* findresidentat(const chain& list, const char* name, int nargs, int nvalues, int origin)
{
    return lookup(list, name, nargs, nvalues, origin, nullptr);
}

fu1* findidentity(const char* name, int nargs, int nvalues, int origin, const fu* skip)
{
    return context ? lookup(*context, name, nargs, nvalues, origin, skip) : nullptr;
}

bool isown(const fu* object)
{
    return object->origin == 0 || object->origin == currentlibrary;
}

int readlibrary()
{
    const char* name = libraryname(currentlibrary);
    if (!context || !name)
        return -1;
    context->kept = libraryread();
    int count;
    {
        statusbox::scope status(programstatus(), "\n reading %s ", name);
        count = readlib(librarypath(currentlibrary), *context, &context->kept);
    }
    // readlib has told why a file could not be read at all.
    if (count < 0 && !context->kept.unreadable)
        reportf(reportkind::message, "\n could not read the library file \"%s\" ! \n", name);
    touch(0);
    return count;
}

int opencontext(int n)
{
    currentlibrary = n;
    changerecclear();
    return readlibrary();
}

void loaddesktop()
{
    freecontext();
    context = new pcontext;
    localobjects = context;
    buildlibrarylist();
    showforeignlibrary = false;
    opencontext(librarynumber(desktoplibrary));
}

void freecontext()
{
    pcontext* old = context;
    context = nullptr;
    localobjects = nullptr;
    delete old;
}

bool isdesktop()
{
    const char* name = libraryname(currentlibrary);
    return name && std::strcmp(name, desktoplibrary) == 0;
}

bool savecontext()
{
    const char* name = libraryname(currentlibrary);
    if (!context || currentlibrary == 0 || !name) {
        reportf(reportkind::message, "\n library %d has no file to save to \n", currentlibrary);
        return false;
    }
    bool saved = writelib(librarypath(currentlibrary), *context, isdesktop(), savemode::context, &context->kept);
    touch(currentlibrary);
    return saved;
}

// A sink that answers no key the question knows would ask forever.
constexpr int maxquestions = 1000;

// The listing as a text page at least 60 columns wide.
static void showchanges(const char* name)
{
    constexpr int listingwidth = 60;
    std::string title = std::string(" Changes to be saved in \"") + (name ? name : "") + "\" ";
    std::string text = context ? context->changelisting : std::string();
    report(reportkind::page, text + "\n" + std::string(listingwidth, ' '), title.c_str(), 7);
}

static bool isyes(int key)
{
    return key == 'y' || key == 'Y';
}

int asksavechanges(const char* caption)
{
    const char* name = libraryname(currentlibrary);
    std::string text = isdesktop() ? std::string("\n The contents of ") + desktoplibrary + " have changed. \n\r"
                                   : std::string("\n You are leaving the context \"") + (name ? name : "") + "\" \n";
    text += "\n\r Save the changes ?\n\n\r <y>    yes \n\r <n>    no \n\n\r <l>    show the list of changes \n\r <esc>  cancel\n";
    for (int asked = 0; asked < maxquestions; ++asked) {
        int key = report(reportkind::message, text, caption);
        if (isyes(key))
            return 1;
        if (key == 'n' || key == 'N')
            return 0;
        if (key == 27)
            break;
        if (key == 'l' || key == 'L')
            showchanges(name);
    }
    return -1;
}

static bool foreignnotice()
{
    const char* name = libraryname(currentlibrary);
    if (!name)
        name = "";
    char text[limits::textbuffersize];
    std::snprintf(text, sizeof text,
                  "\n\r Unlike with \"%s\", \"%s\" does not allow the \n\r saving of foreign objects (those marked by an asterisk in the \n\r context list). Therefore, all changes you made to such objects \n\r will be lost. \n\r   If you want to keep the changes anyway, cancel now and use \n\r the <+>-command of the context list to incorporate the objects \n\r in question into %s. \n\n\r <enter>  continue\n\r <esc>    cancel\n",
                  desktoplibrary, name, name);
    msgstyle(1);
    return report(reportkind::message, text, " N O T I C E ") != 27;
}

bool leavecontext(const char* caption)
{
    bool desktop = isdesktop();
    bool foreignchanged = false;
    int level = changelevel(desktop, &foreignchanged);
    int answer = -2;  // not asked
    if ((desktop && level >= 1) || level == 2) {
        answer = asksavechanges(caption);
        if (answer < 0)
            return false;
    }
    if (!desktop && foreignchanged && answer != 0 && !foreignnotice())
        return false;
    if (answer != 1) {
        nextgeneration();
        return true;
    }
    bool saved = savecontext();
    nextgeneration();
    return saved;
}

bool quitprogram()
{
    if (!context)
        return true;  // nothing was ever opened, nothing to save
    bool closerequested = host().closerequested.exchange(false);
    host().stop = false;
    flushkeys();
    if (context->quitdone)
        return false;
    if (changelevel(false) == 0 && !closerequested
        && !isyes(report(reportkind::message, "\n Quit (y/n) ? \n")))
        return false;
    if (!leavecontext(" Terminating "))
        return false;
    droptransfercomment();
    context->clear();
    context->quitdone = true;
    return true;
}

bool readycomponent(fu* callee)
{
    return callee->recordfingerprint();
}
