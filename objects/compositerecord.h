// What the records of the composite kinds share: the argument letters
// and the own variable store, written and read alike by every kind.
#pragma once

#include <iosfwd>

class fu1;
class slotcomp;

// "@ARGS" and the letters, then the own store's block when there is one.
void saveargsandstore(std::ostream& out, fu1& object);
// The line after "@ARGS": at most 53 letters; nargs follows them.
void learnargs(std::istream& in, fu1& object);
// The block after "@@VARMAN" into a new own store; false when it cannot
// be read (the old store stays).
bool learnstore(std::istream& in, fu1& object);
