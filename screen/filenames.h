// Names of files in the work directory: probing, cutting to eight
// characters with an extension, and asking for a new name.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The root of the file system: "/".
char* driveroot(char* buffer);
// The current directory with a trailing "/".
std::string addbackslash();
// 0 when no file matches (the name resolved ignoring letter case), else
// its size + 1.  With a directory the name is looked up there.
uint64_t existsindir(const char* name, const char* directory = nullptr);
// A name that stays in the work directory: no separator, no hidden file,
// no control character.
bool plainname(std::string_view name);
// 0 for a name that cannot name a file here, 2 when the file exists, 1
// when a new file of that name can be made (probed by an exclusive create
// and removed; an existing file is never opened).  With a directory the
// name is probed there, else in the current directory.
uint8_t isfilename(const char* name, const std::string& directory = std::string());
// Cuts name to at most eight characters before a "." and the extension;
// returns where the extension starts.  Without an extension name is
// unchanged.  name must hold 8 + 1 + the extension + 1 bytes.
char* shortname(char* name, const char* extension);
// Asks for the name of a new file (at most 12 characters) in a field at
// column 12 that starts with the buffer's text; asks again after a name
// that cannot be used, an empty one too.  An existing file is taken when
// it is oldname, or any existing file when oldname is "*2OK".  Esc leaves
// the buffer empty.  buffer holds limits::pathlength bytes.
char* newfilename(char* buffer, const char* oldname, const char* extension);
