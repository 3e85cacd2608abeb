// The predefined functions and constants that formulas call by name.  The
// multi-valued ones are written with "##" behind the name (solve##(...));
// the table holds the plain names.
#pragma once

constexpr short anyargs = 32767;      // any number of arguments
constexpr short multivalued = 32766;  // yields several values; written name##
constexpr short endtoken = 255;       // token of the row that ends the table
constexpr int functioncount = 141;    // rows before the end row

struct funcrow {
    short token;     // tk::code, endtoken in the end row
    short argc;      // argument count; 0 for a constant or a token without arguments
    char name[12];   // NUL-padded, case-sensitive
};

extern const funcrow functable[functioncount + 1];

// The row of that exact name (without "##"); null when there is none.
const funcrow* findfunction(const char* name);

// Argument count of the first row with that token; -1 when none.
int argcoftoken(int token);

// A multi-valued function is called as name##(...); "##" behind any other
// name is an error.
inline bool takeshashes(const funcrow& row) { return row.argc == multivalued; }
