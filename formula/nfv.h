// Value counts from the formula text alone: how many values a formula
// returns or an argument list passes, without compiling it.  Positions are
// offsets in the text; a range [from, to) ends before `to`.
#pragma once

#include <cstdint>

#include "formula/letters.h"

// Number of values of the statements after the last ";"; 0 when it cannot
// be told.
int16_t nfvformula(const char* text);
// Sum of the value counts of the top-level comma items in [from, to).
int16_t nfvitems(const char* text, int from, int to);
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
