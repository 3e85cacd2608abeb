// The branch editor of the n-formula object: on top of editing single
// components it inserts and deletes whole branches, appends or deletes the
// default action, and moves formulas through two transfer clipboards, one
// for conditions and one for actions.
#include <cstdio>
#include <cstring>
#include <new>

#include "objects/edithooks.h"
#include "objects/funceditor.h"
#include "objects/fumultibranch.h"
#include "objects/install.h"
#include "objects/slotcomp.h"
#include "screen/boxframe.h"
#include "screen/boxsettings.h"
#include "screen/clipboard.h"
#include "screen/keys.h"
#include "screen/lineeditor.h"
#include "screen/menustate.h"
#include "screen/msgbox.h"
#include "screen/popup.h"
#include "screen/screen.h"

namespace {
constexpr int ins = 338, del = 339, shiftf10 = 349;
constexpr int firstcomponent = 1000;   // item code of component p: 1000 + p

int helpbox(const char* caption, const char* text, bool top)
{
    menus().disable(helpmenuitem);
    menus().setmode();
    msgstyle(3);
    setboxtitle(caption);
    if (top) {
        setpopupy(1);
        setpopupwidth(0);
    }
    int k = msgbox(text);
    menus().enable(helpmenuitem);
    menus().setmode();
    return k;
}

bool yes(int k)
{
    return k == 'y' || k == 'Y';
}

// A refusal or error box in message style 1.
int refuse(const char* text)
{
    msgstyle(1);
    return msgbox(text);
}
}  // namespace

void fumultibranch::inserthelp()
{
    helpbox(" Help on Inserting Slot Components ",
            "\n You may find this information helpful:\n\n\r To insert a complete branch before an existing branch,\n\r"
            " place the bar on the CONDITION of the existing branch \n\r and press <Ins>.\n\r To append a branch or a"
            " default condition, place the \n\r bar on the very last editor line and press <Ins>.\n\r If you place the"
            " bar on an action component, this \n\r will lead to insertion of a new action component for \n\r that"
            " branch, and of a new condition to control the \n\r action under the bar, which thus becomes part of the"
            " \n\r following branch.\n\r",
            true);
}

void fumultibranch::deletehelp()
{
    helpbox(" Help on deleting Slot Components ",
            "\n You may find this information helpful: \n\n\r To delete a complete branch, place the bar on its \n\r"
            " CONDITION and press <del>. \n\r To delete a default action, press <del> on it. \n\r If you try to delete"
            " another action component, \n\r then the following condition is deleted with \n\r it, thereby condensing"
            " two branches into one. \n\n\r The last nondefault action cannot be deleted, \n\r neither can the last"
            " remaining branch.",
            true);
}

void fumultibranch::clipboardhelp()
{
    helpbox(" Help on <F10> ",
            "\n This editor has two separate text clipboards, \n\r one for condition components, the other for action"
            " \n\r components. Both are loaded by pressing <shift>+<F10> \n\r over a component. Both are cleared when"
            " the function \n\r editor is closed.\n\r If <F10> is pressed over a component, that compo- \n\r nent will"
            " be overwritten by the contents of its \n\r appropriate (condition- or action- ) clipboard, \n\r unless"
            " that clipboard is empty. \n\r If <F10> is pressed inside the text editor, the \n\r appropriate"
            " clipboard's contents are pasted at the \n\r cursor position. \n\r To transfer components to other"
            " positions inside \n\r the object, use the <F10> system together with <Ins> \n\r and <Del>. If you need"
            " more control, use the general \n\r editor clipboards <F5>..<F9>.",
            false);
}

bool fumultibranch::overwritequestion(const slotcomp* c)
{
    char text[200];
    std::snprintf(text, sizeof text, "\n Overwrite %s with transfer clipboard contents ?  (y/n) \n",
                  c->label ? c->label : "");
    return yes(msgbox(text));
}

int fumultibranch::insert(int p, clipboard& conditions, clipboard& actions)
{
    int n = slotcount();
    // What to make, in order: 'c' condition, 'a' action, 'd' default
    // action, each with its branch number.
    char kinds[2] = {};
    int numbers[2] = {};
    if (p > n) {
        int k = msgbox("\n Make your choice: \n\n\r <1>   Append a default action \n\r <2>   Append a branch \n\r"
                       " <Esc> Cancel \n");
        if (k == '1') {
            kinds[0] = 'd';
        } else if (k == '2') {
            kinds[0] = 'c', kinds[1] = 'a';
            numbers[0] = numbers[1] = n / 2 + 1;
        } else {
            return 0;
        }
    } else if (p % 2 == 1) {
        int k = p / 2 + 1;
        char text[200];
        std::snprintf(text, sizeof text, "\n You are adding a new branch before branch nr. %d \n\n\r <y>  OK \n\r"
                      " <n>  No  \n\r", k);
        if (!yes(msgbox(text))) {
            inserthelp();
            return 0;
        }
        kinds[0] = 'c', kinds[1] = 'a';
        numbers[0] = numbers[1] = k;
    } else {
        int k = p / 2;
        char text[250];
        std::snprintf(text, sizeof text, "\n You are inserting a new action nr. %d \n\r and a new condition for the"
                      " following branch. \n\n\r <y>   OK \n\r <n>   No  \n\r", k);
        if (!yes(msgbox(text))) {
            inserthelp();
            return 0;
        }
        kinds[0] = 'a', kinds[1] = 'c';
        numbers[0] = k, numbers[1] = k + 1;
    }
    int count = kinds[1] ? 2 : 1;
    slotcomp** made[2] = {&insertfirst, &insertsecond};
    auto discard = [this] {
        delete insertfirst;
        delete insertsecond;
        insertfirst = insertsecond = nullptr;
        return 0;
    };
    for (int i = 0; i < count; i++) {
        slotcomp* c = *made[i] = new (std::nothrow) slotcomp;
        if (!c)
            return discard();
        c->owner = this;
        if (kinds[i] == 'c')
            setconditionlabels(c, numbers[i]);
        else if (kinds[i] == 'a')
            setactionlabels(c, numbers[i]);
        else
            setdefaultlabels(c);
    }
    setboxcolors(3, 4, 15, 0, 0);
    setboxtitle(" Input additional Components ");
    boxframe box(10, int16_t(screenrows() - 23), int16_t(screencols()), int16_t(screenrows()));
    clrwindow(3);
    textcolor(16);
    textbackground(3);
    for (int i = 0; i < count; i++) {
        setextraclip(kinds[i] == 'c' ? &conditions : &actions);
        if (!inputcomponent(*made[i], nullptr, nullptr))
            return discard();
    }
    return count;
}

