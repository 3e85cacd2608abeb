// The identity of a user object: name, argument and value counts, origin
// library, comment, argument letters; and the identity header of its
// record:
//   name / nargs / nvalues / ["@HERKUNFT" / library name] / [comment
//   record] / "@DATA"
// (the first three lines and the options only when the name is not empty).
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>

#include "base/limits.h"

class comment;

class idable {
public:
    idable();
    idable(const idable&) = delete;
    idable& operator=(const idable&) = delete;
    // Slots in this order: destroy (deletes the comment), specialargument.
    virtual ~idable();
    // The letter shown as "arc" in signatures; 0 for every kind but the
    // Runge-Kutta function in arclength mode.
    virtual char specialargument() const { return 0; }

    // Name (cut to 30 characters), counts, origin and failed; neither the
    // comment nor the letters.
    void copy(const idable& source);
    void setname(const char* text);

    void writeheader(std::ostream& out) const;
    // Reads the header lines up to "@DATA"; false (reported) on a fourth
    // plain line, a tenth line, a failed stream, a comment without memory,
    // and, after reading to "@DATA", on a name longer than the field or a
    // comment that could not be read whole.
    bool readheader(std::istream& in);

    bool hascomment() const;
    // The name, with "#" and the value count when it is 2 or more.
    std::string fullname() const;
    // fullname and "(a,b,c)"; nothing after it without letters; the special
    // letter shown as "arc" when withspecial.
    std::string signature(bool withspecial = false) const;
    // fullname and "(%d)" with nargs.
    std::string fullnamecount() const;

    char name[limits::namelength + 1];
    int16_t nargs = 0;
    int16_t nvalues = 0;
    uint16_t origin = 0;          // library number; 0 resident / own
    comment* note = nullptr;      // owned; the comment
    uint8_t failed = 0;           // construction could not get memory
    char argletters[limits::arglistlength + 1];
};

std::string fullname(const char* name, int nvalues);
