#include "calculator/argedit.h"

#include <cctype>

#include "base/limits.h"
#include "calculator/argorder.h"
#include "screen/boxframe.h"
#include "screen/boxsettings.h"
#include "screen/keys.h"
#include "screen/screen.h"

void togglearg(std::string& list, char c)
{
    if (!std::isalnum(static_cast<unsigned char>(c)))
        return;
    size_t i = 0;
    while (i < list.size() && argorder(list[i], c) < 0)
        i++;
    if (i < list.size() && list[i] == c) {
        if (list.size() > 1)
            list.erase(i, 1);
        return;
    }
    if (list.size() < size_t(limits::arglistlength))
        list.insert(i, 1, c);
}

bool editargs(std::string& list)
{
    std::string edited = list;
    setboxtitle(" new argument list ");
    setfootertext(" press <enter> when done ");
    boxframe box(5, int16_t(screenrows() - 11), int16_t(screencols() - 20), int16_t(screenrows() - 5));
    for (;;) {
        clrwindow(0);
        gotoxy(1, 1);
        cprintf("argument list: %s\n\n\r", edited.c_str());
        cputs("Press any character to introduce it \n\ror to clear it from the list!");
        keycode k = getkey();
        if (k == key::esc)
            return false;
        if (k == key::enter) {
            if (edited.empty())
                return false;
            list = edited;
            return true;
        }
        if (k > 0 && k < 128)
            togglearg(edited, char(k));
    }
}
