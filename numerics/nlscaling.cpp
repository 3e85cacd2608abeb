// The argument-scaling dialogue of the nonlinear engines.
#include <cmath>

#include "math/vecfuncs.h"
#include "numerics/nliter.h"
#include "screen/boxsettings.h"
#include "screen/keys.h"
#include "screen/list2way.h"
#include "screen/msgbox.h"
#include "screen/msgbuffer.h"
#include "screen/numlist.h"
#include "screen/uiutil.h"

void nliter::scalingdialog()
{
    const double* proposal = proposescaling();
    rescale = false;
    if (!proposal)
        return;
    msgbuffer m(0, 0, 0, 0, 2048);
    m.addf("\n Argument scaling is recommended to keep the internal computations \n\r"
           " (i.e. numerical derivatives) precise.\n\r");
    if (n < 16) {
        m.addf(" Take a look at the current position and the proposed new scaling vector,\n\r"
               " then decide: \n\n\r");
        for (int i = 1; i <= n; i++)
            m.addf(" x[%2d]=%15.7g  scal[%2d]=%12.7g  old scal[%2d]=%12.7g\n\r", i, x[i] * scale[i], i,
                   proposal[i], i, scale[i]);
        m.addf("\n <y>   use the proposed new scaling vector\n\r"
               " <n>   keep the old scaling vector\n\r"
               " <e>   edit the proposed scaling vector\n");
    } else {
        m.addf("\n Press: \n\n\r <y>   to let the program choose an appropriate scaling vector \n\r"
               " <e>   to view and edit this vector first \n\r <n>   to cancel\n\r");
    }
    for (;;) {
        setboxtitle(" N O T I C E ");
        int key = m.show();
        if (isyes(key)) {
            // The proposal lives in the first scratch vector, which
            // setscaling does not touch.
            setscaling(scratch1.data());
            return;
        }
        if (key == 'n' || key == 'N' || key == key::esc)
            return;
        if (key == 'e' || key == 'E')
            editscaling(scratch1.data(), 1, n, " Edit Argument Scaling ");
    }
}

bool nliter::editscaling(const double* source, int first, int last, const char* caption)
{
    if (source != scratch1.data())
        veccopy(scratch1.data(), source, first, last);
    setboxtitle(caption);
    shownumlist(scratch1.data(), first, last);
    if (listkey == key::esc)
        return false;
    if (!(vecmin(scratch1.data(), first, last) > 0)) {
        msgstyle(1);
        setboxtitle(" INPUT REJECTED ");
        msgbox("\n Expecting positive numbers only ! \n\r        (No changes made) \n");
        return false;
    }
    return true;
}
