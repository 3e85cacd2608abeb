// The local context: the resident user objects, the library that the
// context mirrors, and the numbered list of library files of the work
// directory.  Reading and writing library files come with their own code.
#pragma once

#include <string>

class chain;
class fu;
class stringregistry;

// The resident objects; the resolution context of every compilation unless
// a caller installs another.  Made by loaddesktop.
extern chain* localobjects;

// Number of the library that the context mirrors (an entry of the list).
extern int currentlibrary;

constexpr const char* desktoplibrary = "DESKTOP.LIB";
constexpr int librarynamelength = 12;

// Registers the "*.lib" files of directory (matched ignoring letter case)
// in ascending order of their names compared ignoring case; names already
// registered and names longer than 12 characters are left out.  The number
// of names registered.
int fillfilemap(const std::string& directory, stringregistry& list);

// Makes the context: an empty object list, the library list ("DESKTOP.LIB"
// first, then the libraries of the work directory) and "DESKTOP.LIB" as
// the current library.
void loaddesktop();
// Deletes the resident objects and the object list.
void freecontext();

// The work directory; the current directory unless set.
const std::string& workdirectory();
void setworkdirectory(const std::string& directory);

// "resident" for 0; null for a number that is not registered.
const char* libraryname(int n);
// The file of library n; empty for a number that is not registered or 0.
std::string librarypath(int n);
// 0 when not registered; letter case is ignored.
int librarynumber(const char* name);
// The highest library number.
int librarycount();

// Stand-ins for the change log of the context.
void logchange(int code, fu* object);
void changerecclear();

// Makes a called object ready for the current implementation stamp and
// records it in the global fingerprint; false when it cannot be made ready.
bool readycomponent(fu* callee);
