// Handlers that work on the ring of calculators.
#include "revolver/revcmds.h"

#include "objects/contextcmds.h"

void mouseframehelpcmd() {}
void contextmenucmd()
{
    contextmenu();
}
void notepadcmd() {}
void turnleftcmd() {}
void turnrightcmd() {}
void insertcmd() {}
void deletecmd() {}
void restorecmd() {}
void operatorcmd() {}
void dropformulacmd() {}
void pickformulacmd() {}
void argsmodecmd() {}
