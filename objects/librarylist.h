// The numbered list of library files: 0 is "resident", 1 "DESKTOP.LIB",
// then the "*.lib" files of the work directory.  Names are looked up
// ignoring letter case; files are opened through the case-insensitive
// resolve of the files module, so "DESKTOP.LIB" finds desktop.lib.
#pragma once

#include <string>

class stringregistry;

constexpr const char* desktoplibrary = "DESKTOP.LIB";
constexpr int librarynamelength = 12;

// Registers the files of directory that match pattern (letter case
// ignored) in ascending order of their names compared ignoring case.  A
// name already registered is left out, and so is a name longer than 12
// characters (never cut); a second file whose name differs from a
// registered one only in letter case and a name too long are reported,
// each once a run.  The number of names registered.
int fillfilemap(const std::string& directory, const char* pattern, stringregistry& list);
int fillfilemap(const std::string& directory, stringregistry& list);

// Registers "DESKTOP.LIB", then the libraries of the work directory.
void buildlibrarylist();
// Appends a library made during the run; its number, 0 when the name is
// registered already or too long.
int addlibrary(const std::string& name);

// The work directory; the current directory unless set.
const std::string& workdirectory();
void setworkdirectory(const std::string& directory);

// "resident" for 0; null for a number that is not registered.
const char* libraryname(int n);
// The file of library n as it is spelled on disk (or as registered when
// there is none yet); empty for 0 and numbers not registered.
std::string librarypath(int n);
// 0 when not registered; letter case is ignored.
int librarynumber(const char* name);
// Whether name can be a library file of the work directory: not empty, no
// leading dot, no blanks, control characters, path separators or wildcards.
bool validlibraryname(const std::string& name);
// The number of the library that a record names as its origin; a library
// that is not there (any more) is registered, so that the record keeps
// its origin.  0 for a name that cannot be a library file.
int originlibrary(const std::string& name);
// The highest library number.
int librarycount();
