// The calculator's side of the variable lists: the #global letters its
// formula depends on, the lists of its variables and of the undefined
// #global ones, and the editor of one of its variables.
#pragma once

class calculator;

// True when every #global letter of the calculator has a value.
bool globalsdefined(const calculator& c);
// The referenced #global letters of the last implementation (the usage
// references), sorted as argument letters, become the calculator's;
// left as they are when the list holds 80 records or more.
void referencedglobals(calculator& c);
// Lists the #global letters without a value; no window when there is
// none.  Returns globalsdefined.
bool showundefinedglobals(calculator& c);
// Implements the calculator again and lists the variables it uses with
// the global ones; then the calculator acts on its status.
void showvariableusage(calculator& c);
// Asks for a letter and edits it where the calculator's formula keeps it;
// true when it asked (a ready calculator with a formula).
bool inputvaredit(calculator& c);
