// The variable store: a value and a storage class for each of the 52
// letters.  One global store; one per object with #static or #const
// variables.  Record index: 'a'..'z' are 0..25, 'A'..'Z' are 26..51.
#pragma once

#include <iosfwd>

#include "base/listnode.h"

class markset;

// Storage classes.
constexpr char classauto = 'a';
constexpr char classstatic = 's';
constexpr char classconst = 'c';
constexpr char classglobal = 'g';
constexpr char classargument = 'x';
constexpr char classundeclared = '-';
constexpr char classnone = 0;

// Operand cells of compiled code point at these.
struct varrecord {
    double value;
    char cls;      // 0, 'g', 's' or 'c' in a store
};

class varman : public listnode {
public:
    static constexpr int recordtype = 3;
    static constexpr const char* tag = "@@VARMAN";

    varman();
    varman(const varman& other);
    varman& operator=(const varman&) = delete;
    ~varman() override;

    static int letternumber(char letter);   // -1 for a non-letter
    double value(char letter) const;
    void setvalue(char letter, double value);   // the letter becomes 'g'
    char classof(char letter) const;
    void clearclass(char letter);
    varrecord* record(char letter);
    // Classes become 's' or 'c' as the marks declare them, else 0; values
    // stay.  The number of static and const letters.
    int declarestatics(const markset& marks);
    bool equals(const varman& other) const;
    void copyvalues(const varman& other);

    // Writes the tag line, a line "<letter>= <value>" for every 's' and 'c'
    // letter and the end line.
    void save(std::ostream& out) const;
    // Reads the lines after the tag line up to the end line; letters read
    // become 's'.  False, with a read-error report, on anything else.
    bool learn(std::istream& in);

    varrecord records[52];
};
