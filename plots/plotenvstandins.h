// Plot-environment commands whose tools come later.  Each is defined in
// plotenvstandins.cpp, one line a command, showing "Feature not
// implemented !".  A tool that comes deletes its line there and defines
// the function with the same signature in its own file.
#pragma once

class plot;
class plotpsp;

void duplicatecmd();                                // "2": the current plot duplicated
void statisticscmd(plot& p);                        // "S": value-table and curve statistics
void printoptionsdialog(plot& p);                   // "A": the default grid and axes
void runeditcmd(plot& p);                           // "e": the curve editor
void stepactivecmd(plotpsp& s, int direction);      // "+" / "-": the next shown curve becomes active
bool mousecreatecmd(plotpsp& s, double x, double y);  // pen: a sibling curve through the world point
