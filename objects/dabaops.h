// Operations of the database on the objects behind its entries: obtain,
// erase, and write into a library.
#pragma once

#include <cstdint>
#include <string>

class fu1;

// A copy of the object (origin 0), from its library file or, for library
// 0, from the local context; null when there is none.  The caller owns it.
fu1* obtain(const char* name, int arguments, int values, int library);
// The resident object of that identity; null when none.
fu1* residentobject(const char* name, int arguments, int values);

// Erases the object from its library file, or the resident object for
// library 0; true on success (reported otherwise).
bool eraseobject(const char* name, int arguments, int values, int library);

// Writes the object into the library file named target ("" nothing),
// making the file when create is set.  The library number written, 0 for
// none (reported); serial is the object's place among the file's own
// objects (foreign copies are not counted).
int writeinto(fu1& object, const std::string& target, bool create, uint16_t& serial);

// The target name as the library list spells new files: the part before
// the first dot cut to 8 characters, ".LIB" behind it, upper case.
std::string libraryfilename(const std::string& answer);
