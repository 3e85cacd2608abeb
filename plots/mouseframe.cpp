#include "plots/mouseframe.h"

#include "screen/keys.h"

mouseframerecord zoomrecord;

int mouseframedialog(mouseframerecord& record)
{
    for (;;) {
        keycode k = getkey();
        if (k >= '1' && k <= '3')
            record.keepmode = uint16_t(k - '0');
        else if (k == 'g' || k == 'k' || (k == 'v' && record.shifted))
            return k;
        else if (k == key::esc || k == key::enter)
            return 27;
    }
}
