// The input dialogs that edit in place at the cursor.
#include <cstddef>
#include <vector>

#include "screen/inputdialogs.h"
#include "screen/inputeval.h"
#include "screen/mathedit.h"
#include "screen/palette.h"

keycode inputbox(char* buffer, int16_t width, int16_t row, int text, int back, int clear, int)
{
    cellrect w = getwindow();
    if (width <= 0)
        width = int16_t(w.right - w.left + 1);
    lineeditor* ed = sharededitor(width);
    if (!ed)
        return 0;
    pushcursor();
    if (row <= 0) {
        if (wherexwin() != 1)
            newline();
        row = int16_t(whereywin());
    }
    int16_t old = ed->setmaxlen(width);
    seteditrow(row);
    editcolors(orrole(text, 121), orrole(back, 122), orrole(clear, 123), 0, 0);
    keycode k = ed->lineedit(buffer);
    ed->setmaxlen(old);
    popcursor();
    return k;
}

keycode lineinput(char* buffer, int16_t width, int16_t row, int text, int back, int clear, int unused)
{
    editorslot math(matheditor());
    return inputbox(buffer, width, row, text, back, clear, unused);
}

double numberbox(double value, const char* prompt)
{
    if (prompt)
        cputs(prompt);
    if (wherexwin() != 1)
        newline();
    cellrect w = getwindow();
    int16_t width = int16_t(w.right - w.left + 1);
    numlineeditor ed(width);
    std::vector<char> text(size_t(width) + 1, 0);
    {
        editorslot numeric(&ed);
        inputbox(text.data(), width, 0, gettextcolor(), getbkcolor(), getbkcolor());
    }
    newline();
    inputstate = evaluateinput(text.data(), value, false);
    return value;
}

int16_t readshortbox(int16_t value, const char* prompt)
{
    double v = numberbox(value, prompt);
    return int16_t(checkedwhole(v, value, INT16_MIN, INT16_MAX));
}
