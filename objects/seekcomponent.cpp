// The question whether a version of a component found beyond the caller's
// own scope is to be used.
#include <string>

#include "formula/compile.h"
#include "formula/evalstate.h"
#include "objects/comment.h"
#include "objects/context.h"
#include "objects/fu1.h"
#include "objects/resolver.h"
#include "screen/boxsettings.h"
#include "screen/keys.h"
#include "screen/msgbuffer.h"

namespace {
constexpr int16_t questionsize = 1200;

const char* libname(int library)
{
    const char* name = libraryname(library);
    return name ? name : "";
}

void situationtext(msgbuffer& m, const fu* object, int situation, int level)
{
    const char* own = libname(currentlibrary);
    const char* its = object->origin == 0 ? own : libname(object->origin);
    switch (situation) {
    case 1:
        if (level)
            m.addf("\n The caller's context \"%s\" has been searched in vain. \n\r", libname(pass().callerlib));
        if (object->origin == 0)
            m.addf("\n\n Should the version from \"%s\" (the local context) be used? \n\r", own);
        else
            m.addf("\n\n Should the version from \"%s\" be used? \n\r", its);
        break;
    case 2:
        if (level)
            m.addf("\n The contexts of all calling modules have been \n\r searched in vain.\n\r");
        m.addf("\n\n Should the version from \"%s\" (the local context) be used? \n\r", own);
        break;
    case 3:
        if (level)
            m.addf("\n The local context, and the contexts of all calling modules \n\r have been searched in vain. \n\r");
        m.addf("\n\n Should the resident version from \"%s\" be used? \n\r", its);
        break;
    case 4:
        if (level)
            m.addf("\n The object is neither resident nor available in the context \n\r of any calling module. \n\r");
        else
            m.addf("\n The object is not resident. \n\r");
        m.addf("\n\n Should the version from \"%s\" be used? \n\r", its);
        break;
    default:
        m.addf("\n All contexts except \"%s\" have been searched in vain. \n\r Should the object from \"%s\" be used? \r\n",
               libname(1), libname(1));
    }
}

void question(msgbuffer& m, const fu* object, int situation)
{
    int level = int(pass().callerlibs.size());
    if (level == 0)
        m.addf("\n seeking component:");
    else
        m.addf("\n seeking component for call level %d: \n\r", level);
    m.addf(" \"%s\" (%d arguments)\n\r", object->fullname().c_str(), int(object->nargs));
    situationtext(m, object, situation, level);
    m.addf("\n\n <y> <enter>  OK\n\r <n> <esc>    no\n\r <v>          display that component \n\r");
    if (object->hascomment())
        m.addf(" <c>          display that component's comment \n\r");
}

void caption()
{
    const fu* root = pass().root;
    if (!root) {
        setboxtitle(" implementing a new formula ");
        return;
    }
    std::string text = " implementing \"" + root->fullname() + "\" (" + std::to_string(root->nargs) + " arguments) ";
    setboxtitle(text.c_str());
}

// The kinds kept in libraries have the view interface of fu1.
void showobject(fu* object)
{
    int t = object->typenumber();
    bool viewable = t == typeids::fu1 || t == typeids::fuconst || t == typeids::fuvector ||
                    (t >= typeids::fuparin && t <= typeids::furk);
    if (viewable)
        static_cast<fu1*>(object)->show();
}

bool askedquestion(int situation)
{
    if (shared.passmode == compilemode::quiet)
        return false;
    bool resident = situation == 2 || situation == 3;
    return !(resident && currentlibrary == 1 && shared.passmode != compilemode::normal);
}
}

bool seekcomponent(fu* object, int situation)
{
    if (!askedquestion(situation))
        return true;
    msgbuffer m(0, 0, 0, 0, questionsize);
    question(m, object, situation);
    caption();
    m.showpopup();
    for (;;) {
        keycode k = getkey();
        if (k >= 'A' && k <= 'Z')
            k += 'a' - 'A';
        if (k == key::enter || k == 'y' || k == key::esc || k == 'n') {
            m.hide();
            return k == key::enter || k == 'y';
        }
        if (k == 'v')
            showobject(object);
        else if (k == 'c' && object->hascomment())
            object->note->show();
    }
}
