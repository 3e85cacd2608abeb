// Help topics: longer help shown in info windows beside the work.  Each
// operation opens its topic through a holder, so the next topic replaces
// the previous window where the user left it.
#pragma once

#include "screen/infowin.h"

struct helptopic {
    const char* title;
    const char* tag;   // the info window's group key
    bool helpbk;       // the help background (palette colour 17)
    const char* text;  // lines separated by "\n\r", starting with "\n"
};

// Closes the holder's window and opens the topic in its place.
void showhelp(infoholder& holder, const helptopic& topic);

void helpnformula(infoholder& h);
void helprecursion(infoholder& h);
void helprkcalc(infoholder& h);
void helpfastplot(infoholder& h);
void helpspacemenu(infoholder& h);
void helpmouseframe(infoholder& h);
void helpparaplot(infoholder& h);
void helpplotenv(infoholder& h);
void helpprintutilbutton(infoholder& h);
void helpcurveselect(infoholder& h);
void helpgridaxes(infoholder& h);
void helphorzarrows(infoholder& h);
void helpplotdup(infoholder& h);
void helpquitbutton(infoholder& h);
void helpeditbutton(infoholder& h);
void helppenbutton(infoholder& h);
void helpplotdelete(infoholder& h);
void helpprintbutton(infoholder& h);
void helpwindowsymbols(infoholder& h);
void helpvertarrows(infoholder& h);
void helpdeletebutton(infoholder& h);
void helpvertdoublearrows(infoholder& h);
void helpcutcopy(infoholder& h);
void helpinsertbutton(infoholder& h);
void helpceview(infoholder& h);
void helpcebuttons(infoholder& h);
void helpcurvedup(infoholder& h);
void helpcurvedelete(infoholder& h);
void helprecalc(infoholder& h);
void helpsearchbutton(infoholder& h);
void helpcurvecolor(infoholder& h);
void helpparamrange(infoholder& h);
void helpresolution(infoholder& h);
void helppendiameter(infoholder& h);
void helpclippers(infoholder& h);
void helpstatusflags(infoholder& h);
void helpmappingnumber(infoholder& h);
void helpromberg(infoholder& h);
