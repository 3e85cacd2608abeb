// Handlers of the revolver's own commands (its main loop's table).
#pragma once

void quitcmd();
void nothingcmd();
void helpcmd();
void mouseframehelpcmd();
void contextsavecmd();
void contextmenucmd();
void notepadcmd();
void turnleftcmd();
void turnrightcmd();
void insertcmd();
void deletecmd();
void restorecmd();
void escnotice();
void operatorcmd();
void dropformulacmd();
void pickformulacmd();
void seedcmd();
void argsmodecmd();
void databasecmd();
void windowtestcmd();
void mouseframecmd();
void listcontextcmd2();
void installcmd2();
void databasecmd2();
void pickvariablecmd();
