#include "screen/testnfv.h"

#include "formula/nfv.h"
#include "screen/inputdialogs.h"
#include "screen/keys.h"
#include "screen/msgbox.h"
#include "screen/screen.h"

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
