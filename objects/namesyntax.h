// The syntax of a typed object name with an optional "#" extension and an
// optional argument list, as in "MyFunc(x,Y,a)".  One parse fills the
// shared buffers below; each buffer is bounded, longer parts make the
// input invalid (the extension is only cut, it is ignored anyway).
#pragma once

#include <string>

#include "base/limits.h"

class idable;

struct nameparse {
    char name[limits::namelength + 1];
    char arglist[limits::arglisttextlength + 1];      // "(x,y)" as typed
    char extension[limits::extensionlength + 1];      // from "#" up to "("
    char letters[limits::arglistlength + 2];
    int namelength;        // as typed, also when too long
    bool hasarglist;
    bool hasextension;
};
extern nameparse parsedname;

// Both the name and the argument list are valid.
bool parsenameinput(const char* text);
// 2 to 30 name characters, starting with a letter or "_".
bool isvalidname(const char* text);
// "(" single letters separated by "," ")", blanks anywhere, at most 54.
bool checkarglist(const char* text);
// The letters of a valid list (at most 53), in parsedname.letters; null
// for an invalid list.
const char* arglistletters(const char* text);
// The number of letters of a valid list; -1 for an invalid one.
int arglistcount(const char* text);
// "(a,b,c)" of the object's letters; empty without letters.
std::string arglisttext(const idable& object);
// The parsed name and letters into the object, nargs their count.
void applyparsedname(idable& object);
// 1: "#" with digits and blanks only; 2: "##" with blanks only; else 0.
int extensionclass(const char* text);
