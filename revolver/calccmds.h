// Handlers of the calculator's commands: each checks the calculator first
// and refuses with a message, changing nothing.
#pragma once

class calculator;

void enterkey(calculator& c);
void switchplot(calculator& c);
// 602, Shift-Tab: the value box over the drawn plot or not.
void toggleoverlay(calculator& c);
void selectprev(calculator& c);
void selectnext(calculator& c);
void focusarguments(calculator& c);
void focusvalues(calculator& c);
void ctrlwnotice(calculator& c);
void stampreport(calculator& c);
void testnfvcmd(calculator& c);
void spacecmd(calculator& c);
void displaymodecmd(calculator& c);   // "d" and the digit read
void caretmodecmd(calculator& c);     // "^"
void switchmodecmd(calculator& c);    // "dd"
void toggleactive(calculator& c);
void showcodecmd(calculator& c);
void editcmd(calculator& c);          // "e", "fe"
void reimplementcmd(calculator& c);
void savevalue(calculator& c);
void installcmd(calculator& c);
void componentlistcmd(calculator& c);
void varinputcmd(calculator& c);
void variableusage(calculator& c);
void argscmd(calculator& c);          // "x"

// The display mode key ('0' to '9' or '^').
void setdisplaymode(calculator& c, int key);
