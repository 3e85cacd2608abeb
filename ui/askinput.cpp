#include "ui/askinput.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "ui/keys.h"
#include "ui/palette.h"
#include "ui/screen.h"
#include "ui/screensave.h"

namespace {

int lastkey = 0;
constexpr int keyup = 328, keydown = 336;

// Title bar, field and key bar on the three rows above the last; the text
// is edited with Backspace only.  False on Esc.
bool bardialog(const char* title, std::string& text, size_t maxlength, const char* hint, bool updown)
{
    bool selected = !text.empty();   // typing replaces a starting text
    int r = screenrows() - 2, w = screencols();
    screensave under(1, r, w, r + 2);
    int barfg = colorof(154), barbg = colorof(155), fg = colorof(151), bg = colorof(152);
    std::string bar(size_t(w), '=');
    size_t n = std::min(strlen(title), size_t(w));
    bar.replace((size_t(w) - n) / 2, n, title, n);
    writeat(bar.c_str(), 1, r, barfg, barbg);
    std::string keys(hint);
    keys.resize(size_t(w), ' ');
    writeat(keys.c_str(), 1, r + 2, barfg, barbg);
    for (;;) {
        std::string field = text.substr(text.size() > size_t(w - 1) ? text.size() - size_t(w - 1) : 0);
        field.resize(size_t(w), ' ');
        writeat(field.c_str(), 1, r + 1, fg, bg);
        keycode k = lastkey = getkey();
        if (k == key::esc)
            return false;
        if (k == key::enter || (updown && (k == keyup || k == keydown)))
            return true;
        if (k == key::backspace && !text.empty()) {
            text.pop_back();
        } else if (k >= 32 && k < 256) {
            if (selected)
                text.clear();
            if (text.size() < maxlength)
                text += char(k);
        }
        selected = false;
    }
}

}  // namespace

bool asknumber(const char* title, double& value)
{
    char start[32];
    snprintf(start, sizeof start, "%.16g", value);
    std::string text(start);
    if (!bardialog(title, text, 160, " <esc> cancel      <enter> done", true) || text.empty())
        return false;
    char* end = nullptr;
    errno = 0;
    double x = strtod(text.c_str(), &end);
    while (*end == ' ')
        end++;
    if (*end || std::isnan(x))
        return false;
    value = x;
    return true;
}

bool asktext(const char* title, char* buffer, int maxlength)
{
    std::string text;
    bool ok = bardialog(title, text, size_t(maxlength), " <F1> explains keys", false);
    memcpy(buffer, text.c_str(), text.size() + 1);
    return ok;
}

int lastaskkey()
{
    return lastkey;
}
