// Value counts from the formula text alone: how many values a formula
// returns or an argument list passes, without compiling it.  Positions are
// offsets in the text; a range [from, to) ends before `to`.
#pragma once

#include <cstdint>
#include <vector>

#include "formula/letters.h"

// The partner of every bracket in [from, to) of a text (to -1: the end),
// found in one pass; all three kinds nest alike.  The compiler keeps one
// for its formula, so that counting the arguments behind a name never walks
// to the closing bracket again and nested calls compile in linear time.
class bracketpairs {
public:
    explicit bracketpairs(const char* text = "", int from = 0, int to = -1);
    // The closing bracket of an opening one and the reverse; -1 for an
    // unpaired bracket, any other character and positions outside.
    int partner(int at) const;
    // Behind the last position looked at: the end of the range or the text.
    int end() const { return base + int(pairs.size()); }

private:
    int base = 0;
    std::vector<int> pairs;
};

// Number of values of the statements after the last ";"; 0 when it cannot
// be told.
int16_t nfvformula(const char* text);
// Sum of the value counts of the top-level comma items in [from, to).
int16_t nfvitems(const char* text, int from, int to);
// The same with the brackets of the text already paired.
int16_t nfvitems(const bracketpairs& brackets, const char* text, int from, int to);
// Value count of the multi-valued predefined function whose name stands at
// `at` followed by "#", for n arguments; 0 when n does not fit it, -1 when
// the name is none of them.
int16_t nfvmulti(const char* text, int at, int n);
// The same for a bare name.
int16_t nfvmultiname(const char* name, int n);
// Position of the bracket that closes the first opening bracket at or
// after `from` (all three kinds nest alike), looking before `to` (-1: the
// end of the text); 0 when there is none.
int matchbracket(const char* text, int from, int to = -1);

// An unsigned decimal at `at` (leading blanks skipped), capped at 32767;
// -1 without digits.  `at` moves behind it.
int parseunsigned(const char* text, int& at);

bool isopenbracket(char c);
bool isclosebracket(char c);
inline bool isdigitchar(char c)
{
    return c >= '0' && c <= '9';
}
inline bool isnamestart(char c)
{
    return isletter(c) || c == '_';
}
inline bool isnamechar(char c)
{
    return isnamestart(c) || isdigitchar(c);
}
