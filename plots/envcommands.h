// Plot-environment commands that the key table calls, each defined with
// the tool it runs.
#pragma once

class plot;
class plotpsp;

void duplicatecmd();                                // "2": the current plot duplicated
void statisticscmd(plot& p);                        // "S": value-table and curve statistics
void runeditcmd(plot& p);                           // "e": the curve editor
void stepactivecmd(plotpsp& s, int direction);      // "+" / "-": the next shown curve becomes active
bool mousecreatecmd(plotpsp& s, double x, double y);  // pen: a sibling curve through the world point
