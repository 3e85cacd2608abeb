// The listing of a parser's compiled code: one line per token with its
// code, name, operand and the depth of the value stack after it.  A line
// that calls a user object carries that object.
#pragma once

#include <cstdint>

#include "screen/linelist.h"

class fu;
class parser;
struct rpncursor;

class codelisting {
public:
    static constexpr int classnumber = 7;

    explicit codelisting(const parser& p);
    ~codelisting();
    codelisting(const codelisting&) = delete;
    codelisting& operator=(const codelisting&) = delete;

    // The object called in line n (1-based); null for other lines.
    fu* callee(int n) const;

    const parser* source;
    int16_t depth = 0;
    bool failed = false;
    linelist lines;   // each line's prefix holds its called object

private:
    void addtoken(int code, rpncursor& cursor);
    void addline(fu* object, const char* format, ...) __attribute__((format(printf, 3, 4)));
};

// The caption of a parser's listing: " RPN code ", " name (local) " or
// " name (library) ".
void codecaption(const parser& p, char* caption, int size);