int fumultibranch::deletequestion(int p)
{
    int n = slotcount();
    if (n < 3)
        return 0;
    if (p % 2 == 0 && p >= n - 1) {
        refuse("\n You cannot delete an action and leave the \n\r condition behind ! \n");
        deletehelp();
        return 0;
    }
    if (p == n) {
        if (yes(msgbox("\n Delete the default action ?  (y/n) \n\r")))
            return 1;
        deletehelp();
        return 0;
    }
    if (p % 2 == 1 && n < 4) {
        refuse("\n You cannot delete the only remaining branch ! \n");
        return 0;
    }
    char text[200];
    if (p % 2 == 1)
        std::snprintf(text, sizeof text, "\n Delete completely branch %d ?  (y/n) \n\r", p / 2 + 1);
    else
        std::snprintf(text, sizeof text, "\n Delete action %d and the following condition ?  (y/n) \n\r", p / 2);
    if (yes(msgbox(text)))
        return 2;
    deletehelp();
    return 0;
}

bool fumultibranch::insertat(int p, clipboard& conditions, clipboard& actions)
{
    int n = slotcount();
    if (p > n && n % 2 == 1) {
        refuse("\n Cannot append after an existing default branch. \n\r Why don't you move the cursor upward to insert"
               " before \n\r the default branch, or else, delete the default branch. \n\r");
        inserthelp();
        return false;
    }
    int made = insert(p, conditions, actions);
    if (made == 0)
        return false;
    auto at = components.begin() + (p > n ? n : p - 1);
    at = components.insert(at, insertfirst) + 1;
    if (made == 2)
        components.insert(at, insertsecond);
    insertfirst = insertsecond = nullptr;
    return true;
}

bool fumultibranch::deleteat(int p)
{
    int answer = deletequestion(p);
    if (answer == 0)
        return false;
    int from = answer == 1 ? slotcount() : p;
    int count = answer == 1 ? 1 : 2;
    for (int i = 0; i < count; i++)
        delete components[size_t(from - 1 + i)];
    components.erase(components.begin() + (from - 1), components.begin() + (from - 1 + count));
    return true;
}

bool fumultibranch::branchcommand(int code, clipboard& conditions, clipboard& actions)
{
    if (code == itemcode::argsedited)
        return false;
    int item = int(editoritem());
    int n = slotcount();
    int p = code > firstcomponent ? code - firstcomponent : item > firstcomponent ? item - firstcomponent : 0;
    if (code != ins && code != '+' && (p < 1 || p > n))
        return false;
    bool changed = false;
    if (code > firstcomponent) {
        setextraclip(iscondition(p) ? &conditions : &actions);
        return slotat(p)->edit();
    }
    clipboard& fitting = iscondition(p) ? conditions : actions;
    switch (code) {
    case key::f10:
        if (fitting.clipempty()) {
            msgstyle(1);
            setfootercode(11);
            if (msgbox("\n Transfer clipboard is empty ! \n") == key::f1)
                clipboardhelp();
            return false;
        }
        if (!overwritequestion(slotat(p)) || !slotat(p)->settext(fitting.cliptext()))
            return false;
        changed = true;
        break;
    case shiftf10:
        fitting.clipset(slotat(p)->formula(), int32_t(std::strlen(slotat(p)->formula())));
        okbox();
        return false;
    case ins:
    case '+':
        if (item == itemcode::comment)
            p = n + 1;
        changed = p >= 1 && insertat(p, conditions, actions);
        break;
    case del:
        changed = deleteat(p);
        break;
    }
    if (changed) {
        relabel();
        clearimplemented(this);
        componentedited = true;
    }
    return changed;
}

int fumultibranch::edit()
{
    newversion();
    clipboard conditions, actions;
    conditions.clipinit();
    actions.clipinit();
    bool kept = editcomposite(
        *this, [&](int code) { return branchcommand(code, conditions, actions); }, true);
    conditions.clipfree();
    actions.clipfree();
    return kept;
}
