// Editing a list of argument letters, kept sorted by argorder.
#pragma once

#include <string>

// Letters and digits only: inserts c at its sorted place, or removes it
// when it is there (the only letter of a list stays).
void togglearg(std::string& list, char c);
// The box " new argument list ": each key toggles its character, Enter
// ends (false for an empty list), Esc cancels; list changes only on true.
bool editargs(std::string& list);
