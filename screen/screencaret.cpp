// The caret: its state lives here, the window thread shows it on request
// (3027 show, 3028 hide, 3029 move, 3030 recreate).
#include "screen/screen.h"
#include "screen/screenhost.h"
#include "screen/screenstate.h"

void caretoff()
{
    if (scr.careton && mainhasfocus() && scr.carethide == 0)
        caretrequest(3028);
    scr.carethide++;
}

void careton()
{
    if (scr.carethide > 0)
        scr.carethide--;
    if (scr.careton && mainhasfocus() && scr.carethide == 0)
        caretrequest(3027);
}

void caretfreeze()
{
    if (scr.caretfreeze++ == 0) {
        scr.frozenx = scr.curx;
        scr.frozeny = scr.cury;
    }
}

void caretthaw()
{
    if (scr.caretfreeze == 0)
        return;
    if (--scr.caretfreeze == 0 && (scr.curx != scr.frozenx || scr.cury != scr.frozeny))
        caretrequest(3029);
}

void caretshow()
{
    scr.caretfreeze = scr.carethide = 0;
    scr.careton = true;
    if (mainhasfocus())
        caretrequest(3027);
}

void carethide()
{
    if (!scr.careton)
        return;
    scr.careton = false;
    if (scr.carethide == 0 && mainhasfocus())
        caretrequest(3028);
}

void caretshape(int shape)
{
    scr.caretshape = shape;
    if (mainhasfocus())
        caretrequest(3030);
}

caretstate getcaret()
{
    return {scr.careton, scr.carethide, scr.caretshape};
}

void setcaret(const caretstate& c)
{
    scr.careton = c.on;
    scr.carethide = c.hidecount;
}

pixelpoint caretpixel()
{
    int x = scr.caretfreeze ? scr.frozenx : scr.curx, y = scr.caretfreeze ? scr.frozeny : scr.cury;
    pixelpoint p = celltopixel(x, y);
    if (scr.caretshape == 0)
        p.y += scr.cellh - 2;
    return p;
}
