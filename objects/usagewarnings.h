// The usage warnings that an object's implementation asks for after a
// successful compilation: each looks at the mark table and, on a hit,
// leaves a warning (state -1) in the object's collector (made when it has
// none); the letter found, 0 when none.
#pragma once

class diagnostics;
class fu;
class markset;

char warnstaticundefined(const markset& marks, fu* object);   // 61
char warnunreferenced(const markset& marks, fu* object);      // 59
char warnunusedarg(const markset& marks, fu* object);         // 57
char warnunusedtyped(const markset& marks, fu* object);       // 60

// The four in that order, stopping at the first hit; true on a hit.
bool usagewarnings(const markset& marks, fu* object);

// A differential equation's warnings into dia, showing formula: the
// static, unreferenced and typed-variable warnings, then, with the
// independent letter counted as used, the never-used argument.
bool systemwarnings(markset& marks, diagnostics& dia, const char* formula, char independent);
