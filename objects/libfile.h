// Library files: object records one after another, no header, no
// separators.  Written with "\n" line ends in the "C" numeric locale;
// read with one trailing "\r" of every line stripped.
#pragma once

#include <sstream>
#include <string>
#include <vector>

class chain;
class fu1;

// A library file's text ready for reading records.
class libraryinput {
public:
    enum state { ok, missing, unreadable };
    explicit libraryinput(const std::string& path);

    state status = ok;
    std::istringstream stream;

    // The file's bytes from..to of the stream's text (positions in the
    // text), as they stand in the file.
    std::string original(size_t from, size_t to) const;

private:
    std::string bytes;
    // Places in the text of the line ends that lost a CR, ascending.
    std::vector<size_t> cuts;
    size_t where(size_t at) const;
};

// The next object of the stream, or null (at the end, for a tag line that
// makes no object, or when the record could not be read).  skipped tells
// the last case: the record was reported and passed over, and reading may
// go on.  The caller owns the object.
fu1* readanobject(std::istream& in, bool* skipped = nullptr);

// What readlib could not turn into objects, and where it stood.
struct libraryread {
    // The file exists but could not be read.
    bool unreadable = false;
    // A record that could not be read, or not whole, or the rest of the
    // file after a fault, as it stands in the file; after: the number of
    // objects read before it.
    struct record {
        std::string text;
        size_t after = 0;
    };
    std::vector<record> unread;
    // The identities (name, value and argument counts, and which
    // occurrence) of the objects read, in file order: they place the
    // records kept.
    std::vector<std::string> read;
};

// Appends the objects of the file to list, each with its written flag set.
// A record is read only when it writes back as it stands (but for blanks
// and CRs at line ends and numbers spelled otherwise); others are kept in
// rest and reported once for the file.  The count read; 0 for a missing
// file; -1 when the file cannot be read or reading ended before its end
// (reported; objects read before stay).
int readlib(const std::string& path, chain& list, libraryread* rest = nullptr);

// How writelib treats the objects written.
enum class savemode {
    copy,      // another file: marks, written flags and change log untouched
    context,   // the context's own file: saved objects lose their marks
};

// Writes the list as the file path; the old file becomes the backup (the
// name up to its first '.', at most 8 characters, and ".bak").  With
// foreign, foreign copies that were read or changed are written too;
// without, only own objects.  The records that rest kept unread go back
// behind the objects read before them; a file that could not be read is
// not overwritten.  The old
// file stays whole when the write fails; false then (reported).  An empty
// list over an existing file asks first.
bool writelib(const std::string& path, chain& list, bool foreign, savemode mode = savemode::copy,
              const libraryread* rest = nullptr);

// The backup name of a library file.
std::string backupname(const std::string& path);
