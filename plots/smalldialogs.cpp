#include "plots/smalldialogs.h"

#include "screen/dialogrunner.h"

namespace {

using platform::controlkind;
using platform::dialogtemplate;

constexpr int cancelled = 27;

// Cancel ends with 27, the special button with its key, any other command
// with the other key.
dialogtemplate choice(const char* name, const char* title, int first, const char* firstlabel, int second,
                      const char* secondlabel, int special, int specialkey, int otherkey)
{
    dialogtemplate t{name, title, "MS Sans Serif",
                     {{first, controlkind::button, firstlabel},
                      {second, controlkind::button, secondlabel},
                      {2, controlkind::button, "Abbrechen"}}};
    t.command = [special, specialkey, otherkey](dialogtemplate&, int id, platform::notification) {
        return id == 2 ? cancelled : id == special ? specialkey : otherkey;
    };
    return t;
}

}  // namespace

int runsmalldialog(dialogtemplate& t, dialogplace* place)
{
    if (place) {
        t.keepposition = true;
        t.x = place->x;
        t.y = place->y;
    }
    int result = rundialog(t);
    if (place) {
        place->x = t.x;
        place->y = t.y;
    }
    if ((result == 1 || result == 2) && t.command)
        result = t.command(t, result, platform::notification::click);
    return result;
}

dialogtemplate cutcopytemplate()
{
    return choice("CUTCOPY", "To Clipboard", cutcopy::copy, "Copy", cutcopy::cut, "Cut", cutcopy::cut, 't', 'p');
}

dialogtemplate dupliplottemplate()
{
    return choice("DUPLIPLOT", "Duplicating the Plot", dupliplot::everything, "Everything", dupliplot::visible,
                  "Visible Perspective only", dupliplot::everything, '2', '1');
}

int cutcopydialog()
{
    dialogtemplate t = cutcopytemplate();
    return runsmalldialog(t);
}

int dupliplotdialog()
{
    dialogtemplate t = dupliplottemplate();
    return runsmalldialog(t);
}
