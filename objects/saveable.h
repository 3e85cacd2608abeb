// The library-record interface of everything written to a library file,
// the record tag table and the helpers every record reader shares.
//
// A record is: the tag line, the identity header (idable.h), the kind's
// keyed body lines and the end line "@@END " + the tag without its "@@".
// Lines are written with "\n" only; readers strip one trailing "\r".
// Numbers go through the "C" locale (math/cnumber.h).
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>

// Type ids: what typenumber() answers; files carry the tag instead.
namespace typeids {
constexpr int saveable = 1, comment = 2, varman = 3, sumrecord = 4, fu = 5, fu1 = 6,
              fuconst = 7, fuvector = 8, funm = 9, funmx = 10, fuparin = 12,
              fufinitsum = 13, fuconditional = 14, furekur = 15, fumultibranch = 16,
              fuinfinite = 17, furk = 18, fuwrapper = 19;
}

class saveable {
public:
    saveable() = default;
    saveable(const saveable&) = default;
    saveable& operator=(const saveable&) = default;
    // Slots in this order: destroy, save, learn, typenumber, tag.
    virtual ~saveable() = default;
    // Writes the whole record, tag line and end line included.
    virtual void save(std::ostream& out) = 0;
    // Reads the rest of the record after the tag line, up to and including
    // its end line; false when the record could not be read.
    virtual bool learn(std::istream& in) = 0;
    virtual int typenumber() const { return typeids::saveable; }
    virtual const char* tag() const { return "@@SAVEABLE"; }

    // The tag and a line end.
    void writetag(std::ostream& out) const;
    // "@@END " + the tag without its leading "@@", and a line end.
    void writeend(std::ostream& out) const;
};

struct recordtag {
    int32_t type;
    char tag[24];
};
// The 18 rows in prefix-matching order, then {0, "NEVER USE"}.
extern const recordtag recordtags[19];

// The type id of the first row whose tag is a prefix of line; 0 for none.
int tagtotype(const char* line);
// Reads one line (cut to 79 characters) and gives tagtotype of it; 0 at
// the end of the stream.
int readtypetag(std::istream& in);

// 1-based position of the first key that is a prefix of text (an empty
// key never matches); 0 for none.  The list ends with a null key.
int16_t matchany(const char* text, ...);

// Reads one line without its "\n" and one trailing "\r".  A longer line
// is cut to limit characters and the rest of it skipped; *cut tells so.
// False when nothing could be read (end of stream).
bool readrecordline(std::istream& in, std::string& line, size_t limit, bool* cut = nullptr);
// Reads a line and its leading number ("C" locale); the rest of the line
// is ignored.  No line or no number is reported as a read error of where;
// false then.
bool readvalueline(std::istream& in, double& value, const char* where);
// Reads the end line of a record; anything else is reported as a read
// error of where.
bool readendline(std::istream& in, const char* where);
