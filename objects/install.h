// Installing user objects: the menu of kinds, the name and argument input,
// the 1-formula input with its turn into a constant or a vector, the
// identity check against the context and the predefined functions,
// renaming and the argument-list editor.
#pragma once

class compositefu;
class fu;
class fu1;
class linelist;
class slotcomp;

// The install menu; the new object (already in the local context) or null.
fu1* installobject();
// A fu1 from a calculator's formula and argument letters.
fu1* installfu1(const char* formula, const char* letters);
// A newly installed object joins the local context (which owns it then):
// marked new, the library changed, its identity checked, the context list
// shown on it.
void enternew(fu1& object);

// The name and argument input into the current window; noarglist (may be
// null) tells whether no argument list was typed.  False on Esc.
bool askname(fu1& object, bool* noarglist);

// Asks for one component formula of a composite object, under its
// owner's signature; an empty input takes def when given, else it is asked
// again.  False on Esc or when the formula cannot be stored.
bool inputcomponent(slotcomp* component, const char* caption, const char* def);
// The input run of a composite kind: name, its components, implementation.
// True when every component was given.
bool runcompositeinput(compositefu& object);

// Modes: 1 after installing, 2 after editing (counts changed), 3 renaming.
// Without a clash 0; else the key that closed the box (13 for a collision
// while renaming).
int identitycheck(const char* name, int nargs, int nvalues, int mode, const fu* object);
int checkidentity(fu1& object, int mode);
bool renameobject(fu1& object);
// The argument-list editor of the function editor; true when accepted.
bool editarguments(fu1& object);

// The name of library n; "?" when it is not registered.
const char* librarylabel(int n);
// Signature, own statics, context and a blank line.
void objectinfolines(const fu1& object, linelist& list);
// The help texts on Runge-Kutta functions and on their modes.
const char* rkfunctionhelp();
const char* rkmodehelp();
// The cursor back to where the last line input ended.
void gotosaved();
