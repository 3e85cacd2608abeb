// Reading library files for the database: tags, identity headers, and
// skipping whole objects, without making the objects.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "base/limits.h"
#include "objects/dabarec.h"

class linereader;

// Lines of library files are read up to this length.
constexpr size_t dabalinelength = limits::librarylinelength;

// The identity header of one object.
struct dabaheader {
    std::string name;
    int16_t arguments = 0;
    int16_t values = 0;
    int origin = 0;
    std::string comment;
};

// Library lines are keyed by their beginning.
bool linestarts(const std::string& line, const char* key);

// Reads the header up to its "@DATA" line.  The "@HERKUNFT" line is
// followed by the origin's name; a name that is library itself gives
// origin 0.  False on a read error (reported) or a failed stream.
bool readid(linereader& in, dabaheader& header, int library);

// Skips lines up to the "@@END" that closes the current object, nested
// records included.  False when the file ends first.
bool skiprestofobject(linereader& in);

// Reads the next object of a library file.  Own objects give a record
// (serial = ++counter); foreign copies and invalid names give none.  At
// the end of the file, also inside the object: none and `end` set.  A
// read error: none, `end` clear, `bad` set.
std::unique_ptr<dabarec> readecho(linereader& in, int library, int& counter, bool& end, bool& bad);
