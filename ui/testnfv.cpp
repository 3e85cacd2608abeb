#include "ui/testnfv.h"

#include "formula/nfv.h"
#include "ui/inputdialogs.h"
#include "ui/keys.h"
#include "ui/msgbox.h"
#include "ui/screen.h"

namespace {
constexpr int16_t inputlength = 220;
}

void testnfv()
{
    for (;;) {
        char text[inputlength + 1] = "";
        cputs("\n\r formula ?\n\r");
        if (lineinput(text, inputlength) == key::esc)
            return;
        tell("\n nfvformula() returns: %d \n", nfvformula(text));
    }
}
