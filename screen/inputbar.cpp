// The bar dialogs: a title bar, the field and a key bar over whole
// screen lines, saved and restored around the edit.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "screen/boxsettings.h"
#include "screen/host.h"
#include "screen/inputdialogs.h"
#include "screen/inputeval.h"
#include "screen/msgbox.h"
#include "screen/palette.h"
#include "screen/screensave.h"

namespace {

constexpr int16_t bottomrow = 48;   // clamped to the last possible row
constexpr int16_t numberlength = 160;

struct barcolors {
    int text, back, clear, bartext, barback;
};

barcolors withdefaults(int text, int back, int clear, int bartext, int barback)
{
    return {orrole(text, 151), orrole(back, 152), orrole(clear, 153), orrole(bartext, 154), orrole(barback, 155)};
}

// Row of the title bar: the given row or the one below the cursor, moved
// up until the key bar is on the screen.
int barrow(int row, int lines)
{
    int r = row >= 1 ? row : wherey() + 1;
    return std::max(1, std::min(r, screenrows() - 1 - lines));
}

void drawbars(int r, int lines, const char* title, const char* hint, const barcolors& c)
{
    int cols = screencols();
    std::string bar(size_t(cols), char(fontisoem() ? 205 : '='));
    writeat(bar.c_str(), 1, r, c.bartext, c.barback);
    if (title && *title)
        writeat(title, (cols - int(strlen(title))) / 2 + 1, r, c.bartext, c.barback);
    std::string keys(hint);
    keys.resize(size_t(cols), ' ');
    writeat(keys.c_str(), 1, r + lines + 1, c.bartext, c.barback);
    fillcells(1, r + 1, cols, r + lines, c.clear);
}

// Runs the edit in the field, which spans the columns left to right (0:
// the screen's last); -1 when the rows cannot be saved.
keycode bardialog(lineeditor& ed, char* buffer, int16_t maxlen, int row, int lines, const char* title,
                  const char* hint, const barcolors& c, int left = 1, int right = 0)
{
    int r = barrow(row, lines), cols = screencols();
    screensave save(1, r, cols, r + lines + 1);
    if (save.error || !save.saved())
        return -1;
    makevisible(1, r, cols, r + lines + 1, true);
    drawbars(r, lines, title, hint, c);
    window(left, r + 1, right > 0 ? right : cols, r + lines);
    int16_t old = ed.setmaxlen(maxlen);
    editorslot slot(&ed);
    editcolors(c.text, c.back, c.clear, 0, 0);
    keycode k = ed.lineedit(buffer);
    ed.setmaxlen(old);
    return k;
}

// The shared editor in a bar dialog; 0 when it cannot be shown.
keycode keyedbar(char* buffer, int16_t maxlen, int row, int lines, const char* title, const barcolors& c,
                 int left = 1, int right = 0)
{
    lineeditor* ed = sharededitor(maxlen);
    if (!ed)
        return 0;
    keycode k = bardialog(*ed, buffer, maxlen, row, lines, title, " <F1> explains keys", c, left, right);
    return k < 0 ? 0 : k;
}

}  // namespace

keycode keyedinput(char* buffer, int16_t width, int16_t row, const char* title, int text, int back,
                   int clear, int bartext, int barback, int)
{
    if (width <= 0)
        width = int16_t(screencols());
    int lines = (width - 1) / screencols() + 1;
    return keyedbar(buffer, width, row, lines, title, withdefaults(text, back, clear, bartext, barback));
}

keycode keyedinputat(char* buffer, int16_t column, int16_t width, int16_t row, const char* title)
{
    int cols = screencols();
    width = int16_t(std::clamp<int>(width, 1, cols));
    column = int16_t(std::clamp<int>(column, 1, cols - width + 1));
    return keyedbar(buffer, width, row, 1, title, withdefaults(0, 0, 0, 0, 0), column, column + width - 1);
}

keycode entrybox(double* value, int16_t width, int16_t row, const char* title, int text, int back,
                 int clear, int bartext, int barback, int)
{
    width = int16_t(std::clamp<int>(width, 25, screencols()));
    std::vector<char> buffer(std::max<size_t>(size_t(width) + 1, 32), 0);
    snprintf(buffer.data(), buffer.size(), "%.16g", *value);
    if (title && int(strlen(title)) >= screencols() - 1)
        title = nullptr;
    numlineeditor ed(width);
    keycode k = bardialog(ed, buffer.data(), width, row, 1, title, " <esc> cancel      <enter> done",
                          withdefaults(text, back, clear, bartext, barback));
    if (k < 0)
        return lastinputkey;
    inputstate = evaluateinput(buffer.data(), *value, true);
    return lastinputkey;
}

double inputdouble(double value, const char* title, int16_t row, int text, int back, int clear,
                   int bartext, int barback, int)
{
    char buffer[numberlength + 1] = {};
    numlineeditor ed(numberlength);
    keycode k = bardialog(ed, buffer, numberlength, row, 1, title, " press <enter> to confirm",
                          withdefaults(text, back, clear, bartext, barback));
    if (k < 0)
        return value;
    inputstate = evaluateinput(buffer, value, false);
    return value;
}

int32_t readint(int32_t value, const char* title)
{
    double v = inputdouble(value, title, bottomrow);
    return int32_t(checkedwhole(v, value, INT32_MIN, INT32_MAX));
}

int16_t readshort(int16_t value, const char* title)
{
    double v = inputdouble(value, title, bottomrow);
    return int16_t(checkedwhole(v, value, INT16_MIN, INT16_MAX));
}

namespace {

using asker = double (*)(double current, const char* title);

bool askchecked(double* target, const char* title, const char* explanation, valuecheck check, asker ask)
{
    for (;;) {
        double v = ask(*target, title);
        bool answered = inputstate == inputstates::empty || inputstate == inputstates::taken;
        if (!answered || lastinputkey != key::enter)
            return false;
        if (inputstate == inputstates::empty)
            v = *target;
        if (!explanation || !check || check(v)) {
            *target = v;
            return true;
        }
        msgstyle(1);
        setboxtitle(" Invalid Input ");
        tell("\n %s \n", explanation);
    }
}

}  // namespace

bool inputchecked(double* target, const char* title, const char* explanation, valuecheck check)
{
    return askchecked(target, title, explanation, check,
                      [](double, const char* t) { return inputdouble(0.0, t, bottomrow); });
}

bool inputnumber(double* target, const char* title, const char* explanation, valuecheck check)
{
    return askchecked(target, title, explanation, check, [](double current, const char* t) {
        entrybox(&current, int16_t(screencols()), bottomrow, t);
        return current;
    });
}
