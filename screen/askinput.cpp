#include "screen/askinput.h"

#include "screen/inputdialogs.h"
#include "screen/lineeditor.h"
#include "screen/screen.h"

namespace {

// The bar dialogues take the rows above the last.
int16_t barrow()
{
    return int16_t(screenrows() - 2);
}

}  // namespace

bool asknumber(const char* title, double& value)
{
    entrybox(&value, int16_t(screencols()), barrow(), title);
    return inputstate == inputstates::taken;
}

bool asktext(const char* title, char* buffer, int maxlength)
{
    buffer[0] = 0;
    return keyedinput(buffer, int16_t(maxlength), barrow(), title) != key::esc;
}

int lastaskkey()
{
    return lastinputkey;
}
