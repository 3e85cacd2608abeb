#include "plots/breakdialogs.h"

#include <cctype>

#include "screen/keys.h"
#include "screen/menustate.h"
#include "screen/msgbox.h"
#include "screen/msgbuffer.h"
#include "screen/statushidden.h"
#include "screen/uiutil.h"

namespace {

// STOP off, the status box hidden and the pending keys gone while a
// question is open.
struct breakquestion {
    statushidden hidden;
    breakquestion()
    {
        menus().disablestop();
        flushkeys();
    }
};

}  // namespace

int samplebreakdialog(int i, int n, bool partialallowed)
{
    if (!isidle())
        return 0;
    breakquestion open;
    msgbuffer m(0, 0, 0, 0, 2048);
    m.addf("\n Sample generation has been interrupted during calculation of \n\r point %d of %d. \n\n\r <Esc>   "
           "terminate \n\r <r>     resume \n\r",
           i, n);
    if (partialallowed)
        m.addf(" <p>     use current partial sample \n\r");
    int k = m.show();
    m.hide();
    if (k == 'r' || k == 'R')
        return 2;
    return k == 'p' && partialallowed ? 1 : 0;
}

bool plotbreakdialog(int i, int n)
{
    if (!isidle())
        return false;
    breakquestion open;
    int k = std::tolower(tell("\n Plot computation has been interrupted \n\r after %d of %d points. \n\n\r <Esc>  "
                              "terminate \n\r <r>    resume \n\r",
                              i, n));
    return k == 'r' || k == 'w';
}

bool curvebreakdialog(int k)
{
    if (!isidle())
        return false;
    return isyes(tell("\n Computation of curve nr. %d has been aborted. \n\r Should the remaining curves be "
                      "computed (y/n) ? \n",
                      k));
}
